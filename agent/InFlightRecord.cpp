#include "InFlightRecord.h"

#include "LogText.h"
#include "Outbox.h"
#include "StateDirectory.h"

#include <Poco/Format.h>

#include <map>
#include <optional>
#include <sstream>

namespace
{

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

std::string Text(const InFlightRecord& record)
{
    return "token=" + Encode(record.token) + "\nid=" + Encode(record.id) + "\ntask=" + Encode(record.task) +
           "\nscript=" + Encode(record.script) + "\ngroup=" + std::to_string(record.group) +
           "\ngroupStart=" + std::to_string(record.groupStart) + "\ngroupBoot=" + Encode(record.groupBoot) + "\n";
}

/// Reads the fields of `text` into `record`; returns why it is not a record the agent wrote, or
/// empty. Keys it does not know are passed over: a later version may add some.
std::string Parse(const std::string& text, InFlightRecord& record)
{
    record = InFlightRecord();
    std::map<std::string, std::string> fields;
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line))
    {
        const std::size_t equals = line.find('=');
        if (equals == std::string::npos)
            return "a line is no field";
        if (!fields.emplace(line.substr(0, equals), Decode(line.substr(equals + 1))).second)
            return "the field '" + LogText::Escape(line.substr(0, equals)) + "' is there twice";
    }
    record.token = fields["token"];
    record.id = fields["id"];
    record.task = fields["task"];
    record.script = fields["script"];
    const std::string& group = fields["group"];
    const std::optional<unsigned long long> groupNumber = ParseNumber(group);
    record.group = group.empty() ? 0 : groupNumber ? static_cast<long>(*groupNumber) : -1;
    record.groupStart = ParseNumber(fields["groupStart"]).value_or(0);
    record.groupBoot = fields["groupBoot"];
    if (!Outbox::IsToken(record.token))
        return "its token '" + LogText::Escape(record.token) + "' is not one the agent makes";
    return std::string();
}
} // namespace

const char InFlightRecord::durableName[] = "inflight";
const char InFlightRecord::progressName[] = "progress";

std::string InFlightRecord::FromTexts(const std::string& durable, const std::string& progress, InFlightRecord& record)
{
    const std::string damage = Parse(durable, record);
    // The progress of an earlier item, or one cut short by a power cut, says nothing of this one.
    InFlightRecord latest;
    if (damage.empty() && !progress.empty() && Parse(progress, latest).empty() && latest.token == record.token &&
        latest.id == record.id && latest.task == record.task)
        record = latest;
    return damage;
}

void InFlightRecord::Save(StateDirectory& state) const
{
    state.Write(durableName, Text(*this));
}

void InFlightRecord::SaveProgress(StateDirectory& state) const
{
    state.Write(progressName, Text(*this), StateDirectory::Durability::Unsynced);
}

bool InFlightRecord::Load(StateDirectory& state, InFlightRecord& record)
{
    std::string text;
    if (!state.Read(durableName, text, recordLimit))
        return false;
    std::string progress;
    if (!Parse(text, record).empty() || !state.Read(progressName, progress, recordLimit))
        progress.clear();
    const std::string damage = FromTexts(text, progress, record);
    if (!damage.empty())
    {
        state.SetAside("", durableName, "it is a damaged in-flight record: " + damage);
        state.Remove(progressName, StateDirectory::Durability::Unsynced);
        return false;
    }
    return true;
}

void InFlightRecord::Clear(StateDirectory& state)
{
    state.Remove(progressName, StateDirectory::Durability::Unsynced);
    state.Remove(durableName, StateDirectory::Durability::Unsynced);
}
