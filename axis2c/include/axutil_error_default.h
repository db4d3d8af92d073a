/*
 * Creating the error object an environment carries.
 */
#ifndef AXUTIL_ERROR_DEFAULT_H
#define AXUTIL_ERROR_DEFAULT_H

#include <axutil_utils_defines.h>
#include <axutil_allocator.h>
#include <axutil_error.h>

#ifdef __cplusplus
extern "C"
{
#endif

/* New error object with AXIS2_ERROR_NONE and status AXIS2_SUCCESS; NULL when
 * out of memory. */
AXIS2_EXTERN axutil_error_t *AXIS2_CALL
axutil_error_create(axutil_allocator_t *allocator);

#ifdef __cplusplus
}
#endif

#endif /* AXUTIL_ERROR_DEFAULT_H */
