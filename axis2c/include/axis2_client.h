/*
 * All client-side headers: service client, options, endpoint references,
 * service/operation/message descriptions and constants.
 */
#ifndef AXIS2_CLIENT_H
#define AXIS2_CLIENT_H

#include <axis2_const.h>
#include <axis2_endpoint_ref.h>
#include <axis2_msg.h>
#include <axis2_op.h>
#include <axis2_svc.h>
#include <axis2_options.h>
#include <axis2_svc_client.h>
#include <axis2_callback.h>

#endif /* AXIS2_CLIENT_H */
