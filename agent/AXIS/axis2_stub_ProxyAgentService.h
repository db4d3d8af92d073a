/*
 * axis2_stub_ProxyAgentService.h
 *
 * Client stub of the ProxyAgentService SOAP service: its two operations as synchronous
 * out-in exchanges (SOAP 1.1) whose payloads are the ADB bindings of this folder.
 */
#ifndef AXIS2_STUB_PROXYAGENTSERVICE_H
#define AXIS2_STUB_PROXYAGENTSERVICE_H

#include <stdio.h>
#include <axiom.h>
#include <axutil_utils.h>
#include <axiom_soap.h>
#include <axis2_client.h>
#include <axis2_stub.h>
#include <axis2_msg.h>

#include "adb_GetWorkItem.h"
#include "adb_GetWorkItemResponse.h"
#include "adb_WorkItemComplete.h"
#include "adb_WorkItemCompleteResponse.h"

#ifdef __cplusplus
extern "C"
{
#endif

/* Creates the stub for `endpoint_uri` (the default endpoint when NULL) with the client home
 * `client_home`; NULL, with the engine's error in env, when it cannot be created. */
AXIS2_EXTERN axis2_stub_t *AXIS2_CALL
axis2_stub_create_ProxyAgentService(const axutil_env_t *env, const axis2_char_t *client_home,
    const axis2_char_t *endpoint_uri);

AXIS2_EXTERN void AXIS2_CALL
axis2_stub_populate_services_for_ProxyAgentService(axis2_stub_t *stub, const axutil_env_t *env);

AXIS2_EXTERN axis2_char_t *AXIS2_CALL
axis2_stub_get_endpoint_uri_of_ProxyAgentService(const axutil_env_t *env);

/* The GetWorkItem exchange: a response record owned by the caller, or NULL. */
AXIS2_EXTERN adb_GetWorkItemResponse_t *AXIS2_CALL
axis2_stub_op_ProxyAgentService_GetWorkItem(axis2_stub_t *stub, const axutil_env_t *env,
    adb_GetWorkItem_t *_getWorkItem);

/* The WorkItemComplete exchange: a response record owned by the caller, or NULL. */
AXIS2_EXTERN adb_WorkItemCompleteResponse_t *AXIS2_CALL
axis2_stub_op_ProxyAgentService_WorkItemComplete(axis2_stub_t *stub, const axutil_env_t *env,
    adb_WorkItemComplete_t *_workItemComplete);

#ifdef __cplusplus
}
#endif

#endif /* AXIS2_STUB_PROXYAGENTSERVICE_H */
