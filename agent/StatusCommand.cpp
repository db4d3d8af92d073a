#include "StatusCommand.h"

#include "ErrorText.h"
#include "LogText.h"
#include "StateDirectory.h"
#include "StatusReport.h"

#include <Poco/AutoPtr.h>
#include <Poco/Format.h>
#include <Poco/Util/PropertyFileConfiguration.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <stdexcept>
#include <thread>
#include <unistd.h>

namespace
{
const char statusOption[] = "--status";
/// Seconds between two looks while waiting, unless TARVEL_WAIT_POLL says otherwise.
const double defaultPoll = 2;

/// A whole number of seconds, nine digits at most.
long Seconds(const std::string& option, const std::string& text)
{
    if (text.empty() || text.size() > 9 || text.find_first_not_of("0123456789") != std::string::npos)
        throw std::runtime_error(
            Poco::format("%s takes a whole number of seconds, not '%s'", option, LogText::Escape(text)));
    return std::stol(text);
}

double PollSeconds()
{
    const char* text = std::getenv("TARVEL_WAIT_POLL");
    char* end = nullptr;
    const double seconds = text ? std::strtod(text, &end) : 0;
    return text && end != text && *end == '\0' && seconds > 0 && seconds <= 3600 ? seconds : defaultPoll;
}
} // namespace

bool StatusCommand::Asked(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i)
    {
        if (std::string(argv[i]) == statusOption)
            return true;
    }
    return false;
}

int StatusCommand::Main(int argc, char** argv)
{
    try
    {
        StatusCommand command(std::vector<std::string>(argv + 1, argv + argc));
        return command.Run();
    }
    catch (const std::exception& exc)
    {
        std::cerr << "tarvel: " << LogText::Escape(ErrorText::Of(exc)) << std::endl;
        return StatusReport::Attention;
    }
}

StatusCommand::StatusCommand(const std::vector<std::string>& arguments)
{
    for (std::size_t i = 0; i < arguments.size(); ++i)
    {
        const std::string& argument = arguments[i];
        const std::string::size_type equals = argument.find('=');
        const std::string name = argument.substr(0, equals);
        const bool takesValue = name == "--timeout" || name == "--config" || name == "-c" || name == "--script" ||
                                name == "-S" || name == "--marker";
        std::string value;
        if (takesValue && equals != std::string::npos)
            value = argument.substr(equals + 1);
        else if (takesValue && i + 1 < arguments.size() && equals == std::string::npos)
            value = arguments[++i];
        else if (takesValue)
            throw std::runtime_error(Poco::format("The option %s needs a value", name));
        if (argument == statusOption)
            continue;
        if (argument == "--json")
            json = true;
        else if (argument == "--wait")
            wait = true;
        else if (name == "--timeout")
            timeout = Seconds(name, value);
        else if (name == "--config" || name == "-c")
            configFile = value;
        else if (name == "--script" || name == "-S")
            scriptRoot = value;
        else if (name == "--marker")
            marker = value;
        else
            throw std::runtime_error(Poco::format(
                "The option '%s' is not known to --status (it takes --json, --wait, --timeout=SECONDS, --config=FILE, "
                "--script=DIRECTORY, --marker=FILE)",
                LogText::Escape(argument)));
    }
    if (timeout >= 0 && !wait)
        throw std::runtime_error("--timeout is for --wait");
}

int StatusCommand::Run()
{
    const std::string state = StateLocation();
    if (wait)
        Wait(state);
    const StatusReport report({state, marker});
    std::cout << (json ? report.Json() + "\n" : report.Text()) << std::flush;
    return report.Result();
}

std::string StatusCommand::StateLocation() const
{
    // As the agent finds it: tarvel.state, else .tarvel in the script root, from the working directory.
    std::string location;
    if (!configFile.empty())
    {
        try
        {
            const Poco::AutoPtr<Poco::Util::PropertyFileConfiguration> settings =
                new Poco::Util::PropertyFileConfiguration(configFile);
            location = settings->getString("tarvel.state", "");
        }
        catch (const std::exception& exc)
        {
            throw std::runtime_error(
                Poco::format("The configuration file '%s' cannot be read: %s", configFile, ErrorText::Of(exc)));
        }
    }
    std::string absolute = StateDirectory::Location(location, scriptRoot);
    while (absolute.size() > 1 && absolute.back() == '/')
        absolute.pop_back();
    return absolute;
}

void StatusCommand::Wait(const std::string& state) const
{
    const double poll = PollSeconds();
    // The line goes where a person watches; a pipeline's output stays clean.
    std::FILE* terminal = ::isatty(2) ? stderr : !json && ::isatty(1) ? stdout : nullptr;
    bool shown = false;
    const auto start = std::chrono::steady_clock::now();
    while (true)
    {
        const StatusReport look({state, marker}, true);
        const double elapsed = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        if (look.Result() == StatusReport::Done || look.Final() || (timeout >= 0 && elapsed >= timeout))
            break;
        if (terminal)
        {
            std::fprintf(terminal, "\r\033[KWaiting for provisioning (%.0f s%s): %s", elapsed,
                         timeout >= 0 ? Poco::format(" of %ld s", timeout).c_str() : "", look.Summary().c_str());
            std::fflush(terminal);
            shown = true;
        }
        const double pause = timeout >= 0 ? std::min(poll, timeout - elapsed) : poll;
        std::this_thread::sleep_for(std::chrono::duration<double>(pause > 0 ? pause : 0));
    }
    if (shown)
    {
        std::fprintf(terminal, "\r\033[K");
        std::fflush(terminal);
    }
}
