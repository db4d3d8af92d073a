// JSON text built by hand, one value at a time: the agent writes its run history and the status
// command its report with it. Any bytes may reach it (a server's fault text, a script's error
// file, a name from the state directory): a string is always written as valid UTF-8, each byte
// that is no part of a well-formed UTF-8 sequence replaced by U+FFFD, control characters escaped.
// Nothing here throws but std::bad_alloc; commas and nesting are the caller's order of calls.
#pragma once

#include <cstdint>
#include <string>

class JsonText
{
public:
    /// `text` as a JSON string, quotes included.
    static std::string Quote(const std::string& text);

    /// Starts an object or array, as a value of the last key (or of the array it is in).
    JsonText& Open(char bracket);
    /// Ends the innermost object ('}') or array (']').
    JsonText& Close(char bracket);
    /// A key of the object being written; the next call writes its value.
    JsonText& Key(const std::string& key);
    JsonText& String(const std::string& value);
    JsonText& Number(std::int64_t value);
    /// A number with three decimals, as for seconds.
    JsonText& Decimal(double value);
    JsonText& Bool(bool value);
    JsonText& Null();
    /// A value that is JSON text already (as this class wrote it).
    JsonText& Raw(const std::string& json);
    /// A string, or null for an empty one.
    JsonText& StringOrNull(const std::string& value);

    const std::string& Text() const;

private:
    /// Writes the comma before a value or key that follows another in the same container.
    void Separate();

    std::string text;
    /// Whether a comma is due before the next key or value of the current container.
    bool comma = false;
};
