#include "Proxy.h"

#include <gtest/gtest.h>

namespace
{
std::string Sanitized(std::string text)
{
    Proxy proxy("axis2", "http://localhost/Ostrel2", "unused.log");
    proxy.SanitizeWorkItem(text);
    return text;
}
} // namespace

TEST(SanitizeWorkItem, CutsTheEncodingOfTheXmlDeclaration)
{
    EXPECT_EQ(Sanitized("<?xml version=\"1.0\" encoding=\"utf-16\"?><w id='1'/>"),
              "<?xml version=\"1.0\" ?><w id='1'/>");
    EXPECT_EQ(Sanitized("<?xml version='1.0' encoding='UTF-8' standalone='yes'?><w/>"),
              "<?xml version='1.0'  standalone='yes'?><w/>");
    // Mismatched quotes: the cut still ends at the second quote character.
    EXPECT_EQ(Sanitized("<?xml version=\"1.0\" encoding='utf-8\"?><w/>"), "<?xml version=\"1.0\" ?><w/>");
    EXPECT_EQ(Sanitized("\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"utf-16\"?><w/>"),
              "\xEF\xBB\xBF<?xml version=\"1.0\" ?><w/>");
}

TEST(SanitizeWorkItem, LeavesContentAlone)
{
    const std::string withoutDeclaration = "<w><parameter name='n'>encoding=\"utf-16\"</parameter></w>";
    EXPECT_EQ(Sanitized(withoutDeclaration), withoutDeclaration);
    const std::string plainDeclaration = "<?xml version=\"1.0\"?><w><parameter name='n'>encoding='x'</parameter></w>";
    EXPECT_EQ(Sanitized(plainDeclaration), plainDeclaration);
    EXPECT_EQ(Sanitized(""), "");
}

TEST(SanitizeWorkItem, UnterminatedDeclarationLosesItsEncodingToTheEnd)
{
    EXPECT_EQ(Sanitized("<?xml version=\"1.0\" encoding=\"utf"), "<?xml version=\"1.0\" ");
    EXPECT_EQ(Sanitized("<?xml version=\"1.0\" encoding=utf?><w/>"), "<?xml version=\"1.0\" ?><w/>");
}
