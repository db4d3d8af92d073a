/*
 * Callbacks of non-blocking exchanges. This engine only makes blocking
 * exchanges, so the type exists for the declarations that name it and no
 * callback is ever created or called.
 */
#ifndef AXIS2_CALLBACK_H
#define AXIS2_CALLBACK_H

#include <axis2_defines.h>
#include <axutil_env.h>
#include <axiom_soap_envelope.h>
/* Axis2/C's header brings these in through its asynchronous result and message
 * context. */
#include <axis2_const.h>
#include <axis2_endpoint_ref.h>
#include <axutil_property.h>
#include <axutil_stream.h>

typedef struct axis2_callback axis2_callback_t;

#endif /* AXIS2_CALLBACK_H */
