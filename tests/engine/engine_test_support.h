// Shared fixtures for the engine tests: an environment that logs into a
// temporary directory, temporary client homes, and small tree helpers.
#pragma once

#include <axiom.h>
#include <axiom_soap.h>
#include <axis2_client.h>
#include <axis2_stub.h>
#include <axis2_util.h>
#include <axutil_duration.h>
#include <axutil_uri.h>

#include <Poco/File.h>
#include <Poco/Path.h>
#include <Poco/TemporaryFile.h>

#include <fstream>
#include <string>

class TempDir
{
public:
    TempDir()
        : path(Poco::TemporaryFile::tempName())
    {
        Poco::File(path).createDirectories();
    }
    ~TempDir()
    {
        try
        {
            Poco::File(path).remove(true);
        }
        catch (...)
        {
        }
    }
    std::string File(const std::string& name) const
    {
        return path + "/" + name;
    }
    void Write(const std::string& name, const std::string& content) const
    {
        Poco::File(Poco::Path(File(name)).parent()).createDirectories();
        std::ofstream(File(name), std::ios::binary) << content;
    }
    const std::string path;
};

inline std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// An environment per test, its log file in a temporary directory.
struct EnvHolder
{
    explicit EnvHolder(axutil_log_levels_t level = AXIS2_LOG_LEVEL_TRACE)
        : env(axutil_env_create_all(dir.File("engine.log").c_str(), level))
    {
    }
    ~EnvHolder()
    {
        axutil_env_free(env);
    }
    std::string Message() const
    {
        const char* text = axutil_error_get_message(env->error);
        return text ? text : "";
    }
    int Number() const
    {
        return env->error->error_number;
    }
    std::string Log() const
    {
        return ReadFile(dir.File("engine.log"));
    }
    TempDir dir;
    axutil_env_t* env;
};

// The options of a stub's service client, as generated stubs reach them.
inline axis2_options_t* OptionsOf(const axis2_stub_t* stub, const axutil_env_t* env)
{
    return const_cast<axis2_options_t*>(axis2_svc_client_get_options(axis2_stub_get_svc_client(stub, env), env));
}

inline std::string ToString(const axutil_env_t* env, axiom_node_t* node)
{
    axis2_char_t* text = axiom_node_to_string(node, env);
    std::string result = text ? text : "";
    AXIS2_FREE(env->allocator, text);
    return result;
}

inline std::string Axis2Xml(const std::string& parameters)
{
    return "<axisconfig name=\"Axis2/C\">" + parameters + "</axisconfig>";
}
