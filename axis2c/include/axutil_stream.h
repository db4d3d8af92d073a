/*
 * In-memory byte stream: writes append to a growable buffer, reads consume
 * from its front. Data-source nodes use one to collect raw XML.
 */
#ifndef AXUTIL_STREAM_H
#define AXUTIL_STREAM_H

#include <axutil_utils_defines.h>
#include <axutil_env.h>
#include <axutil_utils.h>

#ifdef __cplusplus
extern "C"
{
#endif

typedef struct axutil_stream axutil_stream_t;

AXIS2_EXTERN axutil_stream_t *AXIS2_CALL
axutil_stream_create_basic(const axutil_env_t *env);

AXIS2_EXTERN void AXIS2_CALL
axutil_stream_free(axutil_stream_t *stream, const axutil_env_t *env);

/* Appends `count` bytes; returns the number written, -1 on failure. */
AXIS2_EXTERN int AXIS2_CALL
axutil_stream_write(axutil_stream_t *stream, const axutil_env_t *env, const void *buffer,
                    size_t count);

/* Moves up to `count` unread bytes into `buffer`; returns how many (0 at the
 * end), -1 on failure. */
AXIS2_EXTERN int AXIS2_CALL
axutil_stream_read(axutil_stream_t *stream, const axutil_env_t *env, void *buffer, size_t count);

/* Number of unread bytes. */
AXIS2_EXTERN int AXIS2_CALL
axutil_stream_get_len(axutil_stream_t *stream, const axutil_env_t *env);

/* The unread bytes, NUL-terminated; owned by the stream and valid until the
 * next write or read. */
AXIS2_EXTERN axis2_char_t *AXIS2_CALL
axutil_stream_get_buffer(const axutil_stream_t *stream, const axutil_env_t *env);

#ifdef __cplusplus
}
#endif

#endif /* AXUTIL_STREAM_H */
