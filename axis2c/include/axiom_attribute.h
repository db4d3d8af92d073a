/*
 * Attributes of AXIOM elements. An attribute added to an element belongs to
 * the element and goes with it.
 */
#ifndef AXIOM_ATTRIBUTE_H
#define AXIOM_ATTRIBUTE_H

#include <axutil_utils_defines.h>
#include <axutil_env.h>
#include <axutil_qname.h>
#include <axiom_namespace.h>
#include <axiom_output.h>

#ifdef __cplusplus
extern "C"
{
#endif

typedef struct axiom_attribute axiom_attribute_t;

/* Copies `localname` and `value` (NULL value = ""); keeps `ns` (may be NULL). */
AXIS2_EXTERN axiom_attribute_t *AXIS2_CALL
axiom_attribute_create(const axutil_env_t *env, const axis2_char_t *localname,
                       const axis2_char_t *value, axiom_namespace_t *ns);

/* Releases an attribute that was not added to an element. */
AXIS2_EXTERN void AXIS2_CALL
axiom_attribute_free(struct axiom_attribute *attribute, const axutil_env_t *env);

AXIS2_EXTERN axis2_char_t *AXIS2_CALL
axiom_attribute_get_localname(struct axiom_attribute *attribute, const axutil_env_t *env);

AXIS2_EXTERN axis2_char_t *AXIS2_CALL
axiom_attribute_get_value(struct axiom_attribute *attribute, const axutil_env_t *env);

AXIS2_EXTERN axiom_namespace_t *AXIS2_CALL
axiom_attribute_get_namespace(struct axiom_attribute *attribute, const axutil_env_t *env);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
axiom_attribute_set_value(struct axiom_attribute *attribute, const axutil_env_t *env,
                          const axis2_char_t *value);

/* Owned by the attribute. */
AXIS2_EXTERN axutil_qname_t *AXIS2_CALL
axiom_attribute_get_qname(struct axiom_attribute *attribute, const axutil_env_t *env);

#ifdef __cplusplus
}
#endif

#endif /* AXIOM_ATTRIBUTE_H */
