// Error numbers, their texts, and the per-error detail that transport
// failures attach (cause, endpoint) so the caller can print one useful line.
#include "internal.h"

#include <axutil_error.h>
#include <axutil_error_default.h>

#include <cstdlib>
#include <cstring>
#include <string>

namespace
{

struct NumberText
{
    int number;
    const char* text;
};

// The engine's own wording for each number it records.
const NumberText kMessages[] = {
    {AXIS2_ERROR_NONE, "No error"},
    {AXIS2_ERROR_NO_MEMORY, "Out of memory"},
    {AXIS2_ERROR_INVALID_NULL_PARAM, "NULL parameter was passed when a non NULL parameter was expected"},
    {AXIS2_ERROR_UNSUPPORTED_TYPE, "Not supported by this SOAP engine"},
    {AXIS2_ERROR_CONFIG_NOT_FOUND, "Client configuration file (axis2.xml) not found"},
    {AXIS2_ERROR_MODULE_NOT_FOUND, "Module not available in this SOAP engine"},
    {AXIS2_ERROR_OP_NAME_MISSING, "Operation has no name"},
    {AXIS2_ERROR_INVALID_STATE_CONF, "Invalid client configuration"},
    {AXIS2_ERROR_OM_ELEMENT_INVALID_STATE, "The XML tree cannot be changed that way"},
    {AXIS2_ERROR_HTTP_CLIENT_TRANSPORT_ERROR, "HTTP transport error"},
    {AXIS2_ERROR_HTTP_REQUEST_NOT_SENT, "The HTTP request could not be sent"},
    {AXIS2_ERROR_INVALID_TRANSPORT_PROTOCOL, "Transport protocol not supported"},
    {AXIS2_ERROR_INVALID_URL_FORMAT, "Invalid URI"},
    {AXIS2_ERROR_RESPONSE_TIMED_OUT, "Timed out waiting for the reply"},
    {AXIS2_ERROR_SOAP_ENVELOPE_OR_SOAP_BODY_NULL, "SOAP envelope without a Body"},
    {AXIS2_ERROR_SSL_ENGINE, "SSL/TLS failure"},
    {AXIS2_ERROR_SSL_NO_CA_FILE, "CA certificate file for verifying the server not found"},
    {AXIS2_ERROR_INDEX_OUT_OF_BOUNDS, "Index out of bounds"},
    {AXIS2_ERROR_INVALID_ADDRESS, "Invalid endpoint address"},
    {AXIS2_ERROR_INVALID_STATE_PARAM, "Unexpected failure inside the SOAP engine"},
    {AXIS2_ERROR_SOCKET_ERROR, "Could not connect to the server"},
    {AXIS2_ERROR_INVALID_DOCUMENT_STATE_ROOT_NULL, "XML is not well-formed"},
    {AXIS2_ERROR_XML_PARSER_INVALID_MEM_TYPE, "XML reader type must be AXIS2_XML_PARSER_TYPE_BUFFER"},
    {AXIS2_ERROR_INVALID_BASE_TYPE, "Text is not a valid value of its XML Schema type"},
    {AXIS2_ERROR_INVALID_SOAP_VERSION, "Invalid SOAP version"},
    {AXIS2_ERROR_SOAP_MESSAGE_DOES_NOT_CONTAIN_AN_ENVELOPE, "Reply is not a SOAP envelope"},
};

// The public struct comes first so that the C side sees only its fields.
struct ErrorImpl
{
    axutil_error_t pub;
    std::string detail;
    int detailNumber = AXIS2_ERROR_NONE;
    bool hasDetail = false;
};

ErrorImpl* Impl(const axutil_error_t* error)
{
    return reinterpret_cast<ErrorImpl*>(const_cast<axutil_error_t*>(error));
}

} // namespace

namespace axis2c
{

const char* MessageForNumber(int number)
{
    for (const NumberText& entry : kMessages)
        if (entry.number == number)
            return entry.text;
    return "Unknown error";
}

} // namespace axis2c

extern "C"
{
axutil_error_t* axutil_error_create(axutil_allocator_t* allocator)
{
    auto* impl = new (std::nothrow) ErrorImpl();
    if (!impl)
        return nullptr;
    impl->pub.allocator = allocator;
    impl->pub.error_number = AXIS2_ERROR_NONE;
    impl->pub.status_code = AXIS2_SUCCESS;
    impl->pub.message = nullptr;
    return &impl->pub;
}

void axutil_error_free(axutil_error_t* error)
{
    if (!error)
        return;
    std::free(error->message);
    delete Impl(error);
}

axis2_status_t axutil_error_init(void)
{
    return AXIS2_SUCCESS;
}

const axis2_char_t* axutil_error_get_message(const axutil_error_t* error)
{
    if (!error)
        return nullptr;
    ErrorImpl* impl = Impl(error);
    try
    {
        std::string text = axis2c::MessageForNumber(error->error_number);
        if (impl->hasDetail && impl->detailNumber == error->error_number && !impl->detail.empty())
        {
            text += ": ";
            text += impl->detail;
        }
        // Plain malloc: the message belongs to the error object, whatever
        // allocator the environment uses.
        char* composed = static_cast<char*>(std::malloc(text.size() + 1));
        if (!composed)
            return axis2c::MessageForNumber(error->error_number);
        std::memcpy(composed, text.c_str(), text.size() + 1);
        std::free(impl->pub.message);
        impl->pub.message = composed;
        return composed;
    }
    catch (...)
    {
        return axis2c::MessageForNumber(error->error_number);
    }
}

axis2_status_t axutil_error_set_error_number(axutil_error_t* error, axutil_error_codes_t error_number)
{
    if (!error)
        return AXIS2_FAILURE;
    ErrorImpl* impl = Impl(error);
    error->error_number = error_number;
    impl->hasDetail = false;
    impl->detail.clear();
    return AXIS2_SUCCESS;
}

axis2_status_t axutil_error_set_error_message(axutil_error_t* error, axis2_char_t* message)
{
    if (!error)
        return AXIS2_FAILURE;
    ErrorImpl* impl = Impl(error);
    try
    {
        impl->detail = message ? message : "";
        impl->detailNumber = error->error_number;
        impl->hasDetail = message != nullptr;
        return AXIS2_SUCCESS;
    }
    catch (...)
    {
        impl->hasDetail = false;
        return AXIS2_FAILURE;
    }
}

axis2_status_t axutil_error_set_status_code(axutil_error_t* error, axis2_status_codes_t status_code)
{
    if (!error)
        return AXIS2_FAILURE;
    error->status_code = status_code;
    return AXIS2_SUCCESS;
}

axis2_status_t axutil_error_get_status_code(axutil_error_t* error)
{
    return error ? error->status_code : AXIS2_CRITICAL_FAILURE;
}

} // extern "C"
