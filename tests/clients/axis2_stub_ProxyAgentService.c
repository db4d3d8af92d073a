/*
 * axis2_stub_ProxyAgentService.c
 *
 * The stub's functions, in the shape Axis2/C's code generator writes them. Of the generator's
 * includes only the WS-Policy ones are left out: the WSDL names no policy, and the engine offers
 * no WS-Policy.
 */
#include "axis2_stub_ProxyAgentService.h"
#include <axis2_msg.h>

/**
 * axis2_stub_ProxyAgentService C implementation
 */

axis2_stub_t *AXIS2_CALL
axis2_stub_create_ProxyAgentService(const axutil_env_t *env, axis2_char_t *client_home,
                                    axis2_char_t *endpoint_uri)
{
    axis2_stub_t *stub = NULL;
    axis2_endpoint_ref_t *endpoint_ref = NULL;
    AXIS2_FUNC_PARAM_CHECK(client_home, env, NULL)

    if (NULL == endpoint_uri)
    {
        endpoint_uri = axis2_stub_get_endpoint_uri_of_ProxyAgentService(env);
    }

    endpoint_ref = axis2_endpoint_ref_create(env, endpoint_uri);

    stub = axis2_stub_create_with_endpoint_ref_and_client_home(env, endpoint_ref, client_home);

    if (NULL == stub)
    {
        if (NULL != endpoint_ref)
        {
            axis2_endpoint_ref_free(endpoint_ref, env);
        }
        return NULL;
    }

    axis2_stub_populate_services_for_ProxyAgentService(stub, env);
    return stub;
}

void AXIS2_CALL
axis2_stub_populate_services_for_ProxyAgentService(axis2_stub_t *stub, const axutil_env_t *env)
{
    axis2_svc_client_t *svc_client = NULL;
    axutil_qname_t *svc_qname = NULL;
    axutil_qname_t *op_qname = NULL;
    axis2_svc_t *svc = NULL;
    axis2_op_t *op = NULL;
    axis2_op_t *annon_op = NULL;
    axis2_msg_t *msg_out = NULL;
    axis2_msg_t *msg_in = NULL;
    axis2_msg_t *msg_out_fault = NULL;
    axis2_msg_t *msg_in_fault = NULL;

    /* Modifying the Service */
    svc_client = axis2_stub_get_svc_client(stub, env);
    svc = (axis2_svc_t *)axis2_svc_client_get_svc(svc_client, env);

    annon_op = axis2_svc_get_op_with_name(svc, env, AXIS2_ANON_OUT_IN_OP);
    msg_out = axis2_op_get_msg(annon_op, env, AXIS2_MSG_OUT);
    msg_in = axis2_op_get_msg(annon_op, env, AXIS2_MSG_IN);
    msg_out_fault = axis2_op_get_msg(annon_op, env, AXIS2_MSG_OUT_FAULT);
    msg_in_fault = axis2_op_get_msg(annon_op, env, AXIS2_MSG_IN_FAULT);

    svc_qname = axutil_qname_create(env, "ProxyAgentService", NULL, NULL);
    axis2_svc_set_qname(svc, env, svc_qname);
    axutil_qname_free(svc_qname, env);

    /* creating the operations*/

    op_qname = axutil_qname_create(env, "GetHostStatus", "http://orvex.example/Ostrel", NULL);
    op = axis2_op_create_with_qname(env, op_qname);
    axutil_qname_free(op_qname, env);

    axis2_op_set_msg_exchange_pattern(op, env, AXIS2_MEP_URI_OUT_IN);

    axis2_msg_increment_ref(msg_out, env);
    axis2_msg_increment_ref(msg_in, env);
    axis2_msg_increment_ref(msg_out_fault, env);
    axis2_msg_increment_ref(msg_in_fault, env);
    axis2_op_add_msg(op, env, AXIS2_MSG_OUT, msg_out);
    axis2_op_add_msg(op, env, AXIS2_MSG_IN, msg_in);
    axis2_op_add_msg(op, env, AXIS2_MSG_OUT_FAULT, msg_out_fault);
    axis2_op_add_msg(op, env, AXIS2_MSG_IN_FAULT, msg_in_fault);

    axis2_svc_add_op(svc, env, op);

    op_qname = axutil_qname_create(env, "GetWorkItem", "http://orvex.example/Ostrel", NULL);
    op = axis2_op_create_with_qname(env, op_qname);
    axutil_qname_free(op_qname, env);

    axis2_op_set_msg_exchange_pattern(op, env, AXIS2_MEP_URI_OUT_IN);

    axis2_msg_increment_ref(msg_out, env);
    axis2_msg_increment_ref(msg_in, env);
    axis2_msg_increment_ref(msg_out_fault, env);
    axis2_msg_increment_ref(msg_in_fault, env);
    axis2_op_add_msg(op, env, AXIS2_MSG_OUT, msg_out);
    axis2_op_add_msg(op, env, AXIS2_MSG_IN, msg_in);
    axis2_op_add_msg(op, env, AXIS2_MSG_OUT_FAULT, msg_out_fault);
    axis2_op_add_msg(op, env, AXIS2_MSG_IN_FAULT, msg_in_fault);

    axis2_svc_add_op(svc, env, op);
}

/**
 * return end point picked from wsdl
 */
axis2_char_t *AXIS2_CALL
axis2_stub_get_endpoint_uri_of_ProxyAgentService(const axutil_env_t *env)
{
    axis2_char_t *endpoint_uri = NULL;
    (void)env;
    /* set the address from here */
    endpoint_uri = "http://localhost/Ostrel2";
    return endpoint_uri;
}

/**
 * auto generated method signature
 * for "GetHostStatus|http://orvex.example/Ostrel" operation.
 * @param stub The stub (axis2_stub_t)
 * @param env environment ( mandatory)
 * @param _getHostStatus of the adb_GetHostStatus_t*
 * @return adb_GetHostStatusResponse_t*
 */
adb_GetHostStatusResponse_t *AXIS2_CALL
axis2_stub_op_ProxyAgentService_GetHostStatus(axis2_stub_t *stub, const axutil_env_t *env,
                                              adb_GetHostStatus_t *_getHostStatus)
{
    axis2_svc_client_t *svc_client = NULL;
    axis2_options_t *options = NULL;
    axiom_node_t *ret_node = NULL;
    axutil_qname_t *op_qname = NULL;
    axiom_node_t *payload = NULL;
    axis2_bool_t is_soap_act_set = AXIS2_TRUE;
    axutil_string_t *soap_act = NULL;
    adb_GetHostStatusResponse_t *ret_val;

    payload = adb_GetHostStatus_serialize(_getHostStatus, env, NULL, NULL, AXIS2_TRUE, NULL, NULL);

    svc_client = axis2_stub_get_svc_client(stub, env);
    options = (axis2_options_t *)axis2_svc_client_get_options(svc_client, env);
    if (NULL == options)
    {
        AXIS2_ERROR_SET(env->error, AXIS2_ERROR_INVALID_NULL_PARAM, AXIS2_FAILURE);
        AXIS2_LOG_ERROR(env->log, AXIS2_LOG_SI, "options is null in stub");
        return (adb_GetHostStatusResponse_t *)NULL;
    }
    soap_act = axis2_options_get_soap_action(options, env);
    if (NULL == soap_act)
    {
        is_soap_act_set = AXIS2_FALSE;
        soap_act =
            axutil_string_create(env, "http://orvex.example/Ostrel/OstrelProxyAgent/GetHostStatus");
        axis2_options_set_soap_action(options, env, soap_act);
    }

    axis2_options_set_soap_version(options, env, AXIOM_SOAP11);

    ret_node = axis2_svc_client_send_receive_with_op_qname(svc_client, env, op_qname, payload);

    if (!is_soap_act_set)
    {
        axis2_options_set_soap_action(options, env, NULL);
        axis2_options_set_action(options, env, NULL);
        axutil_string_free(soap_act, env);
    }

    if (NULL == ret_node)
    {
        return (adb_GetHostStatusResponse_t *)NULL;
    }
    ret_val = adb_GetHostStatusResponse_create(env);

    if (adb_GetHostStatusResponse_deserialize(ret_val, env, &ret_node, NULL, AXIS2_FALSE) ==
        AXIS2_FAILURE)
    {
        if (ret_val != NULL)
        {
            adb_GetHostStatusResponse_free(ret_val, env);
        }

        AXIS2_LOG_ERROR(
            env->log, AXIS2_LOG_SI,
            "NULL returned from the GetHostStatusResponse_deserialize: This should be due to an invalid XML");
        return (adb_GetHostStatusResponse_t *)NULL;
    }

    return ret_val;
}

/**
 * auto generated method signature
 * for "GetWorkItem|http://orvex.example/Ostrel" operation.
 * @param stub The stub (axis2_stub_t)
 * @param env environment ( mandatory)
 * @param _getWorkItem of the adb_GetWorkItem_t*
 * @return adb_GetWorkItemResponse_t*
 */
adb_GetWorkItemResponse_t *AXIS2_CALL
axis2_stub_op_ProxyAgentService_GetWorkItem(axis2_stub_t *stub, const axutil_env_t *env,
                                            adb_GetWorkItem_t *_getWorkItem)
{
    axis2_svc_client_t *svc_client = NULL;
    axis2_options_t *options = NULL;
    axiom_node_t *ret_node = NULL;
    axutil_qname_t *op_qname = NULL;
    axiom_node_t *payload = NULL;
    axis2_bool_t is_soap_act_set = AXIS2_TRUE;
    axutil_string_t *soap_act = NULL;
    adb_GetWorkItemResponse_t *ret_val;

    payload = adb_GetWorkItem_serialize(_getWorkItem, env, NULL, NULL, AXIS2_TRUE, NULL, NULL);

    svc_client = axis2_stub_get_svc_client(stub, env);
    options = (axis2_options_t *)axis2_svc_client_get_options(svc_client, env);
    if (NULL == options)
    {
        AXIS2_ERROR_SET(env->error, AXIS2_ERROR_INVALID_NULL_PARAM, AXIS2_FAILURE);
        AXIS2_LOG_ERROR(env->log, AXIS2_LOG_SI, "options is null in stub");
        return (adb_GetWorkItemResponse_t *)NULL;
    }
    soap_act = axis2_options_get_soap_action(options, env);
    if (NULL == soap_act)
    {
        is_soap_act_set = AXIS2_FALSE;
        soap_act =
            axutil_string_create(env, "http://orvex.example/Ostrel/OstrelProxyAgent/GetWorkItem");
        axis2_options_set_soap_action(options, env, soap_act);
    }

    axis2_options_set_soap_version(options, env, AXIOM_SOAP11);

    ret_node = axis2_svc_client_send_receive_with_op_qname(svc_client, env, op_qname, payload);

    if (!is_soap_act_set)
    {
        axis2_options_set_soap_action(options, env, NULL);
        axis2_options_set_action(options, env, NULL);
        axutil_string_free(soap_act, env);
    }

    if (NULL == ret_node)
    {
        return (adb_GetWorkItemResponse_t *)NULL;
    }
    ret_val = adb_GetWorkItemResponse_create(env);

    if (adb_GetWorkItemResponse_deserialize(ret_val, env, &ret_node, NULL, AXIS2_FALSE) ==
        AXIS2_FAILURE)
    {
        if (ret_val != NULL)
        {
            adb_GetWorkItemResponse_free(ret_val, env);
        }

        AXIS2_LOG_ERROR(
            env->log, AXIS2_LOG_SI,
            "NULL returned from the GetWorkItemResponse_deserialize: This should be due to an invalid XML");
        return (adb_GetWorkItemResponse_t *)NULL;
    }

    return ret_val;
}
