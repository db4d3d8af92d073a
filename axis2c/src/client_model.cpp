// Endpoint references, messages, operations and services: plain
// descriptions with the ownership rules the generated stubs rely on.
#include "client_model.h"
#include "internal.h"

#include <axiom_soap_const.h>
#include <axis2_const.h>
#include <axutil_qname.h>
#include <axutil_string.h>

using axis2c::Guard;
using axis2c::Present;

extern "C"
{
axis2_endpoint_ref_t* axis2_endpoint_ref_create(const axutil_env_t* env, const axis2_char_t* address)
{
    if (!Present(env, address))
        return nullptr;
    return Guard<axis2_endpoint_ref_t*>(env, nullptr, [&] { return new axis2_endpoint_ref{address}; });
}

void axis2_endpoint_ref_free(axis2_endpoint_ref_t* endpoint_ref, const axutil_env_t*)
{
    delete endpoint_ref;
}

const axis2_char_t* axis2_endpoint_ref_get_address(const axis2_endpoint_ref_t* endpoint_ref, const axutil_env_t* env)
{
    if (!Present(env, endpoint_ref))
        return nullptr;
    return endpoint_ref->address.c_str();
}

axis2_status_t axis2_endpoint_ref_set_address(axis2_endpoint_ref_t* endpoint_ref, const axutil_env_t* env,
                                              const axis2_char_t* address)
{
    if (!Present(env, endpoint_ref) || !Present(env, address))
        return AXIS2_FAILURE;
    return Guard<axis2_status_t>(env, AXIS2_FAILURE, [&] {
        endpoint_ref->address = address;
        return AXIS2_SUCCESS;
    });
}

axis2_msg_t* axis2_msg_create(const axutil_env_t* env)
{
    return Guard<axis2_msg_t*>(env, nullptr, [] { return new axis2_msg(); });
}

void axis2_msg_free(axis2_msg_t* msg, const axutil_env_t*)
{
    if (msg && --msg->references <= 0)
        delete msg;
}

axis2_status_t axis2_msg_increment_ref(axis2_msg_t* msg, const axutil_env_t* env)
{
    if (!Present(env, msg))
        return AXIS2_FAILURE;
    ++msg->references;
    return AXIS2_SUCCESS;
}

const axis2_char_t* axis2_msg_get_name(const axis2_msg_t* msg, const axutil_env_t* env)
{
    if (!Present(env, msg))
        return nullptr;
    return msg->name.empty() ? nullptr : msg->name.c_str();
}

axis2_status_t axis2_msg_set_name(axis2_msg_t* msg, const axutil_env_t* env, const axis2_char_t* name)
{
    if (!Present(env, msg))
        return AXIS2_FAILURE;
    return Guard<axis2_status_t>(env, AXIS2_FAILURE, [&] {
        msg->name = name ? name : "";
        return AXIS2_SUCCESS;
    });
}

const axis2_char_t* axis2_msg_get_direction(const axis2_msg_t* msg, const axutil_env_t* env)
{
    if (!Present(env, msg))
        return nullptr;
    return msg->direction.empty() ? nullptr : msg->direction.c_str();
}

axis2_status_t axis2_msg_set_direction(axis2_msg_t* msg, const axutil_env_t* env, const axis2_char_t* direction)
{
    if (!Present(env, msg))
        return AXIS2_FAILURE;
    return Guard<axis2_status_t>(env, AXIS2_FAILURE, [&] {
        msg->direction = direction ? direction : "";
        return AXIS2_SUCCESS;
    });
}

axis2_op_t* axis2_op_create(const axutil_env_t* env)
{
    return Guard<axis2_op_t*>(env, nullptr, [] { return new axis2_op(); });
}

axis2_op_t* axis2_op_create_with_qname(const axutil_env_t* env, const axutil_qname_t* qname)
{
    if (!Present(env, qname))
        return nullptr;
    axis2_op_t* op = axis2_op_create(env);
    if (op && axis2_op_set_qname(op, env, qname) != AXIS2_SUCCESS)
    {
        axis2_op_free(op, env);
        return nullptr;
    }
    return op;
}

void axis2_op_free(axis2_op_t* op, const axutil_env_t* env)
{
    if (!op)
        return;
    for (auto& entry : op->messages)
        axis2_msg_free(entry.second, env);
    axutil_qname_free(op->qname, env);
    delete op;
}

const axutil_qname_t* axis2_op_get_qname(void* op, const axutil_env_t* env)
{
    if (!Present(env, op))
        return nullptr;
    return static_cast<axis2_op_t*>(op)->qname;
}

axis2_status_t axis2_op_set_qname(axis2_op_t* op, const axutil_env_t* env, const axutil_qname_t* qname)
{
    if (!Present(env, op))
        return AXIS2_FAILURE;
    axutil_qname_t* copy = nullptr;
    if (qname && !(copy = axutil_qname_clone(const_cast<axutil_qname_t*>(qname), env)))
        return AXIS2_FAILURE;
    axutil_qname_free(op->qname, env);
    op->qname = copy;
    return AXIS2_SUCCESS;
}

axis2_status_t axis2_op_set_msg_exchange_pattern(axis2_op_t* op, const axutil_env_t* env, const axis2_char_t* pattern)
{
    if (!Present(env, op) || !Present(env, pattern))
        return AXIS2_FAILURE;
    return Guard<axis2_status_t>(env, AXIS2_FAILURE, [&] {
        op->pattern = pattern;
        return AXIS2_SUCCESS;
    });
}

const axis2_char_t* axis2_op_get_msg_exchange_pattern(const axis2_op_t* op, const axutil_env_t* env)
{
    if (!Present(env, op))
        return nullptr;
    return op->pattern.empty() ? nullptr : op->pattern.c_str();
}

axis2_msg_t* axis2_op_get_msg(const axis2_op_t* op, const axutil_env_t* env, const axis2_char_t* label)
{
    if (!Present(env, op) || !Present(env, label))
        return nullptr;
    return Guard<axis2_msg_t*>(env, nullptr, [&]() -> axis2_msg_t* {
        auto found = op->messages.find(label);
        return found == op->messages.end() ? nullptr : found->second;
    });
}

axis2_status_t axis2_op_add_msg(axis2_op_t* op, const axutil_env_t* env, const axis2_char_t* label,
                                const axis2_msg_t* msg)
{
    if (!Present(env, op) || !Present(env, label) || !Present(env, msg))
        return AXIS2_FAILURE;
    return Guard<axis2_status_t>(env, AXIS2_FAILURE, [&] {
        axis2_msg*& slot = op->messages[label];
        if (slot && slot != msg)
            axis2_msg_free(slot, env);
        slot = const_cast<axis2_msg*>(msg);
        return AXIS2_SUCCESS;
    });
}

axis2_svc_t* axis2_svc_create(const axutil_env_t* env)
{
    return Guard<axis2_svc_t*>(env, nullptr, [] { return new axis2_svc(); });
}

axis2_svc_t* axis2_svc_create_with_qname(const axutil_env_t* env, const axutil_qname_t* qname)
{
    axis2_svc_t* svc = axis2_svc_create(env);
    if (svc && axis2_svc_set_qname(svc, env, qname) != AXIS2_SUCCESS)
    {
        axis2_svc_free(svc, env);
        return nullptr;
    }
    return svc;
}

void axis2_svc_free(axis2_svc_t* svc, const axutil_env_t* env)
{
    if (!svc)
        return;
    for (axis2_op* op : svc->operations)
        axis2_op_free(op, env);
    axutil_qname_free(svc->qname, env);
    delete svc;
}

axis2_status_t axis2_svc_set_qname(axis2_svc_t* svc, const axutil_env_t* env, const axutil_qname_t* qname)
{
    if (!Present(env, svc) || !Present(env, qname))
        return AXIS2_FAILURE;
    axutil_qname_t* copy = axutil_qname_clone(const_cast<axutil_qname_t*>(qname), env);
    if (!copy)
        return AXIS2_FAILURE;
    axutil_qname_free(svc->qname, env);
    svc->qname = copy;
    return AXIS2_SUCCESS;
}

const axutil_qname_t* axis2_svc_get_qname(const axis2_svc_t* svc, const axutil_env_t* env)
{
    if (!Present(env, svc))
        return nullptr;
    return svc->qname;
}

const axis2_char_t* axis2_svc_get_name(const axis2_svc_t* svc, const axutil_env_t* env)
{
    if (!Present(env, svc) || !svc->qname)
        return nullptr;
    return axutil_qname_get_localpart(svc->qname, env);
}

axis2_status_t axis2_svc_add_op(axis2_svc_t* svc, const axutil_env_t* env, axis2_op_t* op)
{
    if (!Present(env, svc) || !Present(env, op))
        return AXIS2_FAILURE;
    if (!op->qname)
    {
        axis2c::SetError(env, AXIS2_ERROR_OP_NAME_MISSING, "operation without a qname");
        return AXIS2_FAILURE;
    }
    return Guard<axis2_status_t>(env, AXIS2_FAILURE, [&] {
        for (axis2_op*& existing : svc->operations)
        {
            if (existing == op)
                return AXIS2_SUCCESS;
            if (existing->qname && axutil_qname_equals(existing->qname, env, op->qname))
            {
                axis2_op_free(existing, env);
                existing = op;
                return AXIS2_SUCCESS;
            }
        }
        svc->operations.push_back(op);
        return AXIS2_SUCCESS;
    });
}

axis2_op_t* axis2_svc_get_op_with_qname(const axis2_svc_t* svc, const axutil_env_t* env, const axutil_qname_t* op_qname)
{
    if (!Present(env, svc) || !Present(env, op_qname))
        return nullptr;
    for (axis2_op* op : svc->operations)
        if (op->qname && axutil_qname_equals(op->qname, env, op_qname))
            return op;
    return nullptr;
}

axis2_op_t* axis2_svc_get_op_with_name(const axis2_svc_t* svc, const axutil_env_t* env, const axis2_char_t* op_name)
{
    if (!Present(env, svc) || !Present(env, op_name))
        return nullptr;
    for (axis2_op* op : svc->operations)
        if (op->qname && axutil_strcmp(axutil_qname_get_localpart(op->qname, env), op_name) == 0)
            return op;
    return nullptr;
}

} // extern "C"
