// Base64 coding and the xs:base64Binary value object.
#include "internal.h"

#include <axutil_base64.h>
#include <axutil_base64_binary.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

const char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

int Value(unsigned char c) {
  if (c >= 'A' && c <= 'Z') return c - 'A';
  if (c >= 'a' && c <= 'z') return c - 'a' + 26;
  if (c >= '0' && c <= '9') return c - '0' + 52;
  if (c == '+') return 62;
  if (c == '/') return 63;
  return -1;
}

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

std::string Encode(const unsigned char* data, size_t length) {
  std::string out;
  out.reserve((length + 2) / 3 * 4);
  for (size_t i = 0; i < length; i += 3) {
    unsigned value = data[i] << 16;
    if (i + 1 < length) value |= data[i + 1] << 8;
    if (i + 2 < length) value |= data[i + 2];
    out += kAlphabet[(value >> 18) & 63];
    out += kAlphabet[(value >> 12) & 63];
    out += i + 1 < length ? kAlphabet[(value >> 6) & 63] : '=';
    out += i + 2 < length ? kAlphabet[value & 63] : '=';
  }
  return out;
}

// Canonical padded base64 with whitespace allowed between characters.
bool Decode(const char* text, std::vector<unsigned char>* out) {
  std::string symbols;
  for (const char* p = text; *p; ++p)
    if (!IsSpace(*p)) symbols += *p;
  if (symbols.size() % 4 != 0) return false;
  out->clear();
  out->reserve(symbols.size() / 4 * 3);
  for (size_t i = 0; i < symbols.size(); i += 4) {
    bool last = i + 4 == symbols.size();
    int pads = 0;
    unsigned value = 0;
    for (size_t j = 0; j < 4; ++j) {
      char c = symbols[i + j];
      if (c == '=') {
        // Padding only at the very end, in the last one or two places.
        if (!last || j < 2) return false;
        ++pads;
        value <<= 6;
        continue;
      }
      int v = Value(static_cast<unsigned char>(c));
      if (v < 0 || pads) return false;
      value = (value << 6) | static_cast<unsigned>(v);
    }
    out->push_back(static_cast<unsigned char>(value >> 16));
    if (pads < 2) out->push_back(static_cast<unsigned char>(value >> 8));
    if (pads < 1) out->push_back(static_cast<unsigned char>(value));
  }
  return true;
}

}  // namespace

struct axutil_base64_binary {
  std::vector<unsigned char> plain;
};

extern "C" {

int axutil_base64_encode_len(int len) { return len < 0 ? 0 : (len + 2) / 3 * 4 + 1; }

int axutil_base64_encode(char* encoded, const char* string, int len) {
  if (!encoded || len < 0 || (len && !string)) return 0;
  try {
    std::string text = Encode(reinterpret_cast<const unsigned char*>(string),
                              static_cast<size_t>(len));
    std::memcpy(encoded, text.c_str(), text.size() + 1);
    return static_cast<int>(text.size());
  } catch (...) {
    return 0;
  }
}

int axutil_base64_decode_len(const char* encoded) {
  if (!encoded) return -1;
  size_t symbols = 0;
  for (const char* p = encoded; *p; ++p)
    if (!IsSpace(*p)) ++symbols;
  return symbols % 4 ? -1 : static_cast<int>(symbols / 4 * 3);
}

int axutil_base64_decode(char* plain, const char* encoded) {
  if (!plain || !encoded) return -1;
  try {
    std::vector<unsigned char> bytes;
    if (!Decode(encoded, &bytes)) return -1;
    if (!bytes.empty()) std::memcpy(plain, bytes.data(), bytes.size());
    return static_cast<int>(bytes.size());
  } catch (...) {
    return -1;
  }
}

axutil_base64_binary_t* axutil_base64_binary_create(const axutil_env_t* env) {
  return axis2c::Guard<axutil_base64_binary_t*>(env, nullptr,
                                                [] { return new axutil_base64_binary(); });
}

axutil_base64_binary_t* axutil_base64_binary_create_with_plain_binary(
    const axutil_env_t* env, const unsigned char* plain_binary, int plain_binary_len) {
  axutil_base64_binary_t* binary = axutil_base64_binary_create(env);
  if (binary &&
      axutil_base64_binary_set_plain_binary(binary, env, plain_binary, plain_binary_len) !=
          AXIS2_SUCCESS) {
    delete binary;
    return nullptr;
  }
  return binary;
}

axutil_base64_binary_t* axutil_base64_binary_create_with_encoded_binary(
    const axutil_env_t* env, const char* encoded_binary) {
  axutil_base64_binary_t* binary = axutil_base64_binary_create(env);
  if (binary &&
      axutil_base64_binary_set_encoded_binary(binary, env, encoded_binary) != AXIS2_SUCCESS) {
    delete binary;
    return nullptr;
  }
  return binary;
}

void axutil_base64_binary_free(axutil_base64_binary_t* base64_binary, const axutil_env_t*) {
  delete base64_binary;
}

axis2_status_t axutil_base64_binary_set_plain_binary(axutil_base64_binary_t* base64_binary,
                                                     const axutil_env_t* env,
                                                     const unsigned char* plain_binary,
                                                     int plain_binary_len) {
  if (!axis2c::Present(env, base64_binary)) return AXIS2_FAILURE;
  if (plain_binary_len < 0 || (plain_binary_len > 0 && !plain_binary)) {
    axis2c::SetError(env, AXIS2_ERROR_INVALID_BASE_TYPE);
    return AXIS2_FAILURE;
  }
  return axis2c::Guard<axis2_status_t>(env, AXIS2_FAILURE, [&] {
    base64_binary->plain.assign(plain_binary, plain_binary + plain_binary_len);
    return AXIS2_SUCCESS;
  });
}

unsigned char* axutil_base64_binary_get_plain_binary(axutil_base64_binary_t* base64_binary,
                                                     const axutil_env_t* env,
                                                     int* plain_binary_len) {
  if (!axis2c::Present(env, base64_binary)) return nullptr;
  if (plain_binary_len) *plain_binary_len = static_cast<int>(base64_binary->plain.size());
  return base64_binary->plain.data();
}

axis2_status_t axutil_base64_binary_set_encoded_binary(axutil_base64_binary_t* base64_binary,
                                                       const axutil_env_t* env,
                                                       const char* encoded_binary) {
  if (!axis2c::Present(env, base64_binary) || !axis2c::Present(env, encoded_binary))
    return AXIS2_FAILURE;
  return axis2c::Guard<axis2_status_t>(env, AXIS2_FAILURE, [&] {
    std::vector<unsigned char> decoded;
    if (!Decode(encoded_binary, &decoded)) {
      axis2c::SetError(env, AXIS2_ERROR_INVALID_BASE_TYPE, "not valid base64 data");
      return AXIS2_FAILURE;
    }
    base64_binary->plain.swap(decoded);
    return AXIS2_SUCCESS;
  });
}

char* axutil_base64_binary_get_encoded_binary(axutil_base64_binary_t* base64_binary,
                                              const axutil_env_t* env) {
  if (!axis2c::Present(env, base64_binary)) return nullptr;
  return axis2c::Guard<char*>(env, nullptr, [&] {
    return axis2c::CopyToAllocator(
        env, Encode(base64_binary->plain.data(), base64_binary->plain.size()));
  });
}

int axutil_base64_binary_get_encoded_binary_len(axutil_base64_binary_t* base64_binary,
                                                const axutil_env_t*) {
  if (!base64_binary) return 0;
  return static_cast<int>((base64_binary->plain.size() + 2) / 3 * 4);
}

int axutil_base64_binary_get_decoded_binary_len(axutil_base64_binary_t* base64_binary,
                                                const axutil_env_t*) {
  return base64_binary ? static_cast<int>(base64_binary->plain.size()) : 0;
}

}  // extern "C"
