#include "InFlightRecord.h"

#include "StateDirectory.h"

#include <optional>
#include <sstream>

namespace
{
const char fileName[] = "inflight";

/// One field per line: line breaks and backslashes inside a value are escaped.
std::string Encode(const std::string& value)
{
    std::string encoded;
    for (const char c : value)
    {
        if (c == '\\')
            encoded += "\\\\";
        else if (c == '\n')
            encoded += "\\n";
        else if (c == '\r')
            encoded += "\\r";
        else
            encoded += c;
    }
    return encoded;
}

/// A decimal number of at most 18 digits, nothing else; none for anything other.
std::optional<unsigned long long> ParseNumber(const std::string& text)
{
    if (text.empty() || text.size() > 18)
        return std::nullopt;
    unsigned long long value = 0;
    for (const char c : text)
    {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + static_cast<unsigned long long>(c - '0');
    }
    return value;
}

std::string Decode(const std::string& encoded)
{
    std::string value;
    for (std::size_t i = 0; i < encoded.size(); ++i)
    {
        if (encoded[i] != '\\' || i + 1 == encoded.size())
        {
            value += encoded[i];
            continue;
        }
        const char next = encoded[++i];
        value += next == 'n' ? '\n' : next == 'r' ? '\r' : next;
    }
    return value;
}
} // namespace

void InFlightRecord::Save(StateDirectory& state) const
{
    state.Write(fileName, "token=" + Encode(token) + "\nid=" + Encode(id) + "\ntask=" + Encode(task) +
                              "\ndirectory=" + Encode(taskDirectory) + "\nscript=" + Encode(script) +
                              "\ngroup=" + std::to_string(group) + "\ngroupStart=" + std::to_string(groupStart) +
                              "\ngroupBoot=" + Encode(groupBoot) + "\n");
}

bool InFlightRecord::Load(const StateDirectory& state, InFlightRecord& record)
{
    std::string text;
    if (!state.Read(fileName, text))
        return false;
    record = InFlightRecord();
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line))
    {
        const std::size_t equals = line.find('=');
        if (equals == std::string::npos)
            continue;
        const std::string key = line.substr(0, equals);
        const std::string value = Decode(line.substr(equals + 1));
        if (key == "token")
            record.token = value;
        else if (key == "id")
            record.id = value;
        else if (key == "task")
            record.task = value;
        else if (key == "directory")
            record.taskDirectory = value;
        else if (key == "script")
            record.script = value;
        else if (key == "group")
            record.group = ParseNumber(value) ? static_cast<long>(*ParseNumber(value)) : -1;
        else if (key == "groupStart")
            record.groupStart = ParseNumber(value).value_or(0);
        else if (key == "groupBoot")
            record.groupBoot = value;
    }
    return true;
}

void InFlightRecord::Clear(StateDirectory& state)
{
    state.Remove(fileName);
}
