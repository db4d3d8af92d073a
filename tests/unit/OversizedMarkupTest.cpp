// Expat 2.5 takes time quadratic in the length of one tag, comment or declaration, so documents
// from outside with oversized markup are refused before parsing, by the work item parser and by
// the engine's reply reader. Text content stays unlimited: it is parsed in parts.
#include "WorkItem.h"
#include "XmlShape.h"

#include <axiom.h>
#include <axutil_env.h>
#include <axutil_error.h>

#include <Poco/XML/XMLException.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace
{
const std::size_t limit = XmlShape::markupLimit;
// Far beyond the limit: without the check each of these would keep the parser busy for minutes.
const std::size_t huge = 50u * 1024 * 1024;

std::string Repeat(char c, std::size_t count)
{
    return std::string(count, c);
}
} // namespace

TEST(OversizedMarkup, WorkItemIsRefusedBeforeParsing)
{
    for (const std::string& text :
         {"<workitem id='" + Repeat('x', huge) + "'/>", "<w><!--" + Repeat('x', huge) + "--></w>", Repeat('0', huge)})
    {
        WorkItem item;
        try
        {
            item.Parse(text);
            ADD_FAILURE() << "accepted";
        }
        catch (const Poco::XML::XMLException& exc)
        {
            EXPECT_NE(exc.message().find("bytes of markup in one piece"), std::string::npos) << exc.message();
        }
    }
    WorkItem item;
    item.Parse("<workitem id='" + Repeat('x', limit - 20) + "'><parameter name='big'>" + Repeat('v', 4 * limit) +
               "</parameter></workitem>");
    EXPECT_EQ(item.GetProperty("big").size(), 4 * limit);
}

TEST(OversizedMarkup, EngineRefusesTheReplyBeforeParsing)
{
    const std::unique_ptr<axutil_env_t, decltype(&axutil_env_free)> env(
        axutil_env_create_all(nullptr, AXIS2_LOG_LEVEL_CRITICAL), &axutil_env_free);
    std::string reply = "<Envelope><Body a='" + Repeat('x', huge) + "'/></Envelope>";
    EXPECT_EQ(axiom_node_create_from_buffer(env.get(), &reply[0]), nullptr);
    EXPECT_EQ(env->error->error_number, AXIS2_ERROR_INVALID_DOCUMENT_STATE_ROOT_NULL);
    EXPECT_NE(std::string(axutil_error_get_message(env->error)).find("bytes of markup in one piece"),
              std::string::npos);

    std::string text = "<Envelope><Body>" + Repeat('x', huge) + "</Body></Envelope>";
    axiom_node_t* tree = axiom_node_create_from_buffer(env.get(), &text[0]);
    EXPECT_NE(tree, nullptr);
    axiom_node_free_tree(tree, env.get());
}
