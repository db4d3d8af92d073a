// Error numbers, their texts, and the per-error detail that transport
// failures attach (cause, endpoint) so the caller can print one useful line.
#include "internal.h"

#include <axutil_error.h>

#include <cstdlib>
#include <cstring>
#include <string>

namespace {

// Indexed by error number; keep in the order of enum axutil_error_codes.
const char* const kMessages[] = {
    "No error",
    "Out of memory",
    "NULL parameter was passed when a non NULL parameter was expected",
    "Index out of bounds",
    "Invalid value",
    "Invalid URI",
    "Node is not of the expected type",
    "XML is not well-formed",
    "Invalid SOAP envelope",
    "Invalid client configuration",
    "Invalid endpoint address",
    "Could not connect to the server",
    "The HTTP request could not be sent",
    "Timed out waiting for the reply",
    "HTTP transport error",
    "CA certificate file for verifying the server not found",
    "Server certificate verification failed",
    "SSL handshake with the server failed",
    "Client certificate or its private key could not be loaded",
    "Internal error in the SOAP engine",
};

static_assert(sizeof(kMessages) / sizeof(kMessages[0]) == AXIS2_ERROR_LAST,
              "every error number needs a text");

// The public struct comes first so that the C side sees only its fields.
struct ErrorImpl {
  axutil_error_t pub;
  std::string detail;
  int detailNumber = AXIS2_ERROR_NONE;
  bool hasDetail = false;
};

ErrorImpl* Impl(const axutil_error_t* error) {
  return reinterpret_cast<ErrorImpl*>(const_cast<axutil_error_t*>(error));
}

}  // namespace

extern "C" {

axutil_error_t* axutil_error_create(axutil_allocator_t* allocator) {
  auto* impl = new (std::nothrow) ErrorImpl();
  if (!impl) return nullptr;
  impl->pub.allocator = allocator;
  impl->pub.error_number = AXIS2_ERROR_NONE;
  impl->pub.status_code = AXIS2_SUCCESS;
  impl->pub.message = nullptr;
  return &impl->pub;
}

void axutil_error_free(axutil_error_t* error) {
  if (!error) return;
  std::free(error->message);
  delete Impl(error);
}

const axis2_char_t* axutil_error_get_message_for_number(int error_number) {
  if (error_number < 0 || error_number >= AXIS2_ERROR_LAST) return "Unknown error";
  return kMessages[error_number];
}

const axis2_char_t* axutil_error_get_message(const axutil_error_t* error) {
  if (!error) return nullptr;
  ErrorImpl* impl = Impl(error);
  try {
    std::string text = axutil_error_get_message_for_number(error->error_number);
    if (impl->hasDetail && impl->detailNumber == error->error_number && !impl->detail.empty()) {
      text += ": ";
      text += impl->detail;
    }
    // Plain malloc: the message belongs to the error object, whatever
    // allocator the environment uses.
    char* composed = static_cast<char*>(std::malloc(text.size() + 1));
    if (!composed) return axutil_error_get_message_for_number(error->error_number);
    std::memcpy(composed, text.c_str(), text.size() + 1);
    std::free(impl->pub.message);
    impl->pub.message = composed;
    return composed;
  } catch (...) {
    return axutil_error_get_message_for_number(error->error_number);
  }
}

axis2_status_t axutil_error_set_error_number(axutil_error_t* error, int error_number) {
  if (!error) return AXIS2_FAILURE;
  ErrorImpl* impl = Impl(error);
  error->error_number = error_number;
  impl->hasDetail = false;
  impl->detail.clear();
  return AXIS2_SUCCESS;
}

axis2_status_t axutil_error_set_error_message(axutil_error_t* error,
                                              const axis2_char_t* message) {
  if (!error) return AXIS2_FAILURE;
  ErrorImpl* impl = Impl(error);
  try {
    impl->detail = message ? message : "";
    impl->detailNumber = error->error_number;
    impl->hasDetail = message != nullptr;
    return AXIS2_SUCCESS;
  } catch (...) {
    impl->hasDetail = false;
    return AXIS2_FAILURE;
  }
}

axis2_status_t axutil_error_set_status_code(axutil_error_t* error, int status_code) {
  if (!error) return AXIS2_FAILURE;
  error->status_code = status_code;
  return AXIS2_SUCCESS;
}

int axutil_error_get_status_code(axutil_error_t* error) {
  return error ? error->status_code : AXIS2_CRITICAL_FAILURE;
}

}  // extern "C"
