/*
 * Linkage and type definitions shared by the client-side (axis2_*) headers.
 */
#ifndef AXIS2_DEFINES_H
#define AXIS2_DEFINES_H

#include <axutil_utils_defines.h>

#endif /* AXIS2_DEFINES_H */
