/*
 * The engine log: one line per entry appended to a file, written when the
 * entry's level number is at or below the log's level (CRITICAL 0 .. TRACE 6).
 * The file is opened on the first entry; if it cannot be opened, entries are
 * dropped silently so that logging never makes an operation fail.
 * Line format: "[YYYY-MM-DD HH:MM:SS.mmm] [level] file(line) message".
 * Entries are serialised by an internal lock.
 */
#ifndef AXUTIL_LOG_H
#define AXUTIL_LOG_H

#include <axutil_utils_defines.h>
#include <axutil_allocator.h>

#ifdef __cplusplus
extern "C"
{
#endif

/* Lets the compiler check the format strings; undefined again at the end. */
#if defined(__GNUC__)
#define AXUTIL_LOG_FORMAT_CHECK(fmt_index, first_arg) \
    __attribute__((format(printf, fmt_index, first_arg)))
#else
#define AXUTIL_LOG_FORMAT_CHECK(fmt_index, first_arg)
#endif

typedef enum axutil_log_levels
{
    AXIS2_LOG_LEVEL_CRITICAL = 0,
    AXIS2_LOG_LEVEL_ERROR,
    AXIS2_LOG_LEVEL_WARNING,
    AXIS2_LOG_LEVEL_INFO,
    AXIS2_LOG_LEVEL_DEBUG,
    AXIS2_LOG_LEVEL_USER,
    AXIS2_LOG_LEVEL_TRACE
} axutil_log_levels_t;

typedef struct axutil_log_ops axutil_log_ops_t;

typedef struct axutil_log
{
    const axutil_log_ops_t *ops;
    axutil_log_levels_t level;
    int size;
    axis2_bool_t enabled;
} axutil_log_t;

AXIS2_EXTERN void AXIS2_CALL
axutil_log_free(axutil_allocator_t *allocator, struct axutil_log *log);

AXIS2_EXTERN void AXIS2_CALL
axutil_log_impl_log_critical(axutil_log_t *log, const axis2_char_t *file, const int line,
                             const axis2_char_t *format, ...) AXUTIL_LOG_FORMAT_CHECK(4, 5);
AXIS2_EXTERN void AXIS2_CALL
axutil_log_impl_log_error(axutil_log_t *log, const axis2_char_t *file, const int line,
                          const axis2_char_t *format, ...) AXUTIL_LOG_FORMAT_CHECK(4, 5);
AXIS2_EXTERN void AXIS2_CALL
axutil_log_impl_log_warning(axutil_log_t *log, const axis2_char_t *file, const int line,
                            const axis2_char_t *format, ...) AXUTIL_LOG_FORMAT_CHECK(4, 5);
AXIS2_EXTERN void AXIS2_CALL
axutil_log_impl_log_info(axutil_log_t *log, const axis2_char_t *format, ...)
    AXUTIL_LOG_FORMAT_CHECK(2, 3);
AXIS2_EXTERN void AXIS2_CALL
axutil_log_impl_log_debug(axutil_log_t *log, const axis2_char_t *file, const int line,
                          const axis2_char_t *format, ...) AXUTIL_LOG_FORMAT_CHECK(4, 5);
AXIS2_EXTERN void AXIS2_CALL
axutil_log_impl_log_user(axutil_log_t *log, const axis2_char_t *file, const int line,
                         const axis2_char_t *format, ...) AXUTIL_LOG_FORMAT_CHECK(4, 5);
AXIS2_EXTERN void AXIS2_CALL
axutil_log_impl_log_trace(axutil_log_t *log, const axis2_char_t *file, const int line,
                          const axis2_char_t *format, ...) AXUTIL_LOG_FORMAT_CHECK(4, 5);

#undef AXUTIL_LOG_FORMAT_CHECK

#define AXIS2_LOG_SI __FILE__, __LINE__

#define AXIS2_LOG_FREE(allocator, log) axutil_log_free(allocator, log)
#define AXIS2_LOG_CRITICAL axutil_log_impl_log_critical
#define AXIS2_LOG_ERROR axutil_log_impl_log_error
#define AXIS2_LOG_WARNING axutil_log_impl_log_warning
#define AXIS2_LOG_INFO axutil_log_impl_log_info
#define AXIS2_LOG_DEBUG axutil_log_impl_log_debug
#define AXIS2_LOG_USER axutil_log_impl_log_user
#define AXIS2_LOG_TRACE axutil_log_impl_log_trace

#ifdef __cplusplus
}
#endif

#endif /* AXUTIL_LOG_H */
