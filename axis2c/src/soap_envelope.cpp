// The received envelope seen through Axis2/C's SOAP accessors. SOAP 1.1
// faults (faultcode, faultstring, detail) are presented through the SOAP 1.2
// shape (Code/Value, Reason/Text, Detail) so that a caller reads both the
// same way.
#include "soap_envelope.h"

#include "internal.h"

#include <axiom_soap_const.h>

#include <Poco/String.h>

using axis2c::Present;

namespace
{

template <class T>
T* Make(axiom_soap_envelope* owner)
{
    auto part = std::make_shared<T>();
    owner->parts.push_back(part);
    return part.get();
}

std::string UriOf(const axiom_element* element)
{
    return element && element->ns ? element->ns->uri : std::string();
}

// First child element named `localname`; with `uri`, also in that namespace.
axiom_node* Child(axiom_node* parent, const char* localname, const std::string* uri)
{
    for (axiom_node* child = parent ? parent->firstChild : nullptr; child; child = child->next)
    {
        axiom_element* element = axis2c::ElementOf(child);
        if (element && element->localname == localname && (!uri || UriOf(element) == *uri))
            return child;
    }
    return nullptr;
}

axiom_node* FirstElement(axiom_node* parent)
{
    for (axiom_node* child = parent ? parent->firstChild : nullptr; child; child = child->next)
        if (axis2c::ElementOf(child))
            return child;
    return nullptr;
}

std::string TextOf(axiom_node* node)
{
    std::string text;
    for (axiom_node* child = node ? node->firstChild : nullptr; child; child = child->next)
        if (child->type == AXIOM_TEXT)
            text += static_cast<axiom_text*>(child->data)->value;
    return Poco::trim(text);
}

axiom_soap_fault_value* Value(axiom_soap_envelope* owner, axiom_node* node)
{
    if (!node)
        return nullptr;
    auto* value = Make<axiom_soap_fault_value>(owner);
    value->node = node;
    value->text = TextOf(node);
    return value;
}

axiom_soap_fault_text* Text(axiom_soap_envelope* owner, axiom_node* node)
{
    auto* text = Make<axiom_soap_fault_text>(owner);
    text->node = node;
    text->text = TextOf(node);
    for (axiom_attribute* attribute : axis2c::ElementOf(node)->attributes)
        if (attribute->localname == AXIOM_SOAP12_SOAP_FAULT_TEXT_LANG_ATTR_LOCAL_NAME)
            text->lang = attribute->value;
    return text;
}

axiom_soap_fault_sub_code* SubCode(axiom_soap_envelope* owner, axiom_node* node, const std::string& uri)
{
    if (!node)
        return nullptr;
    auto* sub = Make<axiom_soap_fault_sub_code>(owner);
    sub->node = node;
    sub->value = Value(owner, Child(node, AXIOM_SOAP12_SOAP_FAULT_VALUE_LOCAL_NAME, &uri));
    sub->subCode = SubCode(owner, Child(node, AXIOM_SOAP12_SOAP_FAULT_SUB_CODE_LOCAL_NAME, &uri), uri);
    return sub;
}

axiom_soap_fault* Soap11Fault(axiom_soap_envelope* owner, axiom_node* node)
{
    auto* fault = Make<axiom_soap_fault>(owner);
    fault->node = node;
    // SOAP 1.1 leaves the fault's children unqualified.
    if (axiom_node* code = Child(node, AXIOM_SOAP11_SOAP_FAULT_CODE_LOCAL_NAME, nullptr))
    {
        fault->code = Make<axiom_soap_fault_code>(owner);
        fault->code->node = code;
        fault->code->value = Value(owner, code);
    }
    if (axiom_node* string = Child(node, AXIOM_SOAP11_SOAP_FAULT_STRING_LOCAL_NAME, nullptr))
    {
        fault->reason = Make<axiom_soap_fault_reason>(owner);
        fault->reason->node = string;
        fault->reason->texts.push_back(Text(owner, string));
    }
    if (axiom_node* detail = Child(node, AXIOM_SOAP11_SOAP_FAULT_DETAIL_LOCAL_NAME, nullptr))
    {
        fault->detail = Make<axiom_soap_fault_detail>(owner);
        fault->detail->node = detail;
    }
    return fault;
}

axiom_soap_fault* Soap12Fault(axiom_soap_envelope* owner, axiom_node* node, const std::string& uri)
{
    auto* fault = Make<axiom_soap_fault>(owner);
    fault->node = node;
    if (axiom_node* code = Child(node, AXIOM_SOAP12_SOAP_FAULT_CODE_LOCAL_NAME, &uri))
    {
        fault->code = Make<axiom_soap_fault_code>(owner);
        fault->code->node = code;
        fault->code->value = Value(owner, Child(code, AXIOM_SOAP12_SOAP_FAULT_VALUE_LOCAL_NAME, &uri));
        fault->code->subCode = SubCode(owner, Child(code, AXIOM_SOAP12_SOAP_FAULT_SUB_CODE_LOCAL_NAME, &uri), uri);
    }
    if (axiom_node* reason = Child(node, AXIOM_SOAP12_SOAP_FAULT_REASON_LOCAL_NAME, &uri))
    {
        fault->reason = Make<axiom_soap_fault_reason>(owner);
        fault->reason->node = reason;
        for (axiom_node* child = reason->firstChild; child; child = child->next)
        {
            axiom_element* element = axis2c::ElementOf(child);
            if (element && element->localname == AXIOM_SOAP12_SOAP_FAULT_TEXT_LOCAL_NAME && UriOf(element) == uri)
                fault->reason->texts.push_back(Text(owner, child));
        }
    }
    if (axiom_node* detail = Child(node, AXIOM_SOAP12_SOAP_FAULT_DETAIL_LOCAL_NAME, &uri))
    {
        fault->detail = Make<axiom_soap_fault_detail>(owner);
        fault->detail->node = detail;
    }
    return fault;
}

} // namespace

namespace axis2c
{

void EnvelopeDeleter::operator()(axiom_soap_envelope* envelope) const
{
    if (!envelope)
        return;
    if (envelope->body && envelope->body->fault && envelope->body->fault->reason)
        axutil_array_list_free(envelope->body->fault->reason->list, nullptr);
    delete envelope;
}

EnvelopeView ViewEnvelope(axiom_node* root)
{
    axiom_element* element = ElementOf(root);
    const std::string uri = UriOf(element);
    int version = 0;
    if (uri == AXIOM_SOAP11_SOAP_ENVELOPE_NAMESPACE_URI)
        version = AXIOM_SOAP11;
    if (uri == AXIOM_SOAP12_SOAP_ENVELOPE_NAMESPACE_URI)
        version = AXIOM_SOAP12;
    if (!element || element->localname != AXIOM_SOAP_ENVELOPE_LOCAL_NAME || !version)
        return nullptr;

    EnvelopeView envelope(new axiom_soap_envelope());
    envelope->node = root;
    envelope->version = version;
    if (axiom_node* header = Child(root, AXIOM_SOAP_HEADER_LOCAL_NAME, &uri))
    {
        envelope->header = Make<axiom_soap_header>(envelope.get());
        envelope->header->node = header;
        envelope->header->version = version;
    }
    if (axiom_node* body = Child(root, AXIOM_SOAP_BODY_LOCAL_NAME, &uri))
    {
        envelope->body = Make<axiom_soap_body>(envelope.get());
        envelope->body->node = body;
        envelope->body->version = version;
        axiom_node* first = FirstElement(body);
        axiom_element* firstElement = ElementOf(first);
        if (firstElement && firstElement->localname == AXIOM_SOAP_FAULT_LOCAL_NAME && UriOf(firstElement) == uri)
            envelope->body->fault =
                version == AXIOM_SOAP11 ? Soap11Fault(envelope.get(), first) : Soap12Fault(envelope.get(), first, uri);
    }
    return envelope;
}

std::string DescribeFault(const axiom_soap_fault* fault)
{
    std::string code = fault->code && fault->code->value ? fault->code->value->text : "";
    std::string reason = fault->reason && !fault->reason->texts.empty() ? fault->reason->texts.front()->text : "";
    if (reason.empty())
        reason = "no fault string";
    return code.empty() ? reason : code + ": " + reason;
}

} // namespace axis2c

namespace
{

char* TextOrNull(std::string& text)
{
    return text.empty() ? nullptr : &text[0];
}

} // namespace

extern "C"
{
axiom_soap_header* axiom_soap_envelope_get_header(axiom_soap_envelope_t* soap_envelope, const axutil_env_t* env)
{
    return Present(env, soap_envelope) ? soap_envelope->header : nullptr;
}

axiom_soap_body* axiom_soap_envelope_get_body(axiom_soap_envelope_t* soap_envelope, const axutil_env_t* env)
{
    return Present(env, soap_envelope) ? soap_envelope->body : nullptr;
}

axiom_node_t* axiom_soap_envelope_get_base_node(axiom_soap_envelope_t* soap_envelope, const axutil_env_t* env)
{
    return Present(env, soap_envelope) ? soap_envelope->node : nullptr;
}

int axiom_soap_envelope_get_soap_version(axiom_soap_envelope_t* soap_envelope, const axutil_env_t* env)
{
    return Present(env, soap_envelope) ? soap_envelope->version : AXIOM_SOAP_VERSION_NOT_SET;
}

axiom_namespace_t* axiom_soap_envelope_get_namespace(axiom_soap_envelope_t* soap_envelope, const axutil_env_t* env)
{
    if (!Present(env, soap_envelope))
        return nullptr;
    return axis2c::ElementOf(soap_envelope->node)->ns;
}

axiom_node_t* axiom_soap_header_get_base_node(axiom_soap_header_t* soap_header, const axutil_env_t* env)
{
    return Present(env, soap_header) ? soap_header->node : nullptr;
}

int axiom_soap_header_get_soap_version(axiom_soap_header_t* soap_header, const axutil_env_t* env)
{
    return Present(env, soap_header) ? soap_header->version : AXIOM_SOAP_VERSION_NOT_SET;
}

axis2_bool_t axiom_soap_body_has_fault(axiom_soap_body_t* soap_body, const axutil_env_t* env)
{
    return Present(env, soap_body) && soap_body->fault ? AXIS2_TRUE : AXIS2_FALSE;
}

axiom_soap_fault_t* axiom_soap_body_get_fault(axiom_soap_body_t* soap_body, const axutil_env_t* env)
{
    return Present(env, soap_body) ? soap_body->fault : nullptr;
}

axiom_node_t* axiom_soap_body_get_base_node(axiom_soap_body_t* soap_body, const axutil_env_t* env)
{
    return Present(env, soap_body) ? soap_body->node : nullptr;
}

int axiom_soap_body_get_soap_version(axiom_soap_body_t* soap_body, const axutil_env_t* env)
{
    return Present(env, soap_body) ? soap_body->version : AXIOM_SOAP_VERSION_NOT_SET;
}

axiom_soap_fault_code* axiom_soap_fault_get_code(axiom_soap_fault_t* soap_fault, const axutil_env_t* env)
{
    return Present(env, soap_fault) ? soap_fault->code : nullptr;
}

axiom_soap_fault_reason* axiom_soap_fault_get_reason(axiom_soap_fault_t* soap_fault, const axutil_env_t* env)
{
    return Present(env, soap_fault) ? soap_fault->reason : nullptr;
}

axiom_soap_fault_detail* axiom_soap_fault_get_detail(axiom_soap_fault_t* soap_fault, const axutil_env_t* env)
{
    return Present(env, soap_fault) ? soap_fault->detail : nullptr;
}

axiom_node_t* axiom_soap_fault_get_base_node(axiom_soap_fault_t* soap_fault, const axutil_env_t* env)
{
    return Present(env, soap_fault) ? soap_fault->node : nullptr;
}

axiom_soap_fault_sub_code* axiom_soap_fault_code_get_sub_code(axiom_soap_fault_code_t* fault_code,
                                                              const axutil_env_t* env)
{
    return Present(env, fault_code) ? fault_code->subCode : nullptr;
}

axiom_soap_fault_value* axiom_soap_fault_code_get_value(axiom_soap_fault_code_t* fault_code, const axutil_env_t* env)
{
    return Present(env, fault_code) ? fault_code->value : nullptr;
}

axiom_node_t* axiom_soap_fault_code_get_base_node(axiom_soap_fault_code_t* fault_code, const axutil_env_t* env)
{
    return Present(env, fault_code) ? fault_code->node : nullptr;
}

axiom_soap_fault_sub_code_t* axiom_soap_fault_sub_code_get_sub_code(axiom_soap_fault_sub_code_t* fault_sub_code,
                                                                    const axutil_env_t* env)
{
    return Present(env, fault_sub_code) ? fault_sub_code->subCode : nullptr;
}

axiom_soap_fault_value* axiom_soap_fault_sub_code_get_value(axiom_soap_fault_sub_code_t* fault_sub_code,
                                                            const axutil_env_t* env)
{
    return Present(env, fault_sub_code) ? fault_sub_code->value : nullptr;
}

axiom_node_t* axiom_soap_fault_sub_code_get_base_node(axiom_soap_fault_sub_code_t* fault_sub_code,
                                                      const axutil_env_t* env)
{
    return Present(env, fault_sub_code) ? fault_sub_code->node : nullptr;
}

axis2_char_t* axiom_soap_fault_value_get_text(axiom_soap_fault_value_t* fault_value, const axutil_env_t* env)
{
    return Present(env, fault_value) ? TextOrNull(fault_value->text) : nullptr;
}

axiom_node_t* axiom_soap_fault_value_get_base_node(axiom_soap_fault_value_t* fault_value, const axutil_env_t* env)
{
    return Present(env, fault_value) ? fault_value->node : nullptr;
}

axiom_soap_fault_text* axiom_soap_fault_reason_get_soap_fault_text(axiom_soap_fault_reason_t* fault_reason,
                                                                   const axutil_env_t* env, axis2_char_t* lang)
{
    if (!Present(env, fault_reason))
        return nullptr;
    for (axiom_soap_fault_text* text : fault_reason->texts)
        if (!lang || text->lang == lang)
            return text;
    return nullptr;
}

axutil_array_list_t* axiom_soap_fault_reason_get_all_soap_fault_texts(axiom_soap_fault_reason_t* fault_reason,
                                                                      const axutil_env_t* env)
{
    if (!Present(env, fault_reason))
        return nullptr;
    if (!fault_reason->list)
    {
        fault_reason->list = axutil_array_list_create(env, static_cast<int>(fault_reason->texts.size()) + 1);
        if (!fault_reason->list)
            return nullptr;
        for (axiom_soap_fault_text* text : fault_reason->texts)
            axutil_array_list_add(fault_reason->list, env, text);
    }
    return fault_reason->list;
}

axiom_soap_fault_text* axiom_soap_fault_reason_get_first_soap_fault_text(axiom_soap_fault_reason_t* fault_reason,
                                                                         const axutil_env_t* env)
{
    return axiom_soap_fault_reason_get_soap_fault_text(fault_reason, env, nullptr);
}

axiom_node_t* axiom_soap_fault_reason_get_base_node(axiom_soap_fault_reason_t* fault_reason, const axutil_env_t* env)
{
    return Present(env, fault_reason) ? fault_reason->node : nullptr;
}

axis2_char_t* axiom_soap_fault_text_get_lang(axiom_soap_fault_text_t* fault_text, const axutil_env_t* env)
{
    return Present(env, fault_text) ? TextOrNull(fault_text->lang) : nullptr;
}

axiom_node_t* axiom_soap_fault_text_get_base_node(axiom_soap_fault_text_t* fault_text, const axutil_env_t* env)
{
    return Present(env, fault_text) ? fault_text->node : nullptr;
}

axis2_char_t* axiom_soap_fault_text_get_text(axiom_soap_fault_text_t* fault_text, const axutil_env_t* env)
{
    return Present(env, fault_text) ? TextOrNull(fault_text->text) : nullptr;
}

axiom_node_t* axiom_soap_fault_detail_get_base_node(axiom_soap_fault_detail_t* fault_detail, const axutil_env_t* env)
{
    return Present(env, fault_detail) ? fault_detail->node : nullptr;
}

} // extern "C"
