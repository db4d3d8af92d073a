/*
 * Endpoint references: the address (URI) a service client sends to.
 */
#ifndef AXIS2_ENDPOINT_REF_H
#define AXIS2_ENDPOINT_REF_H

#include <axis2_defines.h>
#include <axutil_env.h>
#include <axis2_const.h>
#include <axutil_array_list.h>
/* Axis2/C's header brings these in through its any-content type. */
#include <axutil_qname.h>
#include <axutil_hash.h>

#ifdef __cplusplus
extern "C"
{
#endif

typedef struct axis2_endpoint_ref axis2_endpoint_ref_t;

/* Copies `address`; NULL with INVALID_NULL_PARAM when it is NULL. */
AXIS2_EXTERN axis2_endpoint_ref_t *AXIS2_CALL
axis2_endpoint_ref_create(const axutil_env_t *env, const axis2_char_t *address);

AXIS2_EXTERN void AXIS2_CALL
axis2_endpoint_ref_free(axis2_endpoint_ref_t *endpoint_ref, const axutil_env_t *env);

/* Owned by the endpoint reference. */
AXIS2_EXTERN const axis2_char_t *AXIS2_CALL
axis2_endpoint_ref_get_address(const axis2_endpoint_ref_t *endpoint_ref, const axutil_env_t *env);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
axis2_endpoint_ref_set_address(axis2_endpoint_ref_t *endpoint_ref, const axutil_env_t *env,
                               const axis2_char_t *address);

#ifdef __cplusplus
}
#endif

#endif /* AXIS2_ENDPOINT_REF_H */
