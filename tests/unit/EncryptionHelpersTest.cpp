#include "EncryptionHelpers.h"

#include <gtest/gtest.h>

#include <iostream>
#include <sstream>

namespace
{
/// Collects what the self-checks print.
class CaptureStdout
{
public:
    CaptureStdout()
        : previous(std::cout.rdbuf(buffer.rdbuf()))
    {
    }
    ~CaptureStdout()
    {
        std::cout.rdbuf(previous);
    }
    std::string Text() const
    {
        return buffer.str();
    }

private:
    std::ostringstream buffer;
    std::streambuf* previous;
};

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);)
        lines.push_back(line);
    return lines;
}
} // namespace

TEST(Base64, DecodesWithAndWithoutPadding)
{
    EXPECT_EQ(base64_decode("QUJD"), "ABC");
    EXPECT_EQ(base64_decode("QUI"), "AB");
    EXPECT_EQ(base64_decode("QUI="), "AB");
    EXPECT_EQ(base64_decode("QQ=="), "A");
    EXPECT_EQ(base64_decode("QQ"), "A");
    EXPECT_EQ(base64_decode("Q"), "");
    EXPECT_EQ(base64_decode(""), "");
}

TEST(Base64, StopsAtTheFirstForeignCharacter)
{
    EXPECT_EQ(base64_decode("QUJD\nREVG"), "ABC");
    EXPECT_EQ(base64_decode("QUJD REVG"), "ABC");
    EXPECT_EQ(base64_decode("QUI=QUJD"), "AB");
    // Bytes above 127 are never letters, whatever the platform's locale tables say.
    EXPECT_EQ(base64_decode("QUJD\xc3\xa9REVG"), "ABC");
}

TEST(Base64, EncodeRoundTripsEveryRemainder)
{
    const std::string bytes("\x00\xff\x10 binary\x01", 11);
    for (std::size_t length = 0; length <= bytes.size(); ++length)
    {
        const std::string part = bytes.substr(0, length);
        const std::string text = base64_encode(reinterpret_cast<const unsigned char*>(part.data()), part.size());
        EXPECT_EQ(text.size() % 4, 0u);
        EXPECT_EQ(base64_decode(text), part) << length;
    }
    EXPECT_EQ(base64_encode(reinterpret_cast<const unsigned char*>("ABC"), 3), "QUJD");
    EXPECT_EQ(base64_encode(reinterpret_cast<const unsigned char*>("AB"), 2), "QUI=");
}

TEST(Encryption, RoundTripsAnyText)
{
    for (const std::string& text :
         {std::string(), std::string("Toto"), std::string(16, 'x'), std::string("zero\0bytes\0", 11),
          std::string(1000, '\xee'), std::string("\xc3\xa9t\xc3\xa9")})
        EXPECT_EQ(EncryptionHelpers_Decrypt(EncryptionHelpers_Encrypt(text)), text);
}

TEST(Encryption, CiphertextLengthsFollowTheBlockCount)
{
    const std::string empty = EncryptionHelpers_Encrypt("");
    EXPECT_EQ(empty.size(), 24u);
    EXPECT_EQ(empty.substr(22), "==");
    const std::string oneBlock = EncryptionHelpers_Encrypt(std::string(16, 'a'));
    EXPECT_EQ(oneBlock.size(), 46u);
    EXPECT_EQ(oneBlock.substr(43), "===");
    EXPECT_EQ(EncryptionHelpers_Encrypt("00112233-4455-6677-8899-aabbccddeeff").size(), 66u);
}

TEST(Encryption, MatchesTheServersCiphertext)
{
    // Computed with: printf Toto | openssl enc -aes-128-cbc -K <key> -iv <iv> -base64 -A
    EXPECT_EQ(EncryptionHelpers_Encrypt("Toto"), "+FngWlvw7mby0RiBeZN5yQ==");
    EXPECT_EQ(EncryptionHelpers_Decrypt("X1GZ3ALSiOnyEJw/FX69SA=="), "s3cret-Passw0rd");
}

TEST(Encryption, MalformedCiphertextGivesAResultNotACrash)
{
    EXPECT_EQ(EncryptionHelpers_Decrypt(""), "");
    EXPECT_EQ(EncryptionHelpers_Decrypt("not base64 at all"), "");
    EXPECT_EQ(EncryptionHelpers_Decrypt("QUJD"), "");                      // 3 bytes: not a whole block
    EXPECT_EQ(EncryptionHelpers_Decrypt(std::string(40, 'A') + "=="), ""); // 30 bytes
    // A whole block that was not made under our key decrypts to something, undetected.
    const std::string garbage = EncryptionHelpers_Decrypt("AAAAAAAAAAAAAAAAAAAAAA==");
    EXPECT_LE(garbage.size(), 16u);
}

TEST(Encryption, SelfChecksPassEveryVector)
{
    CaptureStdout capture;
    EncryptionHelpers_Test_Encrypt();
    EncryptionHelpers_Test_Decrypt();
    const std::vector<std::string> lines = Lines(capture.Text());
    ASSERT_EQ(lines.size(), 24u);
    for (const std::string& line : lines)
        EXPECT_EQ(line.rfind("[PASSED] Verify ", 0), 0u) << line;
    EXPECT_EQ(lines[0], "[PASSED] Verify encryption:Toto");
    EXPECT_EQ(lines[11], "[PASSED] Verify decryption:+FngWlvw7mby0RiBeZN5yQ==");
    EXPECT_EQ(lines[23].size(), std::string("[PASSED] Verify decryption:").size() + 130);
}

TEST(Encryption, AssertReportsAMismatch)
{
    CaptureStdout capture;
    EXPECT_FALSE(ASSERT("a", "b", "label"));
    EXPECT_TRUE(ASSERT("a", "a", "same"));
    EXPECT_EQ(capture.Text(), "[FAILED] label\n[PASSED] same\n");
}

TEST(Decryption, TellsAValueThatCannotBeTheServersFromOneThatIs)
{
    std::string plaintext = "untouched";
    for (const std::string& text : {std::string("not*base64"), std::string("QUJD"), std::string("Q"),
                                    std::string(" ") + EncryptionHelpers_Encrypt("a"),
                                    EncryptionHelpers_Encrypt("a") + "x", EncryptionHelpers_Encrypt("a").substr(0, 20),
                                    // One block of zeros: its padding is whatever the cipher makes of it.
                                    std::string("AAAAAAAAAAAAAAAAAAAAAA==")})
    {
        EXPECT_FALSE(EncryptionHelpers_TryDecrypt(text, plaintext)) << text;
        EXPECT_EQ(plaintext, "untouched");
    }
    for (const std::string& value : {std::string(), std::string("pa55"), std::string(16, 'x'), std::string("a\0b", 3)})
    {
        const std::string text = EncryptionHelpers_Encrypt(value);
        ASSERT_TRUE(EncryptionHelpers_TryDecrypt(text, plaintext)) << text;
        EXPECT_EQ(plaintext, value);
        // What a pretty-printed work item leaves after a value has always been ignored.
        ASSERT_TRUE(EncryptionHelpers_TryDecrypt(text + "\n    ", plaintext));
        EXPECT_EQ(plaintext, value);
    }
}

TEST(Decryption, MostValuesMadeUnderAnotherKeyAreRecognised)
{
    // 400 values encrypted under other keys: the padding check alone lets through only the few
    // whose last block happens to end in valid padding (about 1 in 256).
    int accepted = 0;
    for (int i = 0; i < 400; ++i)
    {
        std::string cipher(32, '\0');
        for (std::size_t j = 0; j < cipher.size(); ++j)
            cipher[j] = static_cast<char>((i * 131 + j * 29 + (i * j) % 251) & 0xff);
        std::string plaintext;
        if (EncryptionHelpers_TryDecrypt(
                base64_encode(reinterpret_cast<const unsigned char*>(cipher.data()), cipher.size()), plaintext))
            ++accepted;
    }
    EXPECT_LE(accepted, 8);
}
