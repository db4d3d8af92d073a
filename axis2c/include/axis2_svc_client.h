/*
 * Service client: sends a payload in a SOAP envelope over HTTP or HTTPS to
 * the options' "to" address and returns the reply's payload.
 *
 * Ownership: the service client takes over a root payload node passed to
 * send_receive and frees it at the next exchange or with the client (a
 * payload that has a parent stays the caller's). The reply node belongs to
 * the client and stays valid until the next exchange or axis2_svc_client_free;
 * never free it.
 *
 * Results: the first element of the reply's SOAP Body, or NULL. NULL with the
 * environment's error number untouched means the server accepted the request
 * without a reply payload (HTTP 202 with no body, or an empty Body). Every
 * failure sets an error number and a detail naming the cause and the
 * endpoint: SOAP faults, HTTP 500 and other unexpected statuses give
 * AXIS2_ERROR_HTTP_CLIENT_TRANSPORT_ERROR; a reply that is not a SOAP
 * envelope AXIS2_ERROR_INVALID_SOAP_ENVELOPE; connection failures
 * AXIS2_ERROR_SOCKET_ERROR / AXIS2_ERROR_INVALID_ADDRESS; timeouts
 * AXIS2_ERROR_RESPONSE_TIMED_OUT; TLS problems the AXIS2_ERROR_SSL_* numbers.
 * A successful exchange leaves the error number as it was.
 *
 * Timeouts: CONNECTION_TIMEOUT bounds the connect; SO_TIMEOUT (or the options'
 * timeout) bounds each wait for data and also the whole exchange after the
 * connect, so a server sending slowly cannot hold the caller much longer.
 */
#ifndef AXIS2_SVC_CLIENT_H
#define AXIS2_SVC_CLIENT_H

#include <axis2_defines.h>
#include <axutil_env.h>
#include <axutil_qname.h>
#include <axiom_node.h>
#include <axis2_options.h>
#include <axis2_svc.h>

#ifdef __cplusplus
extern "C"
{
#endif

typedef struct axis2_svc_client axis2_svc_client_t;

/* Reads `<client_home>/axis2.xml` when it exists (a missing directory or
 * file means defaults). A malformed file gives NULL with
 * AXIS2_ERROR_INVALID_CLIENT_CONFIGURATION and a detail naming the file.
 * `client_home` may be NULL (defaults). */
AXIS2_EXTERN axis2_svc_client_t *AXIS2_CALL
axis2_svc_client_create(const axutil_env_t *env, const axis2_char_t *client_home);

AXIS2_EXTERN void AXIS2_CALL
axis2_svc_client_free(axis2_svc_client_t *svc_client, const axutil_env_t *env);

/* The client's service; it always holds the anonymous out-in operation
 * AXIS2_ANON_OUT_IN_OP with its four messages. */
AXIS2_EXTERN axis2_svc_t *AXIS2_CALL
axis2_svc_client_get_svc(const axis2_svc_client_t *svc_client, const axutil_env_t *env);

/* Options in use: those given to set_options, else the client's own. */
AXIS2_EXTERN const axis2_options_t *AXIS2_CALL
axis2_svc_client_get_options(const axis2_svc_client_t *svc_client, const axutil_env_t *env);

/* Uses `options` (still owned by the caller, who keeps them alive). */
AXIS2_EXTERN axis2_status_t AXIS2_CALL
axis2_svc_client_set_options(axis2_svc_client_t *svc_client, const axutil_env_t *env,
                             const axis2_options_t *options);

/* A NULL `op_qname` selects the anonymous out-in operation. */
AXIS2_EXTERN axiom_node_t *AXIS2_CALL
axis2_svc_client_send_receive_with_op_qname(axis2_svc_client_t *svc_client,
                                            const axutil_env_t *env,
                                            const axutil_qname_t *op_qname,
                                            const axiom_node_t *payload);

AXIS2_EXTERN axiom_node_t *AXIS2_CALL
axis2_svc_client_send_receive(axis2_svc_client_t *svc_client, const axutil_env_t *env,
                              const axiom_node_t *payload);

/* Whether the last reply carried a SOAP fault. */
AXIS2_EXTERN axis2_bool_t AXIS2_CALL
axis2_svc_client_get_last_response_has_fault(const axis2_svc_client_t *svc_client,
                                             const axutil_env_t *env);

/* HTTP status of the last reply; 0 when none was received. */
AXIS2_EXTERN int AXIS2_CALL
axis2_svc_client_get_http_status_code(axis2_svc_client_t *svc_client, const axutil_env_t *env);

#ifdef __cplusplus
}
#endif

#endif /* AXIS2_SVC_CLIENT_H */
