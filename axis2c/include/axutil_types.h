/*
 * Decimal text to integer (atoi/atoll contract; 0 for NULL).
 */
#ifndef AXUTIL_TYPES_H
#define AXUTIL_TYPES_H

#include <axutil_utils_defines.h>
#include <axutil_error.h>
#include <axutil_env.h>
#include <stdlib.h>

#ifdef __cplusplus
extern "C"
{
#endif

AXIS2_EXTERN int AXIS2_CALL
axutil_atoi(const char *s);
#define AXIS2_ATOI(s) axutil_atoi(s)

AXIS2_EXTERN int64_t AXIS2_CALL
axutil_atol(const char *s);
#define AXIS2_ATOL(s) axutil_atol(s)

#ifdef __cplusplus
}
#endif

#endif /* AXUTIL_TYPES_H */
