/*
 * The thread pool type an environment refers to. This engine runs every
 * exchange on the caller's thread, so the type stays opaque and unused.
 */
#ifndef AXUTIL_THREAD_POOL_H
#define AXUTIL_THREAD_POOL_H

typedef struct axutil_thread_pool axutil_thread_pool_t;

#endif /* AXUTIL_THREAD_POOL_H */
