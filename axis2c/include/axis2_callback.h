/*
 * Callbacks of non-blocking exchanges. This engine only makes blocking
 * exchanges, so the type exists for the declarations that name it and no
 * callback is ever created or called.
 */
#ifndef AXIS2_CALLBACK_H
#define AXIS2_CALLBACK_H

typedef struct axis2_callback axis2_callback_t;

#endif /* AXIS2_CALLBACK_H */
