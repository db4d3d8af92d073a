/*
 * 64-bit string-to-integer conversions used by generated bindings for long
 * and unsignedLong values (same contract as strtoll/strtoull).
 */
#ifndef AXUTIL_TYPES_H
#define AXUTIL_TYPES_H

#include <axutil_utils_defines.h>

#ifdef __cplusplus
extern "C"
{
#endif

AXIS2_EXTERN int64_t AXIS2_CALL
axutil_strtol(const char *nptr, char **endptr, int base);

AXIS2_EXTERN uint64_t AXIS2_CALL
axutil_strtoul(const char *nptr, char **endptr, int base);

AXIS2_EXTERN int AXIS2_CALL
axutil_atoi(const char *s);

#ifdef __cplusplus
}
#endif

#endif /* AXUTIL_TYPES_H */
