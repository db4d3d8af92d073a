/*
 * Per-client options: destination, SOAP action, WS-Addressing action, SOAP
 * version and reply timeout. The options own their "to" endpoint reference
 * and hold their own reference to the SOAP action string, so callers may
 * free what they passed in after setting it.
 */
#ifndef AXIS2_OPTIONS_H
#define AXIS2_OPTIONS_H

#include <axis2_defines.h>
#include <axutil_env.h>
#include <axutil_string.h>
#include <axis2_endpoint_ref.h>

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
axis2_options_set_to(axis2_options_t *options, const axutil_env_t *env,
                     axis2_endpoint_ref_t *to);

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

/* AXIOM_SOAP11 or AXIOM_SOAP12; anything else fails with INVALID_VALUE. */
AXIS2_EXTERN axis2_status_t AXIS2_CALL
axis2_options_set_soap_version(axis2_options_t *options, const axutil_env_t *env,
                               const int soap_version);

AXIS2_EXTERN int AXIS2_CALL
axis2_options_get_soap_version(const axis2_options_t *options, const axutil_env_t *env);

/* Overrides the client configuration's SO_TIMEOUT (must be positive). */
AXIS2_EXTERN axis2_status_t AXIS2_CALL
axis2_options_set_timeout_in_milli_seconds(axis2_options_t *options, const axutil_env_t *env,
                                           const long timeout_in_milli_seconds);

/* The value set, or AXIS2_DEFAULT_TIMEOUT_MILLISECONDS when none was. */
AXIS2_EXTERN long AXIS2_CALL
axis2_options_get_timeout_in_milli_seconds(const axis2_options_t *options,
                                           const axutil_env_t *env);

#ifdef __cplusplus
}
#endif

#endif /* AXIS2_OPTIONS_H */
