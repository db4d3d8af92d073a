/*
 * Operation descriptions: qname, message exchange pattern and the messages
 * by label. An operation added to a service belongs to the service.
 */
#ifndef AXIS2_OP_H
#define AXIS2_OP_H

#include <axis2_defines.h>
#include <axutil_env.h>
#include <axutil_qname.h>
#include <axis2_msg.h>
#include <axis2_svc.h>
#include <axutil_array_list.h>
/* Axis2/C's header brings these in through its parameter container and its
 * context headers, which this engine does not have. */
#include <axutil_hash.h>
#include <axutil_property.h>
#include <axiom_node.h>
#include <axis2_endpoint_ref.h>

#ifdef __cplusplus
extern "C"
{
#endif

typedef struct axis2_op axis2_op_t;

AXIS2_EXTERN axis2_op_t *AXIS2_CALL
axis2_op_create(const axutil_env_t *env);

/* Copies `qname`. */
AXIS2_EXTERN axis2_op_t *AXIS2_CALL
axis2_op_create_with_qname(const axutil_env_t *env, const axutil_qname_t *qname);

/* Releases the operation and its references to its messages. */
AXIS2_EXTERN void AXIS2_CALL
axis2_op_free(axis2_op_t *op, const axutil_env_t *env);

/* Owned by the operation; NULL when it has none. */
AXIS2_EXTERN const axutil_qname_t *AXIS2_CALL
axis2_op_get_qname(void *op, const axutil_env_t *env);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
axis2_op_set_qname(axis2_op_t *op, const axutil_env_t *env, const axutil_qname_t *qname);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
axis2_op_set_msg_exchange_pattern(axis2_op_t *op, const axutil_env_t *env,
                                  const axis2_char_t *pattern);

AXIS2_EXTERN const axis2_char_t *AXIS2_CALL
axis2_op_get_msg_exchange_pattern(const axis2_op_t *op, const axutil_env_t *env);

/* The message under `label`, or NULL. */
AXIS2_EXTERN struct axis2_msg *AXIS2_CALL
axis2_op_get_msg(const axis2_op_t *op, const axutil_env_t *env, const axis2_char_t *label);

/* Stores one reference to `msg` under `label` (take it with
 * axis2_msg_increment_ref when the message is shared); a message already
 * under that label is released. */
AXIS2_EXTERN axis2_status_t AXIS2_CALL
axis2_op_add_msg(axis2_op_t *op, const axutil_env_t *env, const axis2_char_t *label,
                 const struct axis2_msg *msg);

#ifdef __cplusplus
}
#endif

#endif /* AXIS2_OP_H */
