/*
 * Client stub base: a service client created from an endpoint and a client
 * home; generated service stubs build on it. The stub owns its service
 * client, which owns its options, which own the endpoint reference. The
 * options are reached through the service client
 * (axis2_svc_client_get_options).
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

typedef struct axis2_stub axis2_stub_t;

/* A stub without a service client; give it one with axis2_stub_set_svc_client. */
AXIS2_EXTERN axis2_stub_t *AXIS2_CALL
axis2_stub_create(const axutil_env_t *env);

/* Releases the stub and its service client. */
AXIS2_EXTERN void AXIS2_CALL
axis2_stub_free(axis2_stub_t *stub, const axutil_env_t *env);

AXIS2_EXTERN axis2_svc_client_t *AXIS2_CALL
axis2_stub_get_svc_client(const axis2_stub_t *stub, const axutil_env_t *env);

/* Takes over `svc_client`; a service client the stub held before is freed. */
AXIS2_EXTERN axis2_status_t AXIS2_CALL
axis2_stub_set_svc_client(axis2_stub_t *stub, const axutil_env_t *env,
                          axis2_svc_client_t *svc_client);

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

#ifdef __cplusplus
}
#endif

#endif /* AXIS2_STUB_H */
