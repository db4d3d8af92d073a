/*
 * XML namespace (URI and prefix) for AXIOM elements and attributes.
 * Ownership: a namespace handed to an element or attribute (create,
 * set_namespace, declare_namespace, attribute create) is kept alive by that
 * tree and released with it; it may be shared by several elements.
 * axiom_namespace_free releases a namespace that no tree holds and does
 * nothing for one that a tree still holds.
 */
#ifndef AXIOM_NAMESPACE_H
#define AXIOM_NAMESPACE_H

#include <axutil_utils_defines.h>
#include <axutil_env.h>
#include <axiom_output.h>
#include <axutil_string.h>

#ifdef __cplusplus
extern "C"
{
#endif

typedef struct axiom_namespace axiom_namespace_t;

/* NULL with INVALID_NULL_PARAM when `uri` is NULL. A NULL prefix is the
 * default namespace (""). */
AXIS2_EXTERN axiom_namespace_t *AXIS2_CALL
axiom_namespace_create(const axutil_env_t *env, const axis2_char_t *uri,
                       const axis2_char_t *prefix);

AXIS2_EXTERN void AXIS2_CALL
axiom_namespace_free(struct axiom_namespace *om_namespace, const axutil_env_t *env);

/* Adds a holder; the namespace goes when every holder released it. */
AXIS2_EXTERN axis2_status_t AXIS2_CALL
axiom_namespace_increment_ref(struct axiom_namespace *om_namespace, const axutil_env_t *env);

AXIS2_EXTERN axis2_bool_t AXIS2_CALL
axiom_namespace_equals(struct axiom_namespace *om_namespace, const axutil_env_t *env,
                       struct axiom_namespace *om_namespace1);

/* Owned by the namespace. */
AXIS2_EXTERN axis2_char_t *AXIS2_CALL
axiom_namespace_get_uri(struct axiom_namespace *om_namespace, const axutil_env_t *env);

AXIS2_EXTERN axis2_char_t *AXIS2_CALL
axiom_namespace_get_prefix(struct axiom_namespace *om_namespace, const axutil_env_t *env);

/* New, independent namespace with the same URI and prefix. */
AXIS2_EXTERN struct axiom_namespace *AXIS2_CALL
axiom_namespace_clone(struct axiom_namespace *om_namespace, const axutil_env_t *env);

#ifdef __cplusplus
}
#endif

#endif /* AXIOM_NAMESPACE_H */
