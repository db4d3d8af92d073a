// The stub base that generated service stubs build on.
#include "client_model.h"
#include "internal.h"

#include <axis2_stub.h>

using axis2c::Guard;
using axis2c::Present;

struct axis2_stub {
  axis2_svc_client_t* svcClient = nullptr;
};

namespace {

axis2_options_t* OptionsOf(const axis2_stub* stub, const axutil_env_t* env) {
  return const_cast<axis2_options_t*>(axis2_svc_client_get_options(stub->svcClient, env));
}

}  // namespace

extern "C" {

axis2_stub_t* axis2_stub_create_with_endpoint_ref_and_client_home(
    const axutil_env_t* env, axis2_endpoint_ref_t* endpoint_ref,
    const axis2_char_t* client_home) {
  if (!Present(env, endpoint_ref)) return nullptr;
  axis2_svc_client_t* client = axis2_svc_client_create(env, client_home);
  if (!client) return nullptr;
  auto* stub = new (std::nothrow) axis2_stub();
  if (!stub) {
    axis2_svc_client_free(client, env);
    axis2c::SetError(env, AXIS2_ERROR_NO_MEMORY);
    return nullptr;
  }
  stub->svcClient = client;
  axis2_options_set_to(OptionsOf(stub, env), env, endpoint_ref);
  return stub;
}

axis2_stub_t* axis2_stub_create_with_endpoint_uri_and_client_home(
    const axutil_env_t* env, const axis2_char_t* endpoint_uri, const axis2_char_t* client_home) {
  axis2_endpoint_ref_t* endpoint = axis2_endpoint_ref_create(env, endpoint_uri);
  if (!endpoint) return nullptr;
  axis2_stub_t* stub =
      axis2_stub_create_with_endpoint_ref_and_client_home(env, endpoint, client_home);
  if (!stub) axis2_endpoint_ref_free(endpoint, env);
  return stub;
}

void axis2_stub_free(axis2_stub_t* stub, const axutil_env_t* env) {
  if (!stub) return;
  axis2_svc_client_free(stub->svcClient, env);
  delete stub;
}

axis2_status_t axis2_stub_set_endpoint_ref(axis2_stub_t* stub, const axutil_env_t* env,
                                           axis2_endpoint_ref_t* endpoint_ref) {
  if (!Present(env, stub) || !Present(env, endpoint_ref)) return AXIS2_FAILURE;
  return axis2_options_set_to(OptionsOf(stub, env), env, endpoint_ref);
}

axis2_status_t axis2_stub_set_endpoint_uri(axis2_stub_t* stub, const axutil_env_t* env,
                                           const axis2_char_t* endpoint_uri) {
  if (!Present(env, stub)) return AXIS2_FAILURE;
  axis2_endpoint_ref_t* endpoint = axis2_endpoint_ref_create(env, endpoint_uri);
  if (!endpoint) return AXIS2_FAILURE;
  return axis2_stub_set_endpoint_ref(stub, env, endpoint);
}

axis2_status_t axis2_stub_set_use_separate_listener(axis2_stub_t* stub, const axutil_env_t* env,
                                                    const axis2_bool_t) {
  return Present(env, stub) ? AXIS2_SUCCESS : AXIS2_FAILURE;
}

axis2_status_t axis2_stub_set_soap_version(axis2_stub_t* stub, const axutil_env_t* env,
                                           const int soap_version) {
  if (!Present(env, stub)) return AXIS2_FAILURE;
  return axis2_options_set_soap_version(OptionsOf(stub, env), env, soap_version);
}

axis2_svc_client_t* axis2_stub_get_svc_client(const axis2_stub_t* stub, const axutil_env_t* env) {
  if (!Present(env, stub)) return nullptr;
  return stub->svcClient;
}

axis2_options_t* axis2_stub_get_options(const axis2_stub_t* stub, const axutil_env_t* env) {
  if (!Present(env, stub)) return nullptr;
  return OptionsOf(stub, env);
}

}  // extern "C"
