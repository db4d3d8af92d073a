#include "MachineQuery.h"

#include "LogText.h"

#include <Poco/Format.h>
#include <Poco/Logger.h>
#include <Poco/Pipe.h>
#include <Poco/PipeStream.h>
#include <Poco/Process.h>
#include <Poco/StreamCopier.h>
#include <Poco/String.h>

#include <memory>
#include <stdexcept>
#include <vector>

namespace
{
const std::size_t uuidLength = 36;

/// One way of asking the machine for its UUID: a program, its arguments, and how its standard
/// output becomes the UUID.
class GetMachineUuid
{
public:
    virtual ~GetMachineUuid() = default;
    virtual std::string GetCommand() = 0;
    virtual std::vector<std::string> GetArguments() = 0;
    virtual std::string ParseOutput(const std::string& output) = 0;

    std::string lastUuid;
};

class HalGetProperty : public GetMachineUuid
{
public:
    std::string GetCommand() override
    {
        return "hal-get-property";
    }

    std::vector<std::string> GetArguments() override
    {
        return {"--udi", "/org/freedesktop/Hal/devices/computer", "--key", "system.hardware.uuid"};
    }

    std::string ParseOutput(const std::string& output) override
    {
        return Poco::trimRight(Poco::toLower(output));
    }
};

class DmiDecode : public GetMachineUuid
{
public:
    std::string GetCommand() override
    {
        return "dmidecode";
    }

    std::vector<std::string> GetArguments() override
    {
        return {};
    }

    std::string ParseOutput(const std::string& output) override
    {
        const std::string marker = "UUID: ";
        const std::size_t found = output.find(marker);
        if (found == std::string::npos)
            throw std::runtime_error("Failed to query machine for UUID: the dmidecode listing has no 'UUID: ' entry");
        return Poco::toLower(output.substr(found + marker.size(), uuidLength));
    }
};

class DmiDecodeWithArgs : public DmiDecode
{
public:
    std::vector<std::string> GetArguments() override
    {
        return {"--string", "system-uuid"};
    }

    std::string ParseOutput(const std::string& output) override
    {
        const std::string trimmed = Poco::trim(output);
        if (trimmed.size() < uuidLength)
            throw std::out_of_range(Poco::format(
                "Failed to query machine for UUID: 'dmidecode --string system-uuid' printed '%s'", trimmed));
        return Poco::toLower(trimmed.substr(trimmed.size() - uuidLength));
    }
};

class HvqCfgInfo : public GetMachineUuid
{
public:
    std::string GetCommand() override
    {
        return "hvqcfg-info";
    }

    std::vector<std::string> GetArguments() override
    {
        return {"--hwuuid"};
    }

    std::string ParseOutput(const std::string& output) override
    {
        return Poco::toLower(Poco::trim(output));
    }
};

/// The tools in the order they are asked.
std::vector<std::unique_ptr<GetMachineUuid>> Queries()
{
    std::vector<std::unique_ptr<GetMachineUuid>> queries;
    queries.push_back(std::make_unique<HalGetProperty>());
    queries.push_back(std::make_unique<DmiDecodeWithArgs>());
    queries.push_back(std::make_unique<DmiDecode>());
    queries.push_back(std::make_unique<HvqCfgInfo>());
    return queries;
}
} // namespace

std::string MachineQuery::GetUuid()
{
    for (const auto& query : Queries())
    {
        Poco::Logger& logger = Poco::Logger::get("Application.MachineQuery");
        Poco::Pipe output;
        Poco::ProcessHandle handle =
            Poco::Process::launch(query->GetCommand(), query->GetArguments(), nullptr, &output, nullptr);
        std::string text;
        {
            // Read everything before waiting, so that a talkative tool cannot block on a full pipe.
            Poco::PipeInputStream stream(output);
            Poco::StreamCopier::copyToString(stream, text, 8192);
        }
        if (handle.wait() != 0)
            continue;
        query->lastUuid = query->ParseOutput(text);
        poco_information(logger, "uuid = " + LogText::Escape(query->lastUuid));
        return query->lastUuid;
    }
    throw std::runtime_error("Failed to query machine for UUID");
}

std::string MachineQuery::ParseToolOutput(std::size_t index, const std::string& output)
{
    return Queries().at(index)->ParseOutput(output);
}

std::string MachineQuery::Swizzle(const std::string& uuid)
{
    if (uuid.size() < uuidLength)
        return uuid;
    static const int source[uuidLength] = {6,  7,  4,  5,  2,  3,  0,  1,  -1, 11, 12, 9,  10, -1, 16, 17, 14, 15,
                                           -1, 19, 20, 21, 22, -1, 24, 25, 26, 27, 28, 29, 30, 31, 32, 33, 34, 35};
    std::string result(uuidLength, '-');
    for (std::size_t i = 0; i < uuidLength; ++i)
        if (source[i] >= 0)
            result[i] = uuid[source[i]];
    return result;
}
