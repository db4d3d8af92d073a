/*
 * xs:dateTime values in UTC with millisecond precision.
 * Text form written: "YYYY-MM-DDTHH:MM:SS.mmmZ". Read: "YYYY-MM-DDTHH:MM:SS"
 * with an optional fraction and an optional zone ("Z" or +hh:mm/-hh:mm,
 * converted to UTC; none means UTC). Anything else is rejected with
 * FAILURE and AXIS2_ERROR_INVALID_BASE_TYPE, leaving the value unchanged.
 */
#ifndef AXUTIL_DATE_TIME_H
#define AXUTIL_DATE_TIME_H

#include <axutil_utils_defines.h>
#include <axutil_env.h>

#ifdef __cplusplus
extern "C"
{
#endif

typedef struct axutil_date_time axutil_date_time_t;

/* The current time. */
AXIS2_EXTERN axutil_date_time_t *AXIS2_CALL
axutil_date_time_create(const axutil_env_t *env);

/* The current time moved by `offset` seconds. */
AXIS2_EXTERN axutil_date_time_t *AXIS2_CALL
axutil_date_time_create_with_offset(const axutil_env_t *env, int offset);

AXIS2_EXTERN void AXIS2_CALL
axutil_date_time_free(axutil_date_time_t *date_time, const axutil_env_t *env);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
axutil_date_time_deserialize_date_time(axutil_date_time_t *date_time, const axutil_env_t *env,
                                       const axis2_char_t *date_time_str);

/* "YYYY-MM-DD"; the time becomes midnight. */
AXIS2_EXTERN axis2_status_t AXIS2_CALL
axutil_date_time_deserialize_date(axutil_date_time_t *date_time, const axutil_env_t *env,
                                  const axis2_char_t *date_str);

/* "HH:MM:SS[.fff][Z]"; the date is kept. */
AXIS2_EXTERN axis2_status_t AXIS2_CALL
axutil_date_time_deserialize_time(axutil_date_time_t *date_time, const axutil_env_t *env,
                                  const axis2_char_t *time_str);

/* New strings; release with AXIS2_FREE. */
AXIS2_EXTERN axis2_char_t *AXIS2_CALL
axutil_date_time_serialize_date_time(axutil_date_time_t *date_time, const axutil_env_t *env);
AXIS2_EXTERN axis2_char_t *AXIS2_CALL
axutil_date_time_serialize_date(axutil_date_time_t *date_time, const axutil_env_t *env);
AXIS2_EXTERN axis2_char_t *AXIS2_CALL
axutil_date_time_serialize_time(axutil_date_time_t *date_time, const axutil_env_t *env);

/* Sets every field; FAILURE with INVALID_BASE_TYPE for an impossible date/time. */
AXIS2_EXTERN axis2_status_t AXIS2_CALL
axutil_date_time_set_date_time(axutil_date_time_t *date_time, const axutil_env_t *env, int year,
                               int month, int date, int hour, int min, int second,
                               int milliseconds);

AXIS2_EXTERN int AXIS2_CALL
axutil_date_time_get_year(axutil_date_time_t *date_time, const axutil_env_t *env);
AXIS2_EXTERN int AXIS2_CALL
axutil_date_time_get_month(axutil_date_time_t *date_time, const axutil_env_t *env);
AXIS2_EXTERN int AXIS2_CALL
axutil_date_time_get_day(axutil_date_time_t *date_time, const axutil_env_t *env);
AXIS2_EXTERN int AXIS2_CALL
axutil_date_time_get_hour(axutil_date_time_t *date_time, const axutil_env_t *env);
AXIS2_EXTERN int AXIS2_CALL
axutil_date_time_get_minute(axutil_date_time_t *date_time, const axutil_env_t *env);
AXIS2_EXTERN int AXIS2_CALL
axutil_date_time_get_second(axutil_date_time_t *date_time, const axutil_env_t *env);
AXIS2_EXTERN int AXIS2_CALL
axutil_date_time_get_msec(axutil_date_time_t *date_time, const axutil_env_t *env);

#ifdef __cplusplus
}
#endif

#endif /* AXUTIL_DATE_TIME_H */
