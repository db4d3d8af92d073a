/*
 * Service descriptions: the service qname and its operations. The service
 * owns the operations added to it.
 */
#ifndef AXIS2_SVC_H
#define AXIS2_SVC_H

#include <axis2_defines.h>
#include <axutil_env.h>
#include <axutil_qname.h>
#include <axis2_op.h>
#include <axutil_error.h>
#include <axutil_array_list.h>
#include <axis2_const.h>
#include <axutil_string.h>
#include <axutil_stream.h>

#ifdef __cplusplus
extern "C"
{
#endif

typedef struct axis2_svc axis2_svc_t;

/* axis2_op.h includes this header too: the operation may not be declared yet. */
struct axis2_op;

AXIS2_EXTERN axis2_svc_t *AXIS2_CALL
axis2_svc_create(const axutil_env_t *env);

AXIS2_EXTERN axis2_svc_t *AXIS2_CALL
axis2_svc_create_with_qname(const axutil_env_t *env, const axutil_qname_t *qname);

AXIS2_EXTERN void AXIS2_CALL
axis2_svc_free(axis2_svc_t *svc, const axutil_env_t *env);

/* Copies `qname`; the caller keeps its own. */
AXIS2_EXTERN axis2_status_t AXIS2_CALL
axis2_svc_set_qname(axis2_svc_t *svc, const axutil_env_t *env, const axutil_qname_t *qname);

/* Owned by the service. */
AXIS2_EXTERN const axutil_qname_t *AXIS2_CALL
axis2_svc_get_qname(const axis2_svc_t *svc, const axutil_env_t *env);

AXIS2_EXTERN const axis2_char_t *AXIS2_CALL
axis2_svc_get_name(const axis2_svc_t *svc, const axutil_env_t *env);

/* Takes over `op` (which needs a qname); an operation with an equal qname is
 * replaced and freed. */
AXIS2_EXTERN axis2_status_t AXIS2_CALL
axis2_svc_add_op(axis2_svc_t *svc, const axutil_env_t *env, struct axis2_op *op);

AXIS2_EXTERN struct axis2_op *AXIS2_CALL
axis2_svc_get_op_with_qname(const axis2_svc_t *svc, const axutil_env_t *env,
                            const axutil_qname_t *op_qname);

/* First operation whose local name is `op_name`. */
AXIS2_EXTERN struct axis2_op *AXIS2_CALL
axis2_svc_get_op_with_name(const axis2_svc_t *svc, const axutil_env_t *env,
                           const axis2_char_t *op_name);

#ifdef __cplusplus
}
#endif

#endif /* AXIS2_SVC_H */
