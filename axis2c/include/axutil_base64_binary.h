/*
 * Binary data carried as xs:base64Binary. The object keeps the plain bytes;
 * the encoded text is produced on request. Invalid encoded input is
 * rejected with FAILURE and AXIS2_ERROR_INVALID_BASE_TYPE, keeping the old data.
 */
#ifndef AXUTIL_BASE64_BINARY_H
#define AXUTIL_BASE64_BINARY_H

#include <axutil_utils_defines.h>
#include <axutil_env.h>
#include <axutil_base64.h>

#ifdef __cplusplus
extern "C"
{
#endif

typedef struct axutil_base64_binary axutil_base64_binary_t;

AXIS2_EXTERN axutil_base64_binary_t *AXIS2_CALL
axutil_base64_binary_create(const axutil_env_t *env);

/* Copies `plain_binary_len` bytes. */
AXIS2_EXTERN axutil_base64_binary_t *AXIS2_CALL
axutil_base64_binary_create_with_plain_binary(const axutil_env_t *env,
                                              const unsigned char *plain_binary,
                                              int plain_binary_len);

/* NULL when `encoded_binary` is not valid base64. */
AXIS2_EXTERN axutil_base64_binary_t *AXIS2_CALL
axutil_base64_binary_create_with_encoded_binary(const axutil_env_t *env,
                                                const char *encoded_binary);

AXIS2_EXTERN void AXIS2_CALL
axutil_base64_binary_free(axutil_base64_binary_t *base64_binary, const axutil_env_t *env);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
axutil_base64_binary_set_plain_binary(axutil_base64_binary_t *base64_binary,
                                      const axutil_env_t *env, const unsigned char *plain_binary,
                                      int plain_binary_len);

/* The bytes, owned by the object; their count goes to *plain_binary_len. */
AXIS2_EXTERN unsigned char *AXIS2_CALL
axutil_base64_binary_get_plain_binary(axutil_base64_binary_t *base64_binary,
                                      const axutil_env_t *env, int *plain_binary_len);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
axutil_base64_binary_set_encoded_binary(axutil_base64_binary_t *base64_binary,
                                        const axutil_env_t *env, const char *encoded_binary);

/* New NUL-terminated base64 text; release with AXIS2_FREE. */
AXIS2_EXTERN char *AXIS2_CALL
axutil_base64_binary_get_encoded_binary(axutil_base64_binary_t *base64_binary,
                                        const axutil_env_t *env);

AXIS2_EXTERN int AXIS2_CALL
axutil_base64_binary_get_encoded_binary_len(axutil_base64_binary_t *base64_binary,
                                            const axutil_env_t *env);

AXIS2_EXTERN int AXIS2_CALL
axutil_base64_binary_get_decoded_binary_len(axutil_base64_binary_t *base64_binary,
                                            const axutil_env_t *env);

#ifdef __cplusplus
}
#endif

#endif /* AXUTIL_BASE64_BINARY_H */
