/*
 * The utility headers: environment, allocator, error and log, strings,
 * qnames, hash tables, array lists, streams, numbers, properties, and through
 * axutil_utils.h date-time and base64 values. URI and duration values have
 * headers of their own (axutil_uri.h, axutil_duration.h), as in Axis2/C.
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
#include <axutil_property.h>
#include <axutil_thread_pool.h>
#include <axutil_date_time.h>
#include <axutil_base64.h>
#include <axutil_base64_binary.h>
#include <platforms/axutil_platform_auto_sense.h>
/* Axis2/C's header brings this in through axutil_url.h. */
#include <axutil_uri.h>

#endif /* AXIS2_UTIL_H */
