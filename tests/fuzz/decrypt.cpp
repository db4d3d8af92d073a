// base64 and the decryption of property values: any text decodes and decrypts to some result
// without a fault, a value the checked decryption accepts decrypts to the same result, and
// encoding or encrypting any bytes comes back unchanged.
#include "FuzzCheck.h"

#include "EncryptionHelpers.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string input(reinterpret_cast<const char*>(data), size);

    const std::string decoded = base64_decode(input);
    FUZZ_REQUIRE(decoded.size() <= input.size() / 4 * 3 + 2);
    const std::string plain = EncryptionHelpers_Decrypt(input);
    FUZZ_REQUIRE(plain.size() <= decoded.size());
    std::string checked;
    if (EncryptionHelpers_TryDecrypt(input, checked))
        FUZZ_REQUIRE(checked == plain && !decoded.empty() && decoded.size() % 16 == 0);

    FUZZ_REQUIRE(base64_decode(base64_encode(data, size)) == input);
    FUZZ_REQUIRE(EncryptionHelpers_Decrypt(EncryptionHelpers_Encrypt(input)) == input);
    FUZZ_REQUIRE(EncryptionHelpers_TryDecrypt(EncryptionHelpers_Encrypt(input), checked) && checked == input);
    return 0;
}
