/*
 * The thread pool type an environment refers to. This engine runs every
 * exchange on the caller's thread, so the type stays opaque and unused.
 */
#ifndef AXUTIL_THREAD_POOL_H
#define AXUTIL_THREAD_POOL_H

#include <axutil_utils_defines.h>
#include <axutil_allocator.h>
/* Axis2/C's header brings this in through axutil_thread.h. */
#include <axutil_error.h>

typedef struct axutil_thread_pool axutil_thread_pool_t;

#endif /* AXUTIL_THREAD_POOL_H */
