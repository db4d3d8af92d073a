/*
 * axis2_stub_ProxyAgentService.h
 *
 * Client stub of the project's ProxyAgentService (wsdl/ProxyAgentService.wsdl) for two of its
 * operations, GetHostStatus and GetWorkItem, in the shape Axis2/C's code generator writes a
 * synchronous stub: the service's operations registered as out-in operation objects, each call
 * an out-in exchange whose payloads are the ADB bindings of this folder.
 */
#ifndef AXIS2_STUB_PROXYAGENTSERVICE_H
#define AXIS2_STUB_PROXYAGENTSERVICE_H

#include <stdio.h>
#include <axiom.h>
#include <axutil_utils.h>
#include <axiom_soap.h>
#include <axis2_client.h>
#include <axis2_stub.h>

#include "adb_GetHostStatus.h"
#include "adb_GetHostStatusResponse.h"
#include "adb_GetWorkItem.h"
#include "adb_GetWorkItemResponse.h"

#ifdef __cplusplus
extern "C"
{
#endif

/***************** function prototypes - for header file *************/

/**
 * axis2_stub_create_ProxyAgentService
 * Create and return the stub with services populated
 * @param env Environment ( mandatory)
 * @param client_home Axis2/C home ( mandatory )
 * @param endpoint_uri Service endpoint uri( optional ) - if NULL default picked from WSDL used
 * @return Newly created stub object
 */
axis2_stub_t *AXIS2_CALL
axis2_stub_create_ProxyAgentService(const axutil_env_t *env, axis2_char_t *client_home,
                                    axis2_char_t *endpoint_uri);

/**
 * axis2_stub_populate_services_for_ProxyAgentService
 * populate the svc in stub with the service and operations
 * @param stub The stub
 * @param env environment ( mandatory)
 */
void AXIS2_CALL
axis2_stub_populate_services_for_ProxyAgentService(axis2_stub_t *stub, const axutil_env_t *env);

/**
 * axis2_stub_get_endpoint_uri_of_ProxyAgentService
 * Return the endpoint URI picked from WSDL
 * @param env environment ( mandatory)
 * @return The endpoint picked from WSDL
 */
axis2_char_t *AXIS2_CALL
axis2_stub_get_endpoint_uri_of_ProxyAgentService(const axutil_env_t *env);

/**
 * Auto generated function declaration
 * for "GetHostStatus|http://orvex.example/Ostrel" operation.
 * @param stub The stub (axis2_stub_t)
 * @param env environment ( mandatory)
 * @param _getHostStatus of the adb_GetHostStatus_t*
 * @return adb_GetHostStatusResponse_t*
 */
adb_GetHostStatusResponse_t *AXIS2_CALL
axis2_stub_op_ProxyAgentService_GetHostStatus(axis2_stub_t *stub, const axutil_env_t *env,
                                              adb_GetHostStatus_t *_getHostStatus);

/**
 * Auto generated function declaration
 * for "GetWorkItem|http://orvex.example/Ostrel" operation.
 * @param stub The stub (axis2_stub_t)
 * @param env environment ( mandatory)
 * @param _getWorkItem of the adb_GetWorkItem_t*
 * @return adb_GetWorkItemResponse_t*
 */
adb_GetWorkItemResponse_t *AXIS2_CALL
axis2_stub_op_ProxyAgentService_GetWorkItem(axis2_stub_t *stub, const axutil_env_t *env,
                                            adb_GetWorkItem_t *_getWorkItem);

#ifdef __cplusplus
}
#endif

#endif /* AXIS2_STUB_PROXYAGENTSERVICE_H */
