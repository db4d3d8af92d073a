/*
 * All utility headers: environment, allocator, error and log, strings,
 * qnames, hash tables, array lists, streams, numbers, date-time, URI,
 * base64 and duration values.
 */
#ifndef AXIS2_UTIL_H
#define AXIS2_UTIL_H

#include <axutil_utils_defines.h>
#include <axutil_allocator.h>
#include <axutil_error.h>
#include <axutil_log.h>
#include <axutil_env.h>
#include <axutil_utils.h>
#include <axutil_string.h>
#include <axutil_qname.h>
#include <axutil_hash.h>
#include <axutil_stream.h>
#include <axutil_array_list.h>
#include <axutil_types.h>
#include <axutil_date_time.h>
#include <axutil_uri.h>
#include <axutil_base64.h>
#include <axutil_base64_binary.h>
#include <axutil_duration.h>
#include <platforms/axutil_platform_auto_sense.h>

#endif /* AXIS2_UTIL_H */
