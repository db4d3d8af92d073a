// Text that comes from outside (a server, a work item, a script's files, an external tool) on its
// way into the agent's log: control characters are escaped, so that such text can never start a
// line of its own that looks like one the agent wrote.
#pragma once

#include <string>

class LogText
{
public:
    /// `text` with every control character (below U+0020, and DEL) written as an escape:
    /// "\n", "\r", "\t", and "\xNN" for the others. Other bytes stay (a backslash too: the escapes
    /// are for reading, not for decoding).
    static std::string Escape(const std::string& text);
};
