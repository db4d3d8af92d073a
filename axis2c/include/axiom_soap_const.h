/*
 * SOAP version numbers and the SOAP 1.1/1.2 envelope namespace URIs.
 */
#ifndef AXIOM_SOAP_CONST_H
#define AXIOM_SOAP_CONST_H

#ifdef __cplusplus
extern "C"
{
#endif

#define AXIOM_SOAP_VERSION_NOT_SET 0
#define AXIOM_SOAP11 1
#define AXIOM_SOAP12 2

#define AXIOM_SOAP11_SOAP_ENVELOPE_NAMESPACE_URI "http://schemas.xmlsoap.org/soap/envelope/"
#define AXIOM_SOAP12_SOAP_ENVELOPE_NAMESPACE_URI "http://www.w3.org/2003/05/soap-envelope"
#define AXIOM_SOAP_DEFAULT_NAMESPACE_PREFIX "soapenv"

#define AXIOM_SOAP_ENVELOPE_LOCAL_NAME "Envelope"
#define AXIOM_SOAP_HEADER_LOCAL_NAME "Header"
#define AXIOM_SOAP_BODY_LOCAL_NAME "Body"
#define AXIOM_SOAP_FAULT_LOCAL_NAME "Fault"

#define AXIOM_SOAP11_CONTENT_TYPE "text/xml"
#define AXIOM_SOAP12_CONTENT_TYPE "application/soap+xml"

#ifdef __cplusplus
}
#endif

#endif /* AXIOM_SOAP_CONST_H */
