/*
 * Basic types and linkage macros shared by every engine header: the
 * character, boolean and status types, AXIS2_TRUE/AXIS2_FALSE, and the
 * (empty on gcc/Linux) AXIS2_CALL / AXIS2_EXTERN decorations.
 */
#ifndef AXUTIL_UTILS_DEFINES_H
#define AXUTIL_UTILS_DEFINES_H

#include <stddef.h>
#include <stdint.h>

#ifdef __cplusplus
extern "C"
{
#endif

typedef char axis2_char_t;
typedef int axis2_bool_t;
typedef int axis2_status_t;
typedef int axis2_scope_t;
typedef unsigned int axis2_ssize_t;
typedef char axis2_byte_t;
typedef unsigned char axis2_unsigned_byte_t;

#define AXIS2_TRUE 1
#define AXIS2_FALSE 0

#define AXIS2_CALL
#define AXIS2_EXTERN
#define AXIS2_EXPORT
#define AXIS2_IMPORT

/* printf conversions matching the integer types generated bindings use. */
#define AXIS2_PRINTF_INT64_FORMAT_SPECIFIER "%ld"
#define AXIS2_PRINTF_UINT64_FORMAT_SPECIFIER "%lu"
#define AXIS2_PRINTF_INT32_FORMAT_SPECIFIER "%d"
#define AXIS2_PRINTF_UINT32_FORMAT_SPECIFIER "%u"

#ifdef __cplusplus
}
#endif

#endif /* AXUTIL_UTILS_DEFINES_H */
