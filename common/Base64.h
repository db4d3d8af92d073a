// The base64 alphabet of RFC 4648 and its groups of four characters, for the agent's encrypted
// property values and the engine's base64 values alike; each keeps its own rules for what text
// it accepts around the characters (padding, white space, where decoding stops).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

class Base64
{
public:
    /// Base64 text of `length` bytes, "=" padded, without line breaks.
    static std::string Encode(const unsigned char* bytes, std::size_t length);
    /// The value (0–63) of an alphabet character, or -1 for any other.
    static int Value(unsigned char c);
    /// The bytes of `symbols`, which must all be alphabet characters: each group of four gives
    /// three bytes, a final group of two or three one or two bytes, a single character nothing.
    static std::string DecodeSymbols(std::string_view symbols);
};
