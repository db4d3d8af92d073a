/*
 * A property: a value handed to the engine under a name (see
 * axis2_options_set_property), with the rule for releasing it. A property
 * that owns its value releases it with its free function, or with AXIS2_FREE
 * when it has none.
 */
#ifndef AXUTIL_PROPERTY_H
#define AXUTIL_PROPERTY_H

#include <axutil_utils_defines.h>
#include <axutil_error.h>
#include <axutil_env.h>
#include <axutil_utils.h>

#ifdef __cplusplus
extern "C"
{
#endif

typedef struct axutil_property axutil_property_t;

/* An empty property that owns what it will be given. */
AXIS2_EXTERN axutil_property_t *AXIS2_CALL
axutil_property_create(const axutil_env_t *env);

/* `scope` 0 is AXIS2_SCOPE_REQUEST; `free_func` may be NULL (AXIS2_FREE). */
AXIS2_EXTERN axutil_property_t *AXIS2_CALL
axutil_property_create_with_args(const axutil_env_t *env, axis2_scope_t scope,
                                 axis2_bool_t own_value, AXIS2_FREE_VOID_ARG free_func,
                                 void *value);

/* Releases the property, and its value when it owns it. */
AXIS2_EXTERN void AXIS2_CALL
axutil_property_free(axutil_property_t *property, const axutil_env_t *env);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
axutil_property_set_scope(axutil_property_t *property, const axutil_env_t *env,
                          axis2_scope_t scope);

AXIS2_EXTERN axis2_scope_t AXIS2_CALL
axutil_property_get_scope(axutil_property_t *property, const axutil_env_t *env);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
axutil_property_set_free_func(axutil_property_t *property, const axutil_env_t *env,
                              AXIS2_FREE_VOID_ARG free_func);

/* Replaces the value, releasing an owned previous one. */
AXIS2_EXTERN axis2_status_t AXIS2_CALL
axutil_property_set_value(axutil_property_t *property, const axutil_env_t *env, void *value);

AXIS2_EXTERN void *AXIS2_CALL
axutil_property_get_value(axutil_property_t *property, const axutil_env_t *env);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
axutil_property_set_own_value(axutil_property_t *property, const axutil_env_t *env,
                              axis2_bool_t own_value);

#ifdef __cplusplus
}
#endif

#endif /* AXUTIL_PROPERTY_H */
