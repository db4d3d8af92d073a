/*
 * Memory allocator used by the engine for every buffer it hands to callers.
 * Strings and buffers returned by engine functions are released with
 * AXIS2_FREE on the environment's allocator. The default allocator wraps
 * malloc/realloc/free.
 */
#ifndef AXUTIL_ALLOCATOR_H
#define AXUTIL_ALLOCATOR_H

#include <axutil_utils_defines.h>

#ifdef __cplusplus
extern "C"
{
#endif

typedef struct axutil_allocator
{
    void *(AXIS2_CALL *malloc_fn)(struct axutil_allocator *allocator, size_t size);
    void *(AXIS2_CALL *realloc)(struct axutil_allocator *allocator, void *ptr, size_t size);
    void(AXIS2_CALL *free_fn)(struct axutil_allocator *allocator, void *ptr);
    void *local_pool;
    void *global_pool;
    void *current_pool;
    int global_pool_ref;
} axutil_allocator_t;

/* Returns `allocator` when given, else a new malloc-based allocator (NULL when
 * out of memory). */
AXIS2_EXTERN axutil_allocator_t *AXIS2_CALL
axutil_allocator_init(axutil_allocator_t *allocator);

/* Releases an allocator made by axutil_allocator_init(NULL). */
AXIS2_EXTERN void AXIS2_CALL
axutil_allocator_free(axutil_allocator_t *allocator);

#define AXIS2_MALLOC(allocator, size) ((allocator)->malloc_fn((allocator), (size)))
#define AXIS2_REALLOC(allocator, ptr, size) ((allocator)->realloc((allocator), (ptr), (size)))
#define AXIS2_FREE(allocator, ptr) ((allocator)->free_fn((allocator), (ptr)))

#ifdef __cplusplus
}
#endif

#endif /* AXUTIL_ALLOCATOR_H */
