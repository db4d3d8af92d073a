/*
 * xs:duration values ("P1Y2M3DT4H5M6.7S", "-P3D", "PT0S").
 * Parsing is strict: the components must appear in order, each at most once,
 * with at least one present and a "T" only before time components; other
 * text fails with AXIS2_ERROR_INVALID_BASE_TYPE.
 */
#ifndef AXUTIL_DURATION_H
#define AXUTIL_DURATION_H

#include <axutil_utils_defines.h>
#include <axutil_env.h>

#ifdef __cplusplus
extern "C"
{
#endif

typedef struct axutil_duration axutil_duration_t;

/* A zero duration. */
AXIS2_EXTERN axutil_duration_t *AXIS2_CALL
axutil_duration_create(axutil_env_t *env);

AXIS2_EXTERN axutil_duration_t *AXIS2_CALL
axutil_duration_create_from_values(const axutil_env_t *env, axis2_bool_t negative, int years,
                                   int months, int days, int hours, int minutes, double seconds);

/* NULL when `duration_str` is not an xs:duration. */
AXIS2_EXTERN axutil_duration_t *AXIS2_CALL
axutil_duration_create_from_string(const axutil_env_t *env, const axis2_char_t *duration_str);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
axutil_duration_free(axutil_duration_t *duration, const axutil_env_t *env);

/* Replaces the value; on failure the old value stays. */
AXIS2_EXTERN axis2_status_t AXIS2_CALL
axutil_duration_deserialize_duration(axutil_duration_t *duration, const axutil_env_t *env,
                                     const char *duration_str);

/* New string; release with AXIS2_FREE. Zero components are omitted. */
AXIS2_EXTERN char *AXIS2_CALL
axutil_duration_serialize_duration(axutil_duration_t *duration, const axutil_env_t *env);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
axutil_duration_set_duration(axutil_duration_t *duration, const axutil_env_t *env,
                             axis2_bool_t negative, int years, int months, int days, int hours,
                             int mins, double seconds);

AXIS2_EXTERN axis2_bool_t AXIS2_CALL
axutil_duration_get_is_negative(axutil_duration_t *duration, const axutil_env_t *env);
AXIS2_EXTERN int AXIS2_CALL
axutil_duration_get_years(axutil_duration_t *duration, const axutil_env_t *env);
AXIS2_EXTERN int AXIS2_CALL
axutil_duration_get_months(axutil_duration_t *duration, const axutil_env_t *env);
AXIS2_EXTERN int AXIS2_CALL
axutil_duration_get_days(axutil_duration_t *duration, const axutil_env_t *env);
AXIS2_EXTERN int AXIS2_CALL
axutil_duration_get_hours(axutil_duration_t *duration, const axutil_env_t *env);
AXIS2_EXTERN int AXIS2_CALL
axutil_duration_get_mins(axutil_duration_t *duration, const axutil_env_t *env);
AXIS2_EXTERN double AXIS2_CALL
axutil_duration_get_seconds(axutil_duration_t *duration, const axutil_env_t *env);

/* Same sign and same components. */
AXIS2_EXTERN axis2_bool_t AXIS2_CALL
axutil_duration_compare(axutil_duration_t *duration_one, axutil_duration_t *duration_two,
                        axutil_env_t *env);

#ifdef __cplusplus
}
#endif

#endif /* AXUTIL_DURATION_H */
