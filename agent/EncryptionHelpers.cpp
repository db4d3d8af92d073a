// OpenSSL 3 declares the AES block functions deprecated; this file uses them on purpose (see
// Cbc), so it asks for the 1.1.1 interface, under which they are declared without the warning.
#define OPENSSL_API_COMPAT 10101

#include "EncryptionHelpers.h"

#include "Base64.h"
#include "BuildConfig.h"

#include <openssl/aes.h>
#include <openssl/crypto.h>

#include <algorithm>
#include <cstring>
#include <iostream>
#include <string_view>
#include <vector>

const unsigned char key[16] = TARVEL_AES_KEY_BYTES;
const unsigned char iv[16] = TARVEL_AES_IV_BYTES;

namespace
{
const std::string PlainText1 = "Toto";
const std::string PlainText1Encrypted = "+FngWlvw7mby0RiBeZN5yQ==";

const std::size_t blockSize = 16;

/// Raw CBC over whole blocks (padding is handled by the callers, as the server does).
/// Returns false when the key cannot be set up, which does not happen with a 128-bit key.
/// The AES block functions are used rather than the EVP interface: on its first use in a process,
/// EVP loads the OpenSSL configuration and builds the algorithm tables and name maps of the
/// default provider, which cost about 3 ms and 2 MB of memory in a run that decrypts a few
/// short values with a key compiled into the program. The result is the same AES-128-CBC.
bool Cbc(const unsigned char* in, std::size_t length, unsigned char* out, bool encrypt)
{
    unsigned char ivCopy[blockSize];
    std::memcpy(ivCopy, iv, blockSize);
    AES_KEY schedule;
    const int status = encrypt ? AES_set_encrypt_key(key, 128, &schedule) : AES_set_decrypt_key(key, 128, &schedule);
    if (status != 0)
        return false;
    if (length > 0)
        AES_cbc_encrypt(in, out, length, &schedule, ivCopy, encrypt ? AES_ENCRYPT : AES_DECRYPT);
    OPENSSL_cleanse(&schedule, sizeof schedule);
    return true;
}

/// Letters, digits (never bytes above 127, whatever a locale says), "+" and "/".
bool IsBase64Character(char c)
{
    return Base64::Value(static_cast<unsigned char>(c)) >= 0;
}
} // namespace

std::string base64_encode(const unsigned char* bytes, unsigned long length)
{
    return Base64::Encode(bytes, length);
}

std::string base64_decode(const std::string& text)
{
    // Decoding stops at the first "=" or the first character outside the alphabet.
    std::size_t end = 0;
    while (end < text.size() && IsBase64Character(text[end]))
        ++end;
    return Base64::DecodeSymbols(std::string_view(text).substr(0, end));
}

std::string EncryptionHelpers_Encrypt(std::string plaintext)
{
    const std::size_t paddedLength = plaintext.size() / blockSize * blockSize + blockSize;
    const unsigned char pad = static_cast<unsigned char>(paddedLength - plaintext.size());
    std::vector<unsigned char> buffer(paddedLength, pad);
    std::copy(plaintext.begin(), plaintext.end(), buffer.begin());
    std::vector<unsigned char> cipher(paddedLength);
    if (!Cbc(buffer.data(), paddedLength, cipher.data(), true))
        return std::string();
    std::string text = base64_encode(cipher.data(), cipher.size());
    if (text.find("==") == std::string::npos)
        text += "==";
    return text;
}

std::string EncryptionHelpers_Decrypt(std::string text)
{
    const std::string cipher = base64_decode(text);
    if (cipher.empty() || cipher.size() % blockSize != 0)
        return std::string();
    std::vector<unsigned char> plain(cipher.size());
    if (!Cbc(reinterpret_cast<const unsigned char*>(cipher.data()), cipher.size(), plain.data(), false))
        return std::string();
    std::string result(reinterpret_cast<const char*>(plain.data()), plain.size());
    const std::size_t pad = static_cast<unsigned char>(result.back());
    if (pad <= result.size())
        result.resize(result.size() - pad);
    return result;
}

bool EncryptionHelpers_TryDecrypt(const std::string& text, std::string& plaintext)
{
    // Whole base64: characters of the alphabet, then nothing but "=" padding (and the white space
    // a pretty-printed document leaves after a value, which decoding has always ignored).
    std::size_t end = 0;
    while (end < text.size() && IsBase64Character(text[end]))
        ++end;
    std::size_t rest = end;
    while (rest < text.size() && text[rest] == '=')
        ++rest;
    while (rest < text.size() && (text[rest] == ' ' || text[rest] == '\t' || text[rest] == '\n' || text[rest] == '\r'))
        ++rest;
    if (rest != text.size() || end % 4 == 1)
        return false;
    const std::string cipher = base64_decode(text);
    if (cipher.empty() || cipher.size() % blockSize != 0)
        return false;
    std::vector<unsigned char> plain(cipher.size());
    if (!Cbc(reinterpret_cast<const unsigned char*>(cipher.data()), cipher.size(), plain.data(), false))
        return false;
    // PKCS#7: the last byte gives the padding's length, 1 to 16, and every padding byte holds it.
    const std::size_t pad = plain.back();
    if (pad < 1 || pad > blockSize)
        return false;
    for (std::size_t i = plain.size() - pad; i < plain.size(); ++i)
    {
        if (plain[i] != pad)
            return false;
    }
    plaintext.assign(reinterpret_cast<const char*>(plain.data()), plain.size() - pad);
    OPENSSL_cleanse(plain.data(), plain.size());
    return true;
}

bool ASSERT(std::string expected, std::string actual, std::string label)
{
    const bool equal = expected == actual;
    std::cout << (equal ? "[PASSED] " : "[FAILED] ") << label << std::endl;
    return equal;
}

void AssertEncrypt(std::string plaintext, std::string expected)
{
    ASSERT(expected, EncryptionHelpers_Encrypt(plaintext), "Verify encryption:" + plaintext);
}

void AssertDecrypt(std::string text, std::string expected)
{
    ASSERT(expected, EncryptionHelpers_Decrypt(text), "Verify decryption:" + text);
}

void EncryptionHelpers_Test_Encrypt()
{
    AssertEncrypt(PlainText1, PlainText1Encrypted);
    AssertEncrypt("1a23b247-c9cf-43f5-a7ae-6b1ff4bdb52a",
                  "EatvdROM6lFmZCB235PAmF1HeBSM1mwsT7p75nm4IbexAXN2yZMJPTFZJtmLeQ3Z==");
    AssertEncrypt("24919a8d-2502-49ca-b37b-c348ee6e708c",
                  "wVW6JLgQHuk63mHGtALI1LpnFwAitrtdvNkGGhcdveMXzq2CmsOuauGbh0GWwYMO==");
    AssertEncrypt("4ca564d7-4f81-4c2c-9429-6609a57d26a5",
                  "AXQLrLjrG8pwr1t2/NX5ule+uGfPYrJmLYr2Tmd33ECP+qmLH6009fAcLu1z+DmN==");
    AssertEncrypt("9b739684-14d2-447f-865e-28e21576139a",
                  "6S1cQQ+pcRxqUxehKV6KIYT1PghYuSEaneFObZEKsO8cdCQueNyv4HyFs/q5RG65==");
    AssertEncrypt("f9b424d4-51a1-40e0-8eb1-1b9097af9811",
                  "hMECms2sAuGKm2NXffEb6s4Fi2ZH4Rrq6EDNVeP/8iBpYS57LozC0YALV+iSlVdO==");
    AssertEncrypt("897b5a9b-25c7-4c20-bd6a-c13ea4397a6a",
                  "gwuC1SUzCgjk59II92Avlzj0TbqZEoQXoEMya2k/khRoCzHgZvjcSCO/XSxVaZ6t==");
    AssertEncrypt("3a041f1f-a2ac-4453-a057-829c89692083",
                  "W2P2z/CR0Sd4+x3SM6RpCIG7NABBwC7VBXssaDfH7Di83yx3VOORDRZTluGseGY2==");
    AssertEncrypt("67a0279b-3337-4bc2-aa79-56c802eaa72f",
                  "FBwb5v41E/czHo+O+3azruKzfSEdDj/0LnMWvACmUiZALzmJUaP7p3tZwpVc3IVs==");
    AssertEncrypt("343c5f9c-35d1-4f4b-a04b-bf246fa1a19c",
                  "nA/Ek7zjJTw0FkPxV0yuBDDYdg7dSd2TNa2vQw/qCVYSTTJLFceObRnBimfrNUkR==");
    AssertEncrypt("9815a65a-dd46-44b9-a088-819c3d10c058",
                  "FyHAZ6kjy8rCn9L2hTnt2cJ3vqEMmnUxQ5nKF49oMWXNzGP1aadw9kuRJCdpo3zr==");
}

void EncryptionHelpers_Test_Decrypt()
{
    AssertDecrypt("+FngWlvw7mby0RiBeZN5yQ==", PlainText1);
    AssertDecrypt("ghjQ09GYGwS76LMSw1JpeKj0HnI47Ojd39viKZTFIsZPg7B62aA31FHfjMBDwpQJ==",
                  "79910cd7-cd3a-415f-9ce5-a178a44eb618");
    AssertDecrypt("b2JU87mYxOhaEBSvNthQjiY28sDPtIQdDEjXvJvjFDbg9Tw5eBI10DfxHnGqfdI9==",
                  "43f6bc7b-7cd0-464c-bbad-5b25a5e89027");
    AssertDecrypt("zIi4zQt2PNnsp2iL9VkFm4+ocfojPSkFWKpAN/NwKOq8PYLzkpu63Fu9Gf9ulnu4==",
                  "d10a688d-fc94-4a70-a0b5-bf1d66b2f43c");
    AssertDecrypt("UaIvAYLwSOiMDPnCdxh7Ubx6l1NVv62tlWgL93nluZxt8RjYUDSIpr3K1i9ucozL==",
                  "f9b2f089-b8f8-45e1-8c2b-b516a34e49c0");
    AssertDecrypt("hTplOb1vZnYZ8J6QV8LszpmoZ5ARxAe3f7+IydGuWMb7hFznWbmK/q66WV0szeY7==",
                  "a60e07d4-4a81-49f2-9f2e-3ed4478ef375");
    AssertDecrypt("0eBRMppOkrI3nA+8XDOkujpOi13kjmALmPKXNGcg8rRIWdW7/d3T3VfMvmo+BKrj==",
                  "a83ac778-0ddc-4528-a784-0a6540732ecf");
    AssertDecrypt("pNsBJPI+S593e7dD7GkzCitE472rG5jBtzeTF1kTmN+e4quVh8yaHptjaVynb46W==",
                  "ee412154-1818-4847-a252-ff80d5c9a593");
    AssertDecrypt("WlseLUe+sJeIjS14Y9Da8TjvQAh4W+U17DtjjiZxDRp9fF01ztrVVImba1xA0yBe==",
                  "1b8bf967-f3aa-415c-9e91-78d2cb6bb088");
    AssertDecrypt("YbDAJoU73vGH+xM0OqJbuoAwUTexXPw2wMoQIm+ACKfOgipHT97U7oWuDphP2PpW==",
                  "07467bcc-19d9-427f-ab4d-6d7e92ec259c");
    AssertDecrypt("4sAkE+FgLlnEqff8pTkccHPuy+APs4D2Mk/iga6wfWtoM474d11169lq12d/naLx==",
                  "aa30b1df-1f48-4b3e-9c8d-e2b43848e7e8");
    AssertDecrypt("dd2n+LRcSCVGoAsjHhqG4c2MobIpBfJ92KHz1/hwr7h2Z/egBS2H0eUnIywMjzli==",
                  "ddb06ce1-0300-4b40-b496-033983d02e42");
    AssertDecrypt(
        "7lvy6KlEqX4xZnPu7a2P5BLG34CzQzraOjgokta9TNXyR+nSvbtcqcy7uVI4r8gU1hJI6zzYGt3uWeW/hrlYgoaFux00aEw1ZO2LxMGLgb8+2B+VXr++03w0jTwyMJvs==",
        "ABCDEFGHIJKLMNOPQRSTUVWXYZ abcdefghijklmnopqrstuvwxyz 0123456789 !\"#$%&'()*+,-./:;<=>?@[ \\");
}
