/*
 * Error-handling macros used throughout generated code (AXIS2_ERROR_SET,
 * AXIS2_PARAM_CHECK) and small helpers such as XML quoting; also brings in
 * the platform layer (C library headers, AXIS2_GETENV, AXIS2_SLEEP).
 */
#ifndef AXUTIL_UTILS_H
#define AXUTIL_UTILS_H

#include <axutil_utils_defines.h>
#include <axutil_allocator.h>
#include <axutil_error.h>
#include <axutil_log.h>
#include <axutil_env.h>
#include <axutil_string.h>
#include <axutil_date_time.h>
#include <axutil_base64_binary.h>
#include <platforms/axutil_platform_auto_sense.h>

#ifdef __cplusplus
extern "C"
{
#endif

#define AXIS2_ERROR_SET(error, error_number, status_code) \
    do \
    { \
        AXIS2_ERROR_SET_ERROR_NUMBER(error, error_number); \
        AXIS2_ERROR_SET_STATUS_CODE(error, status_code); \
    } while (0)

/* Returns `error_return` with INVALID_NULL_PARAM/FAILURE when `object` is
 * NULL; otherwise records status SUCCESS. */
#define AXIS2_PARAM_CHECK(error, object, error_return) \
    do \
    { \
        if (!(object)) \
        { \
            AXIS2_ERROR_SET_ERROR_NUMBER(error, AXIS2_ERROR_INVALID_NULL_PARAM); \
            AXIS2_ERROR_SET_STATUS_CODE(error, AXIS2_FAILURE); \
            return error_return; \
        } \
        AXIS2_ERROR_SET_STATUS_CODE(error, AXIS2_SUCCESS); \
    } while (0)

/* AXIS2_PARAM_CHECK on the environment's error. Generated stubs write it
 * without a semicolon after it, so it is an if/else statement rather than a
 * do/while block. */
#define AXIS2_FUNC_PARAM_CHECK(object, env, error_return) \
    if (!(object)) \
    { \
        AXIS2_ERROR_SET_ERROR_NUMBER((env)->error, AXIS2_ERROR_INVALID_NULL_PARAM); \
        AXIS2_ERROR_SET_STATUS_CODE((env)->error, AXIS2_FAILURE); \
        return error_return; \
    } \
    else \
    { \
        AXIS2_ERROR_SET_STATUS_CODE((env)->error, AXIS2_SUCCESS); \
    }

#define AXIS2_PARAM_CHECK_VOID(error, object) \
    do \
    { \
        if (!(object)) \
        { \
            AXIS2_ERROR_SET_ERROR_NUMBER(error, AXIS2_ERROR_INVALID_NULL_PARAM); \
            AXIS2_ERROR_SET_STATUS_CODE(error, AXIS2_FAILURE); \
            return; \
        } \
    } while (0)

/* Releases an object handed over with a property (axutil_property.h). */
typedef void(AXIS2_CALL *AXIS2_FREE_VOID_ARG)(void *obj_to_be_freed, const axutil_env_t *env);

/* How long a property lives; this engine keeps every property as long as
 * the options that hold it. */
enum axis2_scopes
{
    AXIS2_SCOPE_REQUEST = 0,
    AXIS2_SCOPE_SESSION,
    AXIS2_SCOPE_APPLICATION
};

/* Escapes '&', '<', '>' (and '"' when `quotes`) as XML entity references.
 * Returns NULL when nothing needs escaping (use the input as it is), else a
 * new string to release with AXIS2_FREE. */
AXIS2_EXTERN axis2_char_t *AXIS2_CALL
axutil_xml_quote_string(const axutil_env_t *env, const axis2_char_t *s, axis2_bool_t quotes);

#ifdef __cplusplus
}
#endif

#endif /* AXUTIL_UTILS_H */
