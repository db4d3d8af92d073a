/*
 * Message descriptions of an operation ("out", "in" and the two fault
 * messages). Messages are reference counted so that several operations can
 * share them: axis2_msg_create gives one reference, axis2_msg_increment_ref
 * adds one, and axis2_msg_free (also called when an operation holding the
 * message is freed) drops one; the message goes with the last.
 */
#ifndef AXIS2_MSG_H
#define AXIS2_MSG_H

#include <axis2_defines.h>
#include <axutil_env.h>
#include <axis2_op.h>
#include <axutil_array_list.h>

#ifdef __cplusplus
extern "C"
{
#endif

#define AXIS2_MSG_IN "in"
#define AXIS2_MSG_OUT "out"
#define AXIS2_MSG_IN_FAULT "InFaultMessage"
#define AXIS2_MSG_OUT_FAULT "OutFaultMessage"

typedef struct axis2_msg axis2_msg_t;

AXIS2_EXTERN axis2_msg_t *AXIS2_CALL
axis2_msg_create(const axutil_env_t *env);

AXIS2_EXTERN void AXIS2_CALL
axis2_msg_free(axis2_msg_t *msg, const axutil_env_t *env);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
axis2_msg_increment_ref(axis2_msg_t *msg, const axutil_env_t *env);

AXIS2_EXTERN const axis2_char_t *AXIS2_CALL
axis2_msg_get_name(const axis2_msg_t *msg, const axutil_env_t *env);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
axis2_msg_set_name(axis2_msg_t *msg, const axutil_env_t *env, const axis2_char_t *name);

AXIS2_EXTERN const axis2_char_t *AXIS2_CALL
axis2_msg_get_direction(const axis2_msg_t *msg, const axutil_env_t *env);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
axis2_msg_set_direction(axis2_msg_t *msg, const axutil_env_t *env, const axis2_char_t *direction);

#ifdef __cplusplus
}
#endif

#endif /* AXIS2_MSG_H */
