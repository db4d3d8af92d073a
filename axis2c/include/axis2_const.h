/*
 * Client engine constants: message exchange pattern URIs, the anonymous
 * operation names, and the client configuration (axis2.xml) parameter names
 * with their defaults.
 */
#ifndef AXIS2_CONST_H
#define AXIS2_CONST_H

#include <axis2_defines.h>

#ifdef __cplusplus
extern "C"
{
#endif

#define AXIS2_MEP_URI_IN_ONLY "http://www.w3.org/2004/08/wsdl/in-only"
#define AXIS2_MEP_URI_IN_OUT "http://www.w3.org/2004/08/wsdl/in-out"
#define AXIS2_MEP_URI_OUT_ONLY "http://www.w3.org/2004/08/wsdl/out-only"
#define AXIS2_MEP_URI_OUT_IN "http://www.w3.org/2004/08/wsdl/out-in"
#define AXIS2_MEP_URI_ROBUST_OUT_ONLY "http://www.w3.org/2004/08/wsdl/robust-out-only"

#define AXIS2_ANON_SERVICE "__ANONYMOUS_SERVICE__"
#define AXIS2_ANON_OUT_ONLY_OP "__OPERATION_OUT_ONLY__"
#define AXIS2_ANON_ROBUST_OUT_ONLY_OP "__OPERATION_ROBUST_OUT_ONLY__"
#define AXIS2_ANON_OUT_IN_OP "__OPERATION_OUT_IN__"

/* The configuration file read from a client home directory. */
#define AXIS2_CLIENT_CONFIG_FILE "axis2.xml"

/* axis2.xml parameter names. */
#define AXIS2_HTTP_SO_TIMEOUT "SO_TIMEOUT"
#define AXIS2_HTTP_CONNECTION_TIMEOUT "CONNECTION_TIMEOUT"
#define AXIS2_SSL_SERVER_CERT "SERVER_CERT"
#define AXIS2_SSL_KEY_FILE "KEY_FILE"
#define AXIS2_SSL_PASSPHRASE "SSL_PASSPHRASE"

/* Milliseconds. */
#define AXIS2_HTTP_DEFAULT_SO_TIMEOUT 60000
#define AXIS2_HTTP_DEFAULT_CONNECTION_TIMEOUT 60000
#define AXIS2_DEFAULT_TIMEOUT_MILLISECONDS 60000

#define AXIS2_HTTP_HEADER_SOAP_ACTION "SOAPAction"
#define AXIS2_HTTP_HEADER_CONTENT_TYPE "Content-Type"

#ifdef __cplusplus
}
#endif

#endif /* AXIS2_CONST_H */
