/*
 * SOAP versions, the SOAP 1.1/1.2 envelope namespace URIs and the local names
 * of the envelope and fault elements.
 */
#ifndef AXIOM_SOAP_CONST_H
#define AXIOM_SOAP_CONST_H

#ifdef __cplusplus
extern "C"
{
#endif

typedef enum soap_version
{
    AXIOM_SOAP_VERSION_NOT_SET = 0,
    AXIOM_SOAP11,
    AXIOM_SOAP12
} axiom_soap_version;

#define AXIOM_SOAP11_SOAP_ENVELOPE_NAMESPACE_URI "http://schemas.xmlsoap.org/soap/envelope/"
#define AXIOM_SOAP12_SOAP_ENVELOPE_NAMESPACE_URI "http://www.w3.org/2003/05/soap-envelope"
#define AXIOM_SOAP_DEFAULT_NAMESPACE_PREFIX "soapenv"

#define AXIOM_SOAP_ENVELOPE_LOCAL_NAME "Envelope"
#define AXIOM_SOAP_HEADER_LOCAL_NAME "Header"
#define AXIOM_SOAP_BODY_LOCAL_NAME "Body"
#define AXIOM_SOAP_FAULT_LOCAL_NAME "Fault"
#define AXIOM_SOAP_BODY_FAULT_LOCAL_NAME "Fault"

#define AXIOM_SOAP11_SOAP_FAULT_CODE_LOCAL_NAME "faultcode"
#define AXIOM_SOAP11_SOAP_FAULT_STRING_LOCAL_NAME "faultstring"
#define AXIOM_SOAP11_SOAP_FAULT_ACTOR_LOCAL_NAME "faultactor"
#define AXIOM_SOAP11_SOAP_FAULT_DETAIL_LOCAL_NAME "detail"

#define AXIOM_SOAP12_SOAP_FAULT_CODE_LOCAL_NAME "Code"
#define AXIOM_SOAP12_SOAP_FAULT_SUB_CODE_LOCAL_NAME "Subcode"
#define AXIOM_SOAP12_SOAP_FAULT_VALUE_LOCAL_NAME "Value"
#define AXIOM_SOAP12_SOAP_FAULT_REASON_LOCAL_NAME "Reason"
#define AXIOM_SOAP12_SOAP_FAULT_TEXT_LOCAL_NAME "Text"
#define AXIOM_SOAP12_SOAP_FAULT_TEXT_LANG_ATTR_LOCAL_NAME "lang"
#define AXIOM_SOAP12_SOAP_FAULT_DETAIL_LOCAL_NAME "Detail"

#define AXIOM_SOAP11_CONTENT_TYPE "text/xml"
#define AXIOM_SOAP12_CONTENT_TYPE "application/soap+xml"

#ifdef __cplusplus
}
#endif

#endif /* AXIOM_SOAP_CONST_H */
