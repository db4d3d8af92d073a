#include "XmlText.h"

#include <gtest/gtest.h>

TEST(XmlText, AcceptsWhatXmlCarries)
{
    EXPECT_TRUE(XmlText::IsValid(""));
    EXPECT_TRUE(XmlText::IsValid("plain \t\r\n text"));
    EXPECT_TRUE(XmlText::IsValid("\xc3\xa9\xe2\x82\xac\xf0\x9f\x98\x80")); // é € 😀
    EXPECT_TRUE(XmlText::IsValid("\xef\xbf\xbd"));                         // U+FFFD
}

TEST(XmlText, RejectsBrokenUtf8AndForbiddenCharacters)
{
    EXPECT_FALSE(XmlText::IsValid(std::string("nul\0", 4)));
    EXPECT_FALSE(XmlText::IsValid("bell\x07"));
    EXPECT_FALSE(XmlText::IsValid("\xff"));
    EXPECT_FALSE(XmlText::IsValid("\xc3"));             // cut short
    EXPECT_FALSE(XmlText::IsValid("\xc0\xaf"));         // overlong "/"
    EXPECT_FALSE(XmlText::IsValid("\xed\xa0\x80"));     // surrogate
    EXPECT_FALSE(XmlText::IsValid("\xef\xbf\xbe"));     // U+FFFE
    EXPECT_FALSE(XmlText::IsValid("\xf4\x90\x80\x80")); // above U+10FFFF
}

TEST(XmlText, SanitizeReplacesEachBadSequenceOnce)
{
    const std::string r = "\xef\xbf\xbd";
    EXPECT_EQ(XmlText::Sanitize("fine"), "fine");
    EXPECT_EQ(XmlText::Sanitize("a\x01"
                                "b"),
              "a" + r + "b");
    EXPECT_EQ(XmlText::Sanitize("a\xff\xfe"
                                "b"),
              "a" + r + r + "b");
    EXPECT_EQ(XmlText::Sanitize("a\xef\xbf\xbe"
                                "b"),
              "a" + r + "b");
    EXPECT_EQ(XmlText::Sanitize("end\xc3"), "end" + r);
    EXPECT_EQ(XmlText::Sanitize("\xe2\x82"
                                "x"),
              r + "x");
    EXPECT_TRUE(XmlText::IsValid(XmlText::Sanitize(std::string("\0\x80\xbf\xc3\xa9\xf0", 6))));
}
