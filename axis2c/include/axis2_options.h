/*
 * Per-client options: destination, SOAP action, WS-Addressing action, SOAP
 * version (SOAP 1.2 unless set), reply timeout, HTTP method and properties.
 * The options own their "to" endpoint reference and the properties set on
 * them, and hold their own reference to the SOAP action string, so callers
 * may free that string after setting it. Without a SOAP action the action
 * set with axis2_options_set_action is sent as the SOAP action.
 */
#ifndef AXIS2_OPTIONS_H
#define AXIS2_OPTIONS_H

#include <axis2_defines.h>
#include <axutil_env.h>
#include <axutil_string.h>
#include <axis2_endpoint_ref.h>
#include <axutil_hash.h>
#include <axiom_element.h>
/* Axis2/C's header brings this in through its transport receiver. */
#include <axis2_svc.h>

#ifdef __cplusplus
extern "C"
{
#endif

#define AXIS2_DEFAULT_TIMEOUT_MILLISECONDS 30000

typedef struct axis2_options axis2_options_t;

AXIS2_EXTERN axis2_options_t *AXIS2_CALL
axis2_options_create(const axutil_env_t *env);

AXIS2_EXTERN void AXIS2_CALL
axis2_options_free(axis2_options_t *options, const axutil_env_t *env);

/* Takes over `to` (NULL clears); a previous endpoint reference is freed. */
AXIS2_EXTERN axis2_status_t AXIS2_CALL
axis2_options_set_to(axis2_options_t *options, const axutil_env_t *env, axis2_endpoint_ref_t *to);

AXIS2_EXTERN axis2_endpoint_ref_t *AXIS2_CALL
axis2_options_get_to(const axis2_options_t *options, const axutil_env_t *env);

/* Keeps a reference of its own to `soap_action`; NULL clears it. */
AXIS2_EXTERN axis2_status_t AXIS2_CALL
axis2_options_set_soap_action(axis2_options_t *options, const axutil_env_t *env,
                              axutil_string_t *soap_action);

/* Owned by the options; NULL when none is set. */
AXIS2_EXTERN axutil_string_t *AXIS2_CALL
axis2_options_get_soap_action(const axis2_options_t *options, const axutil_env_t *env);

/* Copies `action`; NULL clears it. */
AXIS2_EXTERN axis2_status_t AXIS2_CALL
axis2_options_set_action(axis2_options_t *options, const axutil_env_t *env,
                         const axis2_char_t *action);

AXIS2_EXTERN const axis2_char_t *AXIS2_CALL
axis2_options_get_action(const axis2_options_t *options, const axutil_env_t *env);

/* AXIOM_SOAP11 or AXIOM_SOAP12; anything else fails with
 * AXIS2_ERROR_INVALID_SOAP_VERSION. */
AXIS2_EXTERN axis2_status_t AXIS2_CALL
axis2_options_set_soap_version(axis2_options_t *options, const axutil_env_t *env,
                               const int soap_version);

AXIS2_EXTERN int AXIS2_CALL
axis2_options_get_soap_version(const axis2_options_t *options, const axutil_env_t *env);

/* A positive value replaces the client configuration's SO_TIMEOUT; zero or
 * less leaves SO_TIMEOUT in force. */
AXIS2_EXTERN axis2_status_t AXIS2_CALL
axis2_options_set_timeout_in_milli_seconds(axis2_options_t *options, const axutil_env_t *env,
                                           const long timeout_in_milli_seconds);

/* The value set, or AXIS2_DEFAULT_TIMEOUT_MILLISECONDS when none was. */
AXIS2_EXTERN long AXIS2_CALL
axis2_options_get_timeout_in_milli_seconds(const axis2_options_t *options, const axutil_env_t *env);

/* The envelope namespace URI of SOAP 1.1 or 1.2; another URI fails with
 * AXIS2_ERROR_INVALID_SOAP_VERSION. */
AXIS2_EXTERN axis2_status_t AXIS2_CALL
axis2_options_set_soap_version_uri(axis2_options_t *options, const axutil_env_t *env,
                                   const axis2_char_t *soap_version_uri);

AXIS2_EXTERN const axis2_char_t *AXIS2_CALL
axis2_options_get_soap_version_uri(const axis2_options_t *options, const axutil_env_t *env);

/* Only "POST" (AXIS2_HTTP_POST) is supported; another method fails with
 * AXIS2_ERROR_UNSUPPORTED_TYPE. */
AXIS2_EXTERN axis2_status_t AXIS2_CALL
axis2_options_set_http_method(axis2_options_t *options, const axutil_env_t *env,
                              const axis2_char_t *http_method);

/* Takes over `property` (an axutil_property_t *; NULL removes the entry); a
 * property already under `property_key` is freed. The transport honours
 * AXIS2_SSL_SERVER_CERT, AXIS2_SSL_KEY_FILE and AXIS2_SSL_PASSPHRASE (string
 * values), which replace the client configuration's. */
AXIS2_EXTERN axis2_status_t AXIS2_CALL
axis2_options_set_property(axis2_options_t *options, const axutil_env_t *env,
                           const axis2_char_t *property_key, const void *property);

/* The axutil_property_t * under `key`, owned by the options; NULL when none. */
AXIS2_EXTERN void *AXIS2_CALL
axis2_options_get_property(const axis2_options_t *options, const axutil_env_t *env,
                           const axis2_char_t *key);

/* REST, MTOM and separate listeners are not supported: enabling any of them
 * fails with AXIS2_ERROR_UNSUPPORTED_TYPE; disabling succeeds. */
AXIS2_EXTERN axis2_status_t AXIS2_CALL
axis2_options_set_enable_rest(axis2_options_t *options, const axutil_env_t *env,
                              const axis2_bool_t enable_rest);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
axis2_options_set_enable_mtom(axis2_options_t *options, const axutil_env_t *env,
                              axis2_bool_t enable_mtom);

AXIS2_EXTERN axis2_bool_t AXIS2_CALL
axis2_options_get_enable_mtom(const axis2_options_t *options, const axutil_env_t *env);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
axis2_options_set_use_separate_listener(axis2_options_t *options, const axutil_env_t *env,
                                        const axis2_bool_t use_separate_listener);

AXIS2_EXTERN axis2_bool_t AXIS2_CALL
axis2_options_get_use_separate_listener(const axis2_options_t *options, const axutil_env_t *env);

#ifdef __cplusplus
}
#endif

#endif /* AXIS2_OPTIONS_H */
