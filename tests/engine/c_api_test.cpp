// The C view of the engine: generated-style C code compiled against the
// public headers builds the request payload the way bindings do.
#include <gtest/gtest.h>

#include <axis2_util.h>

extern "C" int engine_c_api_check(const axutil_env_t* env, char* out, size_t out_size);

TEST(CApi, GeneratedStyleSerializationFromC)
{
    axutil_env_t* env = axutil_env_create_all(nullptr, AXIS2_LOG_LEVEL_TRACE);
    char text[512];
    EXPECT_EQ(AXIS2_SUCCESS, engine_c_api_check(env, text, sizeof text));
    EXPECT_STREQ("<n:GetWorkItem xmlns:n=\"http://example.com/Ostrel\"><n:agentID>a&lt;b</n:agentID>"
                 "</n:GetWorkItem>",
                 text);
    EXPECT_EQ(AXIS2_SUCCESS, axutil_env_check_status(env));
    axutil_env_free(env);
}
