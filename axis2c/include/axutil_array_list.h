/*
 * Growable array of pointers. The list never frees the elements it holds.
 * Index errors return NULL (or FAILURE) with AXIS2_ERROR_INDEX_OUT_OF_BOUNDS.
 */
#ifndef AXUTIL_ARRAY_LIST_H
#define AXUTIL_ARRAY_LIST_H

#include <axutil_utils_defines.h>
#include <axutil_env.h>

#ifdef __cplusplus
extern "C"
{
#endif

typedef struct axutil_array_list axutil_array_list_t;

AXIS2_EXTERN axutil_array_list_t *AXIS2_CALL
axutil_array_list_create(const axutil_env_t *env, int capacity);

AXIS2_EXTERN void AXIS2_CALL
axutil_array_list_free(struct axutil_array_list *array_list, const axutil_env_t *env);

AXIS2_EXTERN void AXIS2_CALL
axutil_array_list_free_void_arg(void *array_list, const axutil_env_t *env);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
axutil_array_list_ensure_capacity(struct axutil_array_list *array_list, const axutil_env_t *env,
                                  int min_capacity);

AXIS2_EXTERN int AXIS2_CALL
axutil_array_list_size(struct axutil_array_list *array_list, const axutil_env_t *env);

AXIS2_EXTERN axis2_bool_t AXIS2_CALL
axutil_array_list_is_empty(struct axutil_array_list *array_list, const axutil_env_t *env);

AXIS2_EXTERN axis2_bool_t AXIS2_CALL
axutil_array_list_contains(struct axutil_array_list *array_list, const axutil_env_t *env, void *e);

/* First index holding the pointer `e`, or -1. */
AXIS2_EXTERN int AXIS2_CALL
axutil_array_list_index_of(struct axutil_array_list *array_list, const axutil_env_t *env, void *e);

AXIS2_EXTERN void *AXIS2_CALL
axutil_array_list_get(struct axutil_array_list *array_list, const axutil_env_t *env, int index);

/* Replaces the element at `index` and returns the previous one. */
AXIS2_EXTERN void *AXIS2_CALL
axutil_array_list_set(struct axutil_array_list *array_list, const axutil_env_t *env, int index,
                      void *e);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
axutil_array_list_add(struct axutil_array_list *array_list, const axutil_env_t *env, const void *e);

/* Inserts before `index` (0..size). */
AXIS2_EXTERN axis2_status_t AXIS2_CALL
axutil_array_list_add_at(struct axutil_array_list *array_list, const axutil_env_t *env,
                         const int index, const void *e);

/* Removes and returns the element at `index`. */
AXIS2_EXTERN void *AXIS2_CALL
axutil_array_list_remove(struct axutil_array_list *array_list, const axutil_env_t *env, int index);

#ifdef __cplusplus
}
#endif

#endif /* AXUTIL_ARRAY_LIST_H */
