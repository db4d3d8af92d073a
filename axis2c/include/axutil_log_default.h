/*
 * Creating the log an environment carries.
 */
#ifndef AXUTIL_LOG_DEFAULT_H
#define AXUTIL_LOG_DEFAULT_H

#include <axutil_utils_defines.h>
#include <axutil_allocator.h>
#include <axutil_log.h>

#ifdef __cplusplus
extern "C"
{
#endif

/* Log appending to `file_name` (path used as given). A NULL file name gives a
 * log that drops every entry. `ops` is accepted for source compatibility and
 * ignored. The level starts at AXIS2_LOG_LEVEL_DEBUG. */
AXIS2_EXTERN axutil_log_t *AXIS2_CALL
axutil_log_create(axutil_allocator_t *allocator, axutil_log_ops_t *ops,
                  const axis2_char_t *file_name);

#ifdef __cplusplus
}
#endif

#endif /* AXUTIL_LOG_DEFAULT_H */
