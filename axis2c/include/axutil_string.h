/*
 * C string helpers and the reference-counted string object axutil_string_t.
 * Functions returning axis2_char_t* that take an environment allocate with
 * its allocator; release the result with AXIS2_FREE. Comparison helpers
 * accept NULL (NULL sorts before any string, two NULLs are equal).
 */
#ifndef AXUTIL_STRING_H
#define AXUTIL_STRING_H

#include <axutil_utils_defines.h>
#include <axutil_env.h>
#include <axutil_error.h>

#ifdef __cplusplus
extern "C"
{
#endif

typedef struct axutil_string axutil_string_t;

/* Copy of the NUL-terminated string at `ptr`; NULL for NULL. */
AXIS2_EXTERN void *AXIS2_CALL
axutil_strdup(const axutil_env_t *env, const void *ptr);

/* Copy of at most `n` characters of `ptr`, NUL-terminated. */
AXIS2_EXTERN void *AXIS2_CALL
axutil_strndup(const axutil_env_t *env, const void *ptr, int n);

/* Copy of exactly `n` bytes plus a terminating NUL. */
AXIS2_EXTERN void *AXIS2_CALL
axutil_strmemdup(const void *ptr, size_t n, const axutil_env_t *env);

AXIS2_EXTERN int AXIS2_CALL
axutil_strcmp(const axis2_char_t *s1, const axis2_char_t *s2);

AXIS2_EXTERN int AXIS2_CALL
axutil_strncmp(const axis2_char_t *s1, const axis2_char_t *s2, int n);

AXIS2_EXTERN int AXIS2_CALL
axutil_strcasecmp(const axis2_char_t *s1, const axis2_char_t *s2);

AXIS2_EXTERN int AXIS2_CALL
axutil_strncasecmp(const axis2_char_t *s1, const axis2_char_t *s2, const int n);

/* Length in bytes; 0 for NULL. */
AXIS2_EXTERN axis2_ssize_t AXIS2_CALL
axutil_strlen(const axis2_char_t *s);

/* New string s1 followed by s2 (a NULL operand counts as empty). */
AXIS2_EXTERN axis2_char_t *AXIS2_CALL
axutil_stracat(const axutil_env_t *env, const axis2_char_t *s1, const axis2_char_t *s2);

/* New string joining every argument up to a terminating NULL. */
AXIS2_EXTERN axis2_char_t *AXIS2_CALL
axutil_strcat(const axutil_env_t *env, ...);

AXIS2_EXTERN axis2_char_t *AXIS2_CALL
axutil_strstr(const axis2_char_t *haystack, const axis2_char_t *needle);

AXIS2_EXTERN axis2_char_t *AXIS2_CALL
axutil_strchr(const axis2_char_t *s, axis2_char_t ch);

AXIS2_EXTERN axis2_char_t *AXIS2_CALL
axutil_rindex(const axis2_char_t *s, axis2_char_t ch);

/* New string without leading/trailing characters from `trim` (whitespace
 * " \t\r\n" when `trim` is NULL). */
AXIS2_EXTERN axis2_char_t *AXIS2_CALL
axutil_strltrim(const axutil_env_t *env, const axis2_char_t *s, const axis2_char_t *trim);
AXIS2_EXTERN axis2_char_t *AXIS2_CALL
axutil_strrtrim(const axutil_env_t *env, const axis2_char_t *s, const axis2_char_t *trim);
AXIS2_EXTERN axis2_char_t *AXIS2_CALL
axutil_strtrim(const axutil_env_t *env, const axis2_char_t *s, const axis2_char_t *trim);

/* In-place ASCII case conversion; returns `s`. */
AXIS2_EXTERN axis2_char_t *AXIS2_CALL
axutil_string_tolower(axis2_char_t *s);
AXIS2_EXTERN axis2_char_t *AXIS2_CALL
axutil_string_toupper(axis2_char_t *s);

/* String object holding its own copy of `str`; reference count 1. */
AXIS2_EXTERN axutil_string_t *AXIS2_CALL
axutil_string_create(const axutil_env_t *env, const axis2_char_t *str);

/* Takes over `*str` (allocated with the env's allocator) and sets *str to NULL. */
AXIS2_EXTERN axutil_string_t *AXIS2_CALL
axutil_string_create_assume_ownership(const axutil_env_t *env, axis2_char_t **str);

/* Refers to `*str` without copying or freeing it; the caller keeps it alive. */
AXIS2_EXTERN axutil_string_t *AXIS2_CALL
axutil_string_create_const(const axutil_env_t *env, axis2_char_t **str);

/* Drops one reference; the string goes with the last one. */
AXIS2_EXTERN void AXIS2_CALL
axutil_string_free(struct axutil_string *string, const axutil_env_t *env);

/* Adds a reference and returns the same object. */
AXIS2_EXTERN struct axutil_string *AXIS2_CALL
axutil_string_clone(struct axutil_string *string, const axutil_env_t *env);

AXIS2_EXTERN axis2_bool_t AXIS2_CALL
axutil_string_equals(const struct axutil_string *string, const axutil_env_t *env,
                     const struct axutil_string *string1);

AXIS2_EXTERN const axis2_char_t *AXIS2_CALL
axutil_string_get_buffer(const struct axutil_string *string, const axutil_env_t *env);

AXIS2_EXTERN unsigned int AXIS2_CALL
axutil_string_get_length(const struct axutil_string *string, const axutil_env_t *env);

#ifdef __cplusplus
}
#endif

#endif /* AXUTIL_STRING_H */
