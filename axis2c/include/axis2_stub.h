/*
 * Client stub base: a service client plus its options, created from an
 * endpoint and a client home directory; generated service stubs build on it.
 * The stub owns its service client, which owns the options, which own the
 * endpoint reference.
 */
#ifndef AXIS2_STUB_H
#define AXIS2_STUB_H

#include <axis2_defines.h>
#include <axutil_env.h>
#include <axis2_endpoint_ref.h>
#include <axis2_svc_client.h>
#include <axis2_options.h>

#ifdef __cplusplus
extern "C"
{
#endif

#define AXIOM_SOAP_11 1
#define AXIOM_SOAP_12 2

typedef struct axis2_stub axis2_stub_t;

/* Takes over `endpoint_ref` on success only: on failure (NULL, error set,
 * e.g. a malformed client configuration) the caller still owns it. */
AXIS2_EXTERN axis2_stub_t *AXIS2_CALL
axis2_stub_create_with_endpoint_ref_and_client_home(const axutil_env_t *env,
                                                    axis2_endpoint_ref_t *endpoint_ref,
                                                    const axis2_char_t *client_home);

AXIS2_EXTERN axis2_stub_t *AXIS2_CALL
axis2_stub_create_with_endpoint_uri_and_client_home(const axutil_env_t *env,
                                                    const axis2_char_t *endpoint_uri,
                                                    const axis2_char_t *client_home);

AXIS2_EXTERN void AXIS2_CALL
axis2_stub_free(axis2_stub_t *stub, const axutil_env_t *env);

/* Takes over `endpoint_ref`. */
AXIS2_EXTERN axis2_status_t AXIS2_CALL
axis2_stub_set_endpoint_ref(axis2_stub_t *stub, const axutil_env_t *env,
                            axis2_endpoint_ref_t *endpoint_ref);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
axis2_stub_set_endpoint_uri(axis2_stub_t *stub, const axutil_env_t *env,
                            const axis2_char_t *endpoint_uri);

/* Separate listeners are not supported; accepted and ignored. */
AXIS2_EXTERN axis2_status_t AXIS2_CALL
axis2_stub_set_use_separate_listener(axis2_stub_t *stub, const axutil_env_t *env,
                                     const axis2_bool_t use_separate_listener);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
axis2_stub_set_soap_version(axis2_stub_t *stub, const axutil_env_t *env,
                            const int soap_version);

AXIS2_EXTERN axis2_svc_client_t *AXIS2_CALL
axis2_stub_get_svc_client(const axis2_stub_t *stub, const axutil_env_t *env);

AXIS2_EXTERN axis2_options_t *AXIS2_CALL
axis2_stub_get_options(const axis2_stub_t *stub, const axutil_env_t *env);

#ifdef __cplusplus
}
#endif

#endif /* AXIS2_STUB_H */
