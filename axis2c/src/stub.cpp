// The stub base that generated service stubs build on.
#include "internal.h"

#include <axis2_stub.h>

#include <new>

using axis2c::Present;

struct axis2_stub
{
    axis2_svc_client_t* svcClient = nullptr;
};

extern "C"
{
axis2_stub_t* axis2_stub_create(const axutil_env_t* env)
{
    auto* stub = new (std::nothrow) axis2_stub();
    if (!stub)
        axis2c::SetError(env, AXIS2_ERROR_NO_MEMORY);
    return stub;
}

axis2_stub_t* axis2_stub_create_with_endpoint_ref_and_client_home(const axutil_env_t* env,
                                                                  axis2_endpoint_ref_t* endpoint_ref,
                                                                  const axis2_char_t* client_home)
{
    if (!Present(env, endpoint_ref))
        return nullptr;
    axis2_svc_client_t* client = axis2_svc_client_create(env, client_home);
    if (!client)
        return nullptr;
    axis2_stub_t* stub = axis2_stub_create(env);
    if (!stub)
    {
        axis2_svc_client_free(client, env);
        return nullptr;
    }
    stub->svcClient = client;
    auto* options = const_cast<axis2_options_t*>(axis2_svc_client_get_options(client, env));
    axis2_options_set_to(options, env, endpoint_ref);
    return stub;
}

axis2_stub_t* axis2_stub_create_with_endpoint_uri_and_client_home(const axutil_env_t* env,
                                                                  const axis2_char_t* endpoint_uri,
                                                                  const axis2_char_t* client_home)
{
    axis2_endpoint_ref_t* endpoint = axis2_endpoint_ref_create(env, endpoint_uri);
    if (!endpoint)
        return nullptr;
    axis2_stub_t* stub = axis2_stub_create_with_endpoint_ref_and_client_home(env, endpoint, client_home);
    if (!stub)
        axis2_endpoint_ref_free(endpoint, env);
    return stub;
}

void axis2_stub_free(axis2_stub_t* stub, const axutil_env_t* env)
{
    if (!stub)
        return;
    axis2_svc_client_free(stub->svcClient, env);
    delete stub;
}

axis2_svc_client_t* axis2_stub_get_svc_client(const axis2_stub_t* stub, const axutil_env_t* env)
{
    if (!Present(env, stub))
        return nullptr;
    return stub->svcClient;
}

axis2_status_t axis2_stub_set_svc_client(axis2_stub_t* stub, const axutil_env_t* env, axis2_svc_client_t* svc_client)
{
    if (!Present(env, stub))
        return AXIS2_FAILURE;
    if (stub->svcClient != svc_client)
        axis2_svc_client_free(stub->svcClient, env);
    stub->svcClient = svc_client;
    return AXIS2_SUCCESS;
}

} // extern "C"
