/*
 * Hash table mapping keys (byte strings, or NUL-terminated strings with
 * AXIS2_HASH_KEY_STRING) to values. The table stores the caller's key and
 * value pointers without copying or freeing them. Removing the current
 * entry (setting its value to NULL) during an iteration is allowed.
 * An iteration index is released when axutil_hash_next returns NULL, or
 * with the table.
 */
#ifndef AXUTIL_HASH_H
#define AXUTIL_HASH_H

#include <axutil_utils_defines.h>
#include <axutil_env.h>

#ifdef __cplusplus
extern "C"
{
#endif

#define AXIS2_HASH_KEY_STRING (unsigned int)(-1)

typedef struct axutil_hash_t axutil_hash_t;
typedef struct axutil_hash_index_t axutil_hash_index_t;

AXIS2_EXTERN axutil_hash_t *AXIS2_CALL
axutil_hash_make(const axutil_env_t *env);

/* Stores `val` under `key` (keeping the first key pointer of an existing
 * entry); a NULL `val` removes the entry. */
AXIS2_EXTERN void AXIS2_CALL
axutil_hash_set(axutil_hash_t *ht, const void *key, axis2_ssize_t klen, const void *val);

/* The value, or NULL when absent. */
AXIS2_EXTERN void *AXIS2_CALL
axutil_hash_get(axutil_hash_t *ht, const void *key, axis2_ssize_t klen);

AXIS2_EXTERN axis2_bool_t AXIS2_CALL
axutil_hash_contains_key(axutil_hash_t *ht, const axutil_env_t *env, const axis2_char_t *key);

AXIS2_EXTERN unsigned int AXIS2_CALL
axutil_hash_count(axutil_hash_t *ht);

/* New table with the same key and value pointers. */
AXIS2_EXTERN axutil_hash_t *AXIS2_CALL
axutil_hash_copy(const axutil_hash_t *ht, const axutil_env_t *env);

/* Releases the table (not the keys or values). */
AXIS2_EXTERN void AXIS2_CALL
axutil_hash_free(axutil_hash_t *ht, const axutil_env_t *env);

/* Index on the first entry, or NULL for an empty table. */
AXIS2_EXTERN axutil_hash_index_t *AXIS2_CALL
axutil_hash_first(axutil_hash_t *ht, const axutil_env_t *env);

/* Index moved to the next entry, or NULL (index released) at the end. */
AXIS2_EXTERN axutil_hash_index_t *AXIS2_CALL
axutil_hash_next(const axutil_env_t *env, axutil_hash_index_t *hi);

/* Key, key length and value of the current entry; any out pointer may be NULL. */
AXIS2_EXTERN void AXIS2_CALL
axutil_hash_this(axutil_hash_index_t *hi, const void **key, axis2_ssize_t *klen, void **val);

#ifdef __cplusplus
}
#endif

#endif /* AXUTIL_HASH_H */
