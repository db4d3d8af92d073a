/*
 * HTTP transport names: the client configuration (axis2.xml) and option
 * parameters the transport honours, their defaults, and HTTP header and
 * method names.
 */
#ifndef AXIS2_HTTP_TRANSPORT_H
#define AXIS2_HTTP_TRANSPORT_H

#include <axis2_defines.h>
#include <axis2_const.h>

#ifdef __cplusplus
extern "C"
{
#endif

#define AXIS2_HTTP_POST "POST"
#define AXIS2_HTTP_GET "GET"

#define AXIS2_HTTP_HEADER_SOAP_ACTION "SOAPAction"
#define AXIS2_HTTP_HEADER_CONTENT_TYPE "Content-Type"

/* Parameter names, in axis2.xml or as option properties. */
#define AXIS2_HTTP_SO_TIMEOUT "SO_TIMEOUT"
#define AXIS2_HTTP_CONNECTION_TIMEOUT "CONNECTION_TIMEOUT"
#define AXIS2_HTTP_METHOD "HTTP_METHOD"
#define AXIS2_SSL_SERVER_CERT "SERVER_CERT"
#define AXIS2_SSL_KEY_FILE "KEY_FILE"
#define AXIS2_SSL_PASSPHRASE "SSL_PASSPHRASE"

/* Milliseconds. */
#define AXIS2_HTTP_DEFAULT_SO_TIMEOUT 60000
#define AXIS2_HTTP_DEFAULT_CONNECTION_TIMEOUT 60000

#ifdef __cplusplus
}
#endif

#endif /* AXIS2_HTTP_TRANSPORT_H */
