// The message bindings and the client stub of ProxyAgentService, through the engine's own
// environment, node trees and log.
#include "AXIS/axis2_stub_ProxyAgentService.h"
#include "TempDirectory.h"

#include <gtest/gtest.h>

#include <string>

namespace
{
class Bindings : public ::testing::Test
{
protected:
    Bindings()
        : env(axutil_env_create_all((dir / "axis.log").c_str(), AXIS2_LOG_LEVEL_TRACE))
    {
    }

    ~Bindings() override
    {
        axutil_env_free(env);
    }

    /// The XML text of a serialized request.
    std::string Text(axiom_node_t* node)
    {
        axis2_char_t* text = axiom_node_to_string(node, env);
        std::string result = text ? text : "";
        AXIS2_FREE(env->allocator, text);
        axiom_node_free_tree(node, env);
        return result;
    }

    /// A reply node tree; freed by the fixture.
    axiom_node_t* Reply(const std::string& xml)
    {
        std::string copy = xml;
        axiom_node_t* node = axiom_node_create_from_buffer(env, &copy[0]);
        EXPECT_NE(node, nullptr) << xml;
        trees.push_back(node);
        return node;
    }

    void TearDown() override
    {
        for (axiom_node_t* node : trees)
            axiom_node_free_tree(node, env);
    }

    std::string Log() const
    {
        return TempDirectory::Read(dir / "axis.log");
    }

    TempDirectory dir;
    axutil_env_t* env;
    std::vector<axiom_node_t*> trees;
};

const std::string ns = "http://orvex.example/Ostrel";
} // namespace

TEST_F(Bindings, RequestsSerializeWithPrefixN)
{
    adb_GetWorkItem_t* request = adb_GetWorkItem_create_with_values(env, (axis2_char_t*)"agent-1");
    EXPECT_EQ(Text(adb_GetWorkItem_serialize(request, env, NULL, NULL, AXIS2_TRUE, NULL, NULL)),
              "<n:GetWorkItem xmlns:n=\"" + ns + "\"><n:agentID>agent-1</n:agentID></n:GetWorkItem>");
    adb_GetWorkItem_free(request, env);

    adb_WorkItemComplete_t* complete = adb_WorkItemComplete_create_with_values(
        env, (axis2_char_t*)"<workItemResponse id=\"1\">a & b</workItemResponse>");
    EXPECT_EQ(Text(adb_WorkItemComplete_serialize(complete, env, NULL, NULL, AXIS2_TRUE, NULL, NULL)),
              "<n:WorkItemComplete xmlns:n=\"" + ns +
                  "\"><n:response>&lt;workItemResponse id=&quot;1&quot;&gt;a &amp; b"
                  "&lt;/workItemResponse&gt;</n:response></n:WorkItemComplete>");
    adb_WorkItemComplete_free(complete, env);
}

TEST_F(Bindings, EmptyAndAbsentValues)
{
    adb_GetWorkItem_t* empty = adb_GetWorkItem_create_with_values(env, (axis2_char_t*)"");
    EXPECT_EQ(Text(adb_GetWorkItem_serialize(empty, env, NULL, NULL, AXIS2_TRUE, NULL, NULL)),
              "<n:GetWorkItem xmlns:n=\"" + ns + "\"><n:agentID></n:agentID></n:GetWorkItem>");
    adb_GetWorkItem_free(empty, env);

    adb_GetWorkItem_t* absent = adb_GetWorkItem_create_with_values(env, NULL);
    ASSERT_NE(absent, nullptr);
    EXPECT_TRUE(adb_GetWorkItem_is_agentID_nil(absent, env));
    EXPECT_EQ(Text(adb_GetWorkItem_serialize(absent, env, NULL, NULL, AXIS2_TRUE, NULL, NULL)),
              "<n:GetWorkItem xmlns:n=\"" + ns + "\"></n:GetWorkItem>");
    adb_GetWorkItem_free(absent, env);

    adb_WorkItemCompleteResponse_t* none = adb_WorkItemCompleteResponse_create(env);
    EXPECT_EQ(Text(adb_WorkItemCompleteResponse_serialize(none, env, NULL, NULL, AXIS2_TRUE, NULL, NULL)),
              "<n:WorkItemCompleteResponse xmlns:n=\"" + ns + "\"></n:WorkItemCompleteResponse>");
    adb_WorkItemCompleteResponse_free(none, env);
}

TEST_F(Bindings, SettersCopyResetAndPop)
{
    adb_GetWorkItem_t* request = adb_GetWorkItem_create(env);
    std::string value = "first";
    ASSERT_EQ(adb_GetWorkItem_set_agentID(request, env, value.c_str()), AXIS2_SUCCESS);
    value[0] = 'F';
    EXPECT_STREQ(adb_GetWorkItem_get_agentID(request, env), "first");
    // Setting the value already held is a no-op.
    EXPECT_EQ(adb_GetWorkItem_set_agentID(request, env, adb_GetWorkItem_get_agentID(request, env)), AXIS2_SUCCESS);
    EXPECT_STREQ(adb_GetWorkItem_get_property1(request, env), "first");
    EXPECT_EQ(adb_GetWorkItem_set_agentID_nil(request, env), AXIS2_SUCCESS);
    EXPECT_TRUE(adb_GetWorkItem_is_agentID_nil(request, env));
    EXPECT_EQ(adb_GetWorkItem_get_agentID(request, env), nullptr);
    adb_GetWorkItem_set_agentID(request, env, "kept");
    axis2_char_t* popped = adb_GetWorkItem_free_popping_value(request, env);
    EXPECT_STREQ(popped, "kept");
    AXIS2_FREE(env->allocator, popped);
    EXPECT_FALSE(adb_GetWorkItem_is_particle());
}

TEST_F(Bindings, NullRecordsSetTheNullParameterError)
{
    EXPECT_EQ(adb_GetWorkItemResponse_get_GetWorkItemResult(NULL, env), nullptr);
    EXPECT_EQ(env->error->error_number, AXIS2_ERROR_INVALID_NULL_PARAM);
    env->error->error_number = AXIS2_ERROR_NONE;
    EXPECT_EQ(adb_GetWorkItemResponse_free(NULL, env), AXIS2_FAILURE);
    EXPECT_EQ(env->error->error_number, AXIS2_ERROR_INVALID_NULL_PARAM);
    EXPECT_TRUE(adb_GetWorkItem_is_agentID_nil(NULL, env));
    EXPECT_EQ(adb_WorkItemCompleteResponse_free(NULL, env), AXIS2_FAILURE);
}

TEST_F(Bindings, ResponseTextIsTakenWithEntitiesResolved)
{
    adb_GetWorkItemResponse_t* response = adb_GetWorkItemResponse_create(env);
    axiom_node_t* node = Reply("<r:GetWorkItemResponse xmlns:r='" + ns +
                               "'>text before<r:GetWorkItemResult>"
                               "&lt;workitem id=&quot;1&quot;/&gt;</r:GetWorkItemResult></r:GetWorkItemResponse>");
    ASSERT_EQ(adb_GetWorkItemResponse_deserialize(response, env, &node, NULL, AXIS2_FALSE), AXIS2_SUCCESS);
    EXPECT_STREQ(adb_GetWorkItemResponse_get_GetWorkItemResult(response, env), "<workitem id=\"1\"/>");
    adb_GetWorkItemResponse_free(response, env);
}

TEST_F(Bindings, ResponsesWithoutResultTextDeserializeUnset)
{
    const std::vector<std::string> forms = {
        "<GetWorkItemResponse xmlns='" + ns + "'><GetWorkItemResult/></GetWorkItemResponse>",
        "<GetWorkItemResponse xmlns='" + ns +
            "' xmlns:i='http://www.w3.org/2001/XMLSchema-instance'>"
            "<GetWorkItemResult i:nil='true'></GetWorkItemResult></GetWorkItemResponse>",
        "<GetWorkItemResponse xmlns='" + ns + "'/>",
        "<GetWorkItemResponse xmlns='" + ns +
            "'><Other>x</Other><GetWorkItemResult>late</GetWorkItemResult></GetWorkItemResponse>",
        "<GetWorkItemResponse xmlns='" + ns +
            "'><GetWorkItemResult xmlns='urn:other'>x</GetWorkItemResult></GetWorkItemResponse>",
    };
    for (const std::string& form : forms)
    {
        adb_GetWorkItemResponse_t* response = adb_GetWorkItemResponse_create(env);
        axiom_node_t* node = Reply(form);
        EXPECT_EQ(adb_GetWorkItemResponse_deserialize(response, env, &node, NULL, AXIS2_FALSE), AXIS2_SUCCESS) << form;
        EXPECT_EQ(adb_GetWorkItemResponse_get_GetWorkItemResult(response, env), nullptr) << form;
        adb_GetWorkItemResponse_free(response, env);
    }
    EXPECT_EQ(Log().find("[error]"), std::string::npos) << Log();
}

TEST_F(Bindings, WrongReplyElementsAreRejectedWithTheirLogTexts)
{
    adb_GetWorkItemResponse_t* response = adb_GetWorkItemResponse_create(env);
    axiom_node_t* node = Reply("<GetWorkItemResponse xmlns='urn:elsewhere'/>");
    EXPECT_EQ(adb_GetWorkItemResponse_deserialize(response, env, &node, NULL, AXIS2_FALSE), AXIS2_FAILURE);
    EXPECT_NE(Log().find("Failed in building adb object for GetWorkItemResponse : Expected GetWorkItemResponse|" + ns +
                         " but returned GetWorkItemResponse|urn:elsewhere"),
              std::string::npos)
        << Log();
    EXPECT_NE(Log().find("AXIS/adb_GetWorkItemResponse"), std::string::npos);

    axiom_node_t* nothing = NULL;
    EXPECT_EQ(adb_GetWorkItemResponse_deserialize(response, env, &nothing, NULL, AXIS2_FALSE), AXIS2_FAILURE);
    EXPECT_NE(Log().find("Failed in building adb object for GetWorkItemResponse : NULL elemenet can not be passed to "
                         "deserialize"),
              std::string::npos);
    adb_GetWorkItemResponse_free(response, env);

    // A response element without content is checked by its name all the same: another element
    // is not the operation's answer.
    adb_WorkItemCompleteResponse_t* completed = adb_WorkItemCompleteResponse_create(env);
    axiom_node_t* other = Reply("<WorkItemCompleteResponse xmlns='urn:x'/>");
    EXPECT_EQ(adb_WorkItemCompleteResponse_deserialize(completed, env, &other, NULL, AXIS2_FALSE), AXIS2_FAILURE);
    EXPECT_NE(Log().find("Expected WorkItemCompleteResponse|" + ns + " but returned WorkItemCompleteResponse|urn:x"),
              std::string::npos)
        << Log();
    axiom_node_t* own = Reply("<WorkItemCompleteResponse xmlns='" + ns + "'/>");
    EXPECT_EQ(adb_WorkItemCompleteResponse_deserialize(completed, env, &own, NULL, AXIS2_FALSE), AXIS2_SUCCESS);
    adb_WorkItemCompleteResponse_free(completed, env);
}

TEST_F(Bindings, StubClearsTheSoapActionAfterEveryOperation)
{
    axis2_stub_t* stub =
        axis2_stub_create_ProxyAgentService(env, (dir / "no-client-home").c_str(), "http://127.0.0.1:9/Ostrel2");
    ASSERT_NE(stub, nullptr) << axutil_error_get_message(env->error);
    auto* options =
        const_cast<axis2_options_t*>(axis2_svc_client_get_options(axis2_stub_get_svc_client(stub, env), env));

    adb_GetWorkItem_t* request = adb_GetWorkItem_create_with_values(env, (axis2_char_t*)"agent");
    EXPECT_EQ(axis2_stub_op_ProxyAgentService_GetWorkItem(stub, env, request), nullptr);
    EXPECT_NE(env->error->error_number, AXIS2_ERROR_NONE);
    EXPECT_EQ(axis2_options_get_soap_action(options, env), nullptr);
    adb_GetWorkItem_free(request, env);

    adb_WorkItemComplete_t* complete = adb_WorkItemComplete_create_with_values(env, (axis2_char_t*)"<r/>");
    EXPECT_EQ(axis2_stub_op_ProxyAgentService_WorkItemComplete(stub, env, complete), nullptr);
    EXPECT_EQ(axis2_options_get_soap_action(options, env), nullptr);
    adb_WorkItemComplete_free(complete, env);

    EXPECT_STREQ(axis2_stub_get_endpoint_uri_of_ProxyAgentService(env), "http://localhost/Ostrel2");
    axis2_stub_free(stub, env);

    EXPECT_EQ(axis2_stub_create_ProxyAgentService(env, NULL, NULL), nullptr);
    EXPECT_EQ(env->error->error_number, AXIS2_ERROR_INVALID_NULL_PARAM);
}
