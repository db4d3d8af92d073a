/*
 * Base64 (RFC 4648, with padding) encoding and decoding of byte buffers.
 */
#ifndef AXUTIL_BASE64_H
#define AXUTIL_BASE64_H

#include <axutil_utils_defines.h>

#ifdef __cplusplus
extern "C"
{
#endif

/* Buffer size needed to encode `len` bytes, including the terminating NUL. */
AXIS2_EXTERN int AXIS2_CALL
axutil_base64_encode_len(int len);

/* Writes the NUL-terminated encoding into `encoded`; returns its length. */
AXIS2_EXTERN int AXIS2_CALL
axutil_base64_encode(char *encoded, const char *string, int len);

/* Upper bound of the decoded size of `encoded` (-1 if not base64). */
AXIS2_EXTERN int AXIS2_CALL
axutil_base64_decode_len(const char *encoded);

/* Decodes into `plain`; returns the number of bytes, or -1 for invalid input
 * (whitespace is skipped). */
AXIS2_EXTERN int AXIS2_CALL
axutil_base64_decode(char *plain, const char *encoded);

#ifdef __cplusplus
}
#endif

#endif /* AXUTIL_BASE64_H */
