/*
 * The environment handed to every engine call: allocator, error state and
 * log. The environment owns all three and releases them in axutil_env_free.
 * Use one environment per thread.
 */
#ifndef AXUTIL_ENV_H
#define AXUTIL_ENV_H

#include <axutil_utils_defines.h>
#include <axutil_allocator.h>
#include <axutil_error.h>
#include <axutil_log.h>
#include <axutil_thread_pool.h>

#ifdef __cplusplus
extern "C"
{
#endif

typedef struct axutil_env
{
    axutil_allocator_t *allocator;
    axutil_error_t *error;
    axutil_log_t *log;
    /* Not used by this engine: it starts no threads on the caller's behalf. */
    axutil_thread_pool_t *thread_pool;
    int ref;
    /* Session hooks of Axis2/C's server side; never called here. */
    axis2_status_t (*set_session_fn)(void *, const char *, const char *);
    char *(*get_session_fn)(void *, const char *);
} axutil_env_t;

/* Environment with a malloc-based allocator, a fresh error object and a log
 * appending to `log_file` (path relative to the working directory; NULL
 * disables logging) at `log_level`. NULL when out of memory. */
AXIS2_EXTERN axutil_env_t *AXIS2_CALL
axutil_env_create_all(const axis2_char_t *log_file, const axutil_log_levels_t log_level);

/* Environment over an existing allocator, with a new error object and a
 * disabled log. */
AXIS2_EXTERN axutil_env_t *AXIS2_CALL
axutil_env_create(axutil_allocator_t *allocator);

AXIS2_EXTERN axutil_env_t *AXIS2_CALL
axutil_env_create_with_error_log(axutil_allocator_t *allocator, axutil_error_t *error,
                                 axutil_log_t *log);

/* Releases the log, the error object, the allocator and the environment. */
AXIS2_EXTERN void AXIS2_CALL
axutil_env_free(axutil_env_t *env);

/* The status code of the environment's error (AXIS2_SUCCESS/AXIS2_FAILURE);
 * AXIS2_CRITICAL_FAILURE for a NULL environment. */
AXIS2_EXTERN axis2_status_t AXIS2_CALL
axutil_env_check_status(const axutil_env_t *env);

/* Environments are never NULL here, so the check compiles to nothing. */
#define AXIS2_ENV_CHECK(env, error_return)

AXIS2_EXTERN axis2_status_t AXIS2_CALL
axutil_env_enable_log(axutil_env_t *env, axis2_bool_t enable);

#ifdef __cplusplus
}
#endif

#endif /* AXUTIL_ENV_H */
