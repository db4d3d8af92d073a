// Per-client options. What this engine cannot do (REST, MTOM, a separate
// listener, HTTP methods other than POST) is refused when asked for, so a
// program written for Axis2/C learns at once rather than by a wrong exchange.
#include "client_model.h"
#include "internal.h"

#include <axiom_soap_const.h>
#include <axis2_http_transport.h>
#include <axutil_string.h>

using axis2c::Guard;
using axis2c::Present;

namespace
{

axis2_status_t Unsupported(const axutil_env_t* env, const std::string& what)
{
    axis2c::SetError(env, AXIS2_ERROR_UNSUPPORTED_TYPE, what);
    AXIS2C_LOG(env, AXIS2_LOG_LEVEL_ERROR, std::string("not supported: ") + what);
    return AXIS2_FAILURE;
}

} // namespace

namespace axis2c
{

const char* PropertyText(const axis2_options* options, const char* name)
{
    auto found = options->properties.find(name);
    if (found == options->properties.end())
        return nullptr;
    return static_cast<const char*>(axutil_property_get_value(found->second, nullptr));
}

} // namespace axis2c

extern "C"
{
axis2_options_t* axis2_options_create(const axutil_env_t* env)
{
    return Guard<axis2_options_t*>(env, nullptr, [] { return new axis2_options(); });
}

void axis2_options_free(axis2_options_t* options, const axutil_env_t* env)
{
    if (!options)
        return;
    for (auto& entry : options->properties)
        axutil_property_free(entry.second, env);
    axis2_endpoint_ref_free(options->to, env);
    axutil_string_free(options->soapAction, env);
    delete options;
}

axis2_status_t axis2_options_set_to(axis2_options_t* options, const axutil_env_t* env, axis2_endpoint_ref_t* to)
{
    if (!Present(env, options))
        return AXIS2_FAILURE;
    if (options->to != to)
        axis2_endpoint_ref_free(options->to, env);
    options->to = to;
    return AXIS2_SUCCESS;
}

axis2_endpoint_ref_t* axis2_options_get_to(const axis2_options_t* options, const axutil_env_t* env)
{
    if (!Present(env, options))
        return nullptr;
    return options->to;
}

axis2_status_t axis2_options_set_soap_action(axis2_options_t* options, const axutil_env_t* env,
                                             axutil_string_t* soap_action)
{
    if (!Present(env, options))
        return AXIS2_FAILURE;
    // Take the new reference before dropping the old one: they may be the same.
    axutil_string_t* held = soap_action ? axutil_string_clone(soap_action, env) : nullptr;
    axutil_string_free(options->soapAction, env);
    options->soapAction = held;
    return AXIS2_SUCCESS;
}

axutil_string_t* axis2_options_get_soap_action(const axis2_options_t* options, const axutil_env_t* env)
{
    if (!Present(env, options))
        return nullptr;
    return options->soapAction;
}

axis2_status_t axis2_options_set_action(axis2_options_t* options, const axutil_env_t* env, const axis2_char_t* action)
{
    if (!Present(env, options))
        return AXIS2_FAILURE;
    return Guard<axis2_status_t>(env, AXIS2_FAILURE, [&] {
        options->hasAction = action != nullptr;
        options->action = action ? action : "";
        return AXIS2_SUCCESS;
    });
}

const axis2_char_t* axis2_options_get_action(const axis2_options_t* options, const axutil_env_t* env)
{
    if (!Present(env, options))
        return nullptr;
    return options->hasAction ? options->action.c_str() : nullptr;
}

axis2_status_t axis2_options_set_soap_version(axis2_options_t* options, const axutil_env_t* env, const int soap_version)
{
    if (!Present(env, options))
        return AXIS2_FAILURE;
    if (soap_version != AXIOM_SOAP11 && soap_version != AXIOM_SOAP12)
    {
        axis2c::SetError(env, AXIS2_ERROR_INVALID_SOAP_VERSION,
                         "SOAP version " + std::to_string(soap_version) + " is not 1 or 2");
        return AXIS2_FAILURE;
    }
    options->soapVersion = soap_version;
    return AXIS2_SUCCESS;
}

int axis2_options_get_soap_version(const axis2_options_t* options, const axutil_env_t* env)
{
    if (!Present(env, options))
        return AXIOM_SOAP_VERSION_NOT_SET;
    return options->soapVersion;
}

axis2_status_t axis2_options_set_timeout_in_milli_seconds(axis2_options_t* options, const axutil_env_t* env,
                                                          const long timeout_in_milli_seconds)
{
    if (!Present(env, options))
        return AXIS2_FAILURE;
    options->timeoutMs = timeout_in_milli_seconds;
    return AXIS2_SUCCESS;
}

long axis2_options_get_timeout_in_milli_seconds(const axis2_options_t* options, const axutil_env_t* env)
{
    if (!Present(env, options))
        return 0;
    return options->timeoutMs > 0 ? options->timeoutMs : AXIS2_DEFAULT_TIMEOUT_MILLISECONDS;
}

axis2_status_t axis2_options_set_soap_version_uri(axis2_options_t* options, const axutil_env_t* env,
                                                  const axis2_char_t* soap_version_uri)
{
    if (!Present(env, options) || !Present(env, soap_version_uri))
        return AXIS2_FAILURE;
    if (axutil_strcmp(soap_version_uri, AXIOM_SOAP11_SOAP_ENVELOPE_NAMESPACE_URI) == 0)
        return axis2_options_set_soap_version(options, env, AXIOM_SOAP11);
    if (axutil_strcmp(soap_version_uri, AXIOM_SOAP12_SOAP_ENVELOPE_NAMESPACE_URI) == 0)
        return axis2_options_set_soap_version(options, env, AXIOM_SOAP12);
    axis2c::SetError(env, AXIS2_ERROR_INVALID_SOAP_VERSION,
                     std::string("unknown SOAP envelope namespace ") + soap_version_uri);
    return AXIS2_FAILURE;
}

const axis2_char_t* axis2_options_get_soap_version_uri(const axis2_options_t* options, const axutil_env_t* env)
{
    if (!Present(env, options))
        return nullptr;
    return options->soapVersion == AXIOM_SOAP11 ? AXIOM_SOAP11_SOAP_ENVELOPE_NAMESPACE_URI
                                                : AXIOM_SOAP12_SOAP_ENVELOPE_NAMESPACE_URI;
}

axis2_status_t axis2_options_set_http_method(axis2_options_t* options, const axutil_env_t* env,
                                             const axis2_char_t* http_method)
{
    if (!Present(env, options) || !Present(env, http_method))
        return AXIS2_FAILURE;
    if (axutil_strcasecmp(http_method, AXIS2_HTTP_POST) == 0)
        return AXIS2_SUCCESS;
    return Unsupported(env, std::string("HTTP method ") + http_method + " (SOAP is sent with POST)");
}

axis2_status_t axis2_options_set_property(axis2_options_t* options, const axutil_env_t* env,
                                          const axis2_char_t* property_key, const void* property)
{
    if (!Present(env, options) || !Present(env, property_key))
        return AXIS2_FAILURE;
    return Guard<axis2_status_t>(env, AXIS2_FAILURE, [&] {
        auto* given = static_cast<axutil_property_t*>(const_cast<void*>(property));
        auto found = options->properties.find(property_key);
        if (found != options->properties.end())
        {
            if (found->second == given)
                return AXIS2_SUCCESS;
            axutil_property_free(found->second, env);
            options->properties.erase(found);
        }
        if (given)
            options->properties[property_key] = given;
        return AXIS2_SUCCESS;
    });
}

void* axis2_options_get_property(const axis2_options_t* options, const axutil_env_t* env, const axis2_char_t* key)
{
    if (!Present(env, options) || !Present(env, key))
        return nullptr;
    auto found = options->properties.find(key);
    return found == options->properties.end() ? nullptr : found->second;
}

axis2_status_t axis2_options_set_enable_rest(axis2_options_t* options, const axutil_env_t* env,
                                             const axis2_bool_t enable_rest)
{
    if (!Present(env, options))
        return AXIS2_FAILURE;
    return enable_rest ? Unsupported(env, "REST") : AXIS2_SUCCESS;
}

axis2_status_t axis2_options_set_enable_mtom(axis2_options_t* options, const axutil_env_t* env,
                                             axis2_bool_t enable_mtom)
{
    if (!Present(env, options))
        return AXIS2_FAILURE;
    return enable_mtom ? Unsupported(env, "MTOM") : AXIS2_SUCCESS;
}

axis2_bool_t axis2_options_get_enable_mtom(const axis2_options_t*, const axutil_env_t*)
{
    return AXIS2_FALSE;
}

axis2_status_t axis2_options_set_use_separate_listener(axis2_options_t* options, const axutil_env_t* env,
                                                       const axis2_bool_t use_separate_listener)
{
    if (!Present(env, options))
        return AXIS2_FAILURE;
    return use_separate_listener ? Unsupported(env, "a separate listener (WS-Addressing)") : AXIS2_SUCCESS;
}

axis2_bool_t axis2_options_get_use_separate_listener(const axis2_options_t*, const axutil_env_t*)
{
    return AXIS2_FALSE;
}

} // extern "C"
