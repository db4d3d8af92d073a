// Decryption of the property values that the server sends encrypted: AES-128-CBC with PKCS#7
// padding, carried as base64 text, under the key and IV agreed with the server at build time.
// Nothing here throws (apart from memory exhaustion): malformed input gives a result, not an error.
// All functions are re-entrant; the self-checks write to standard output.
#pragma once

#include <string>

/// Base64 text (standard alphabet, "=" padding, no line breaks) of `length` bytes.
std::string base64_encode(const unsigned char* bytes, unsigned long length);

/// The bytes that `text` encodes. Decoding stops without error at the first "=" or the first
/// character outside the alphabet; a trailing group of 2 or 3 characters still yields 1 or 2 bytes.
std::string base64_decode(const std::string& text);

/// Base64 ciphertext of `plaintext`; "==" is appended when the text holds no "==".
std::string EncryptionHelpers_Encrypt(std::string plaintext);

/// Plaintext of a value made by EncryptionHelpers_Encrypt. Returns the empty string when the
/// decoded ciphertext is empty or not a whole number of 16-byte blocks; text made under another
/// key gives meaningless bytes, undetected.
std::string EncryptionHelpers_Decrypt(std::string text);

/// Decrypts `text` as EncryptionHelpers_Decrypt does, but returns false, leaving `plaintext`
/// alone, when the text cannot be a value made by EncryptionHelpers_Encrypt: not whole base64
/// (only "=" and then white space may follow the encoded characters), a decoded length that is
/// not a whole, non-zero number of 16-byte blocks, or PKCS#7 padding that is not valid (which is
/// what most values made under another key give).
bool EncryptionHelpers_TryDecrypt(const std::string& text, std::string& plaintext);

/// Self-checks against fixed vectors of the default key: one "[PASSED] "/"[FAILED] " line each.
void EncryptionHelpers_Test_Encrypt();
void EncryptionHelpers_Test_Decrypt();

bool ASSERT(std::string expected, std::string actual, std::string label);
void AssertEncrypt(std::string plaintext, std::string expected);
void AssertDecrypt(std::string text, std::string expected);
