/*
 * Platform layer for client programs: the C library headers they rely on
 * through the utility headers, and the portable names for environment
 * variables, sleeping and formatted printing (POSIX only).
 */
#ifndef AXUTIL_PLATFORM_AUTO_SENSE_H
#define AXUTIL_PLATFORM_AUTO_SENSE_H

#include <errno.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <strings.h>
#include <sys/types.h>
#include <unistd.h>
/* Axis2/C's platform layer brings in the utility headers (through its UUID
 * generator); axutil_utils.h includes this header in turn. */
#include <axutil_utils.h>

#define AXIS2_GETENV(_env_var_name) getenv(_env_var_name)
#define AXIS2_SLEEP sleep
#define AXIS2_USLEEP usleep
#define AXIS2_SNPRINTF snprintf

#endif /* AXUTIL_PLATFORM_AUTO_SENSE_H */
