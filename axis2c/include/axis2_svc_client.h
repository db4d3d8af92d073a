/*
 * Service client: sends a payload in a SOAP envelope (SOAP 1.2 unless the
 * options say 1.1) with HTTP or HTTPS POST to the options' "to" address and
 * returns the reply's payload. Blocking exchanges only: robust and
 * fire-and-forget sends, and out-in exchanges; WS-Addressing, MTOM, REST and
 * callbacks are refused with AXIS2_ERROR_MODULE_NOT_FOUND or
 * AXIS2_ERROR_UNSUPPORTED_TYPE.
 *
 * Ownership: the service client takes over its options (set_options) and a
 * root payload node passed to a send, which it frees at the next exchange or
 * with the client (a payload that has a parent stays the caller's). The
 * reply node and envelope belong to the client and stay valid until the next
 * exchange or axis2_svc_client_free; never free them.
 *
 * Results of send_receive: the first element of the reply's SOAP Body, or
 * NULL. NULL with the environment's error number untouched means the server
 * accepted the request without a reply payload (an HTTP 2xx status such as
 * 200 or 202 with no body, or an empty Body). A SOAP fault is returned as
 * the Fault element, with axis2_svc_client_get_last_response_has_fault true and
 * AXIS2_ERROR_HTTP_CLIENT_TRANSPORT_ERROR recorded whatever the HTTP status,
 * its text naming the fault code and reason. Every failure sets an error
 * number and a detail naming the cause and the endpoint: HTTP 500 and other
 * unexpected statuses give AXIS2_ERROR_HTTP_CLIENT_TRANSPORT_ERROR; a reply
 * that is not a SOAP envelope AXIS2_ERROR_SOAP_MESSAGE_DOES_NOT_CONTAIN_AN_ENVELOPE
 * (AXIS2_ERROR_SOAP_ENVELOPE_OR_SOAP_BODY_NULL without a Body); connection
 * failures AXIS2_ERROR_SOCKET_ERROR / AXIS2_ERROR_INVALID_ADDRESS; timeouts
 * AXIS2_ERROR_RESPONSE_TIMED_OUT; TLS problems AXIS2_ERROR_SSL_ENGINE or
 * AXIS2_ERROR_SSL_NO_CA_FILE. A successful exchange leaves the error number
 * as it was.
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
#include <axis2_callback.h>
#include <axiom_soap_envelope.h>
#include <axutil_uri.h>
#include <axiom_element.h>
#include <axis2_endpoint_ref.h>
#include <axutil_string.h>
/* Axis2/C's header brings these in through its policy header, which this engine
 * does not have; code written for Axis2/C relies on them. */
#include <axis2_util.h>
#include <axutil_log_default.h>
#include <axutil_error_default.h>
#include <axiom.h>
#include <axiom_soap.h>

#ifdef __cplusplus
extern "C"
{
#endif

typedef struct axis2_svc_client axis2_svc_client_t;

/* `client_home` is a directory whose axis2.xml is read when it exists (a
 * missing directory or file means defaults), or the path of the
 * configuration file itself, which must exist (else NULL with
 * AXIS2_ERROR_CONFIG_NOT_FOUND). A malformed file gives NULL with
 * AXIS2_ERROR_INVALID_STATE_CONF and a detail naming the file. NULL means
 * defaults. */
AXIS2_EXTERN axis2_svc_client_t *AXIS2_CALL
axis2_svc_client_create(const axutil_env_t *env, const axis2_char_t *client_home);

AXIS2_EXTERN void AXIS2_CALL
axis2_svc_client_free(axis2_svc_client_t *svc_client, const axutil_env_t *env);

/* The client's service; it always holds the anonymous operations
 * AXIS2_ANON_OUT_IN_OP (with its four messages), AXIS2_ANON_OUT_ONLY_OP and
 * AXIS2_ANON_ROBUST_OUT_ONLY_OP. */
AXIS2_EXTERN axis2_svc_t *AXIS2_CALL
axis2_svc_client_get_svc(const axis2_svc_client_t *svc_client, const axutil_env_t *env);

/* The options in use, owned by the client. */
AXIS2_EXTERN const axis2_options_t *AXIS2_CALL
axis2_svc_client_get_options(const axis2_svc_client_t *svc_client, const axutil_env_t *env);

/* Takes over `options` and frees the options used so far. */
AXIS2_EXTERN axis2_status_t AXIS2_CALL
axis2_svc_client_set_options(axis2_svc_client_t *svc_client, const axutil_env_t *env,
                             const axis2_options_t *options);

/* A NULL `op_qname` selects the anonymous out-in operation. */
AXIS2_EXTERN axiom_node_t *AXIS2_CALL
axis2_svc_client_send_receive_with_op_qname(axis2_svc_client_t *svc_client, const axutil_env_t *env,
                                            const axutil_qname_t *op_qname,
                                            const axiom_node_t *payload);

AXIS2_EXTERN axiom_node_t *AXIS2_CALL
axis2_svc_client_send_receive(axis2_svc_client_t *svc_client, const axutil_env_t *env,
                              const axiom_node_t *payload);

/* Sends and waits for the answer: SUCCESS when the server accepted the
 * message (HTTP 2xx without a fault), else FAILURE with the error set as
 * for send_receive. */
AXIS2_EXTERN axis2_status_t AXIS2_CALL
axis2_svc_client_send_robust_with_op_qname(axis2_svc_client_t *svc_client, const axutil_env_t *env,
                                           const axutil_qname_t *op_qname,
                                           const axiom_node_t *payload);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
axis2_svc_client_send_robust(axis2_svc_client_t *svc_client, const axutil_env_t *env,
                             const axiom_node_t *payload);

/* Sends without reporting the outcome; failures are still recorded in the
 * environment and the log. */
AXIS2_EXTERN void AXIS2_CALL
axis2_svc_client_fire_and_forget_with_op_qname(axis2_svc_client_t *svc_client,
                                               const axutil_env_t *env,
                                               const axutil_qname_t *op_qname,
                                               const axiom_node_t *payload);

AXIS2_EXTERN void AXIS2_CALL
axis2_svc_client_fire_and_forget(axis2_svc_client_t *svc_client, const axutil_env_t *env,
                                 const axiom_node_t *payload);

/* Not supported (no callbacks): records AXIS2_ERROR_UNSUPPORTED_TYPE and
 * sends nothing. */
AXIS2_EXTERN void AXIS2_CALL
axis2_svc_client_send_receive_non_blocking_with_op_qname(axis2_svc_client_t *svc_client,
                                                         const axutil_env_t *env,
                                                         const axutil_qname_t *op_qname,
                                                         const axiom_node_t *payload,
                                                         axis2_callback_t *callback);

AXIS2_EXTERN void AXIS2_CALL
axis2_svc_client_send_receive_non_blocking(axis2_svc_client_t *svc_client, const axutil_env_t *env,
                                           const axiom_node_t *payload, axis2_callback_t *callback);

/* No modules are available (no WS-Addressing, security or reliable
 * messaging): FAILURE with AXIS2_ERROR_MODULE_NOT_FOUND. */
AXIS2_EXTERN axis2_status_t AXIS2_CALL
axis2_svc_client_engage_module(axis2_svc_client_t *svc_client, const axutil_env_t *env,
                               const axis2_char_t *module_name);

/* The envelope of the last reply, or NULL when none was received. */
AXIS2_EXTERN axiom_soap_envelope_t *AXIS2_CALL
axis2_svc_client_get_last_response_soap_envelope(const axis2_svc_client_t *svc_client,
                                                 const axutil_env_t *env);

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
