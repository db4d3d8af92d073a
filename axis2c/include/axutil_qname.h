/*
 * Qualified XML names: local part, namespace URI and optional prefix.
 * A qname owns copies of its parts. Equality compares URI and local part
 * only; a NULL URI and an empty one are the same (no namespace).
 */
#ifndef AXUTIL_QNAME_H
#define AXUTIL_QNAME_H

#include <axutil_utils_defines.h>
#include <axutil_env.h>
#include <axutil_string.h>

#ifdef __cplusplus
extern "C"
{
#endif

typedef struct axutil_qname axutil_qname_t;

/* NULL with INVALID_NULL_PARAM when `localpart` is NULL. */
AXIS2_EXTERN axutil_qname_t *AXIS2_CALL
axutil_qname_create(const axutil_env_t *env, const axis2_char_t *localpart,
                    const axis2_char_t *namespace_uri, const axis2_char_t *prefix);

/* Parses the "localpart|uri" form made by axutil_qname_to_string. */
AXIS2_EXTERN axutil_qname_t *AXIS2_CALL
axutil_qname_create_from_string(const axutil_env_t *env, const axis2_char_t *string);

AXIS2_EXTERN void AXIS2_CALL
axutil_qname_free(struct axutil_qname *qname, const axutil_env_t *env);

AXIS2_EXTERN axis2_bool_t AXIS2_CALL
axutil_qname_equals(const struct axutil_qname *qname, const axutil_env_t *env,
                    const struct axutil_qname *qname1);

/* Independent copy; free it with axutil_qname_free. */
AXIS2_EXTERN struct axutil_qname *AXIS2_CALL
axutil_qname_clone(struct axutil_qname *qname, const axutil_env_t *env);

/* The URI ("" without a namespace). */
AXIS2_EXTERN axis2_char_t *AXIS2_CALL
axutil_qname_get_uri(const struct axutil_qname *qname, const axutil_env_t *env);

/* The prefix, or NULL when none was given. */
AXIS2_EXTERN axis2_char_t *AXIS2_CALL
axutil_qname_get_prefix(const struct axutil_qname *qname, const axutil_env_t *env);

AXIS2_EXTERN axis2_char_t *AXIS2_CALL
axutil_qname_get_localpart(const struct axutil_qname *qname, const axutil_env_t *env);

/* "localpart|uri", or just "localpart" without a namespace. Owned by the
 * qname. */
AXIS2_EXTERN axis2_char_t *AXIS2_CALL
axutil_qname_to_string(struct axutil_qname *qname, const axutil_env_t *env);

#ifdef __cplusplus
}
#endif

#endif /* AXUTIL_QNAME_H */
