#include "AgentProcess.h"

#include <Poco/Pipe.h>
#include <Poco/PipeStream.h>
#include <Poco/Process.h>
#include <Poco/StreamCopier.h>

#include <Poco/TemporaryFile.h>

#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <fstream>
#include <iterator>
#include <mutex>
#include <thread>

std::string AgentProcess::Program()
{
    return TARVEL_AGENT;
}

AgentResult AgentProcess::Run(const std::vector<std::string>& arguments, const std::string& directory,
                              const std::map<std::string, std::string>& environment, int timeoutSeconds)
{
    return RunProgram(Program(), arguments, directory, environment, timeoutSeconds);
}

AgentResult AgentProcess::RunProgram(const std::string& program, const std::vector<std::string>& arguments,
                                     const std::string& directory,
                                     const std::map<std::string, std::string>& environment, int timeoutSeconds)
{
    Poco::Pipe in;
    Poco::Pipe out;
    Poco::Pipe err;
    Poco::Process::Env env(environment.begin(), environment.end());
    Poco::ProcessHandle handle = Poco::Process::launch(program, arguments, directory, &in, &out, &err, env);
    in.close();

    AgentResult result;
    std::mutex mutex;
    std::condition_variable finished;
    bool done = false;
    std::atomic<bool> killed(false);
    std::thread watchdog([&] {
        std::unique_lock<std::mutex> lock(mutex);
        if (!finished.wait_for(lock, std::chrono::seconds(timeoutSeconds), [&] { return done; }))
        {
            killed = true;
            Poco::Process::kill(handle);
        }
    });
    std::thread errReader([&] {
        Poco::PipeInputStream stream(err);
        Poco::StreamCopier::copyToString(stream, result.err);
    });
    {
        Poco::PipeInputStream stream(out);
        Poco::StreamCopier::copyToString(stream, result.out);
    }
    errReader.join();
    result.status = handle.wait();
    {
        std::lock_guard<std::mutex> lock(mutex);
        done = true;
    }
    finished.notify_one();
    watchdog.join();
    result.timedOut = killed;
    return result;
}

extern char** environ;

RunningAgent::RunningAgent(const std::vector<std::string>& arguments, const std::string& directory,
                           const std::map<std::string, std::string>& environment)
    : pid(-1)
    , ended(false)
    , output(Poco::TemporaryFile::tempName())
    , errors(Poco::TemporaryFile::tempName())
{
    std::vector<std::string> strings{AgentProcess::Program()};
    strings.insert(strings.end(), arguments.begin(), arguments.end());
    std::vector<std::string> variables;
    for (char** variable = environ; *variable; ++variable)
    {
        const std::string entry = *variable;
        if (environment.count(entry.substr(0, entry.find('='))) == 0)
            variables.push_back(entry);
    }
    for (const auto& entry : environment)
        variables.push_back(entry.first + "=" + entry.second);
    std::vector<char*> argv;
    for (std::string& text : strings)
        argv.push_back(&text[0]);
    argv.push_back(nullptr);
    std::vector<char*> envp;
    for (std::string& text : variables)
        envp.push_back(&text[0]);
    envp.push_back(nullptr);

    pid = ::fork();
    if (pid == 0)
    {
        const int in = ::open("/dev/null", O_RDONLY);
        const int out = ::open(output.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        const int err = ::open(errors.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        if (in < 0 || out < 0 || err < 0 || ::chdir(directory.c_str()) != 0)
            _exit(120);
        ::dup2(in, 0);
        ::dup2(out, 1);
        ::dup2(err, 2);
        ::execve(argv[0], argv.data(), envp.data());
        _exit(121);
    }
}

RunningAgent::~RunningAgent()
{
    if (!ended && pid > 0)
    {
        ::kill(pid, SIGKILL);
        ::waitpid(pid, nullptr, 0);
    }
    ::unlink(output.c_str());
    ::unlink(errors.c_str());
}

int RunningAgent::Pid() const
{
    return pid;
}

void RunningAgent::Signal(int signal) const
{
    if (!ended && pid > 0)
        ::kill(pid, signal);
}

AgentResult RunningAgent::Wait(int timeoutSeconds)
{
    AgentResult result;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(timeoutSeconds);
    int status = 0;
    while (!ended)
    {
        const pid_t waited = ::waitpid(pid, &status, WNOHANG);
        if (waited == pid)
        {
            ended = true;
            break;
        }
        if (std::chrono::steady_clock::now() > deadline)
        {
            ::kill(pid, SIGKILL);
            ::waitpid(pid, &status, 0);
            ended = true;
            result.timedOut = true;
            break;
        }
        ::usleep(10000);
    }
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    for (const auto& file : {std::make_pair(&result.out, output), std::make_pair(&result.err, errors)})
    {
        std::ifstream stream(file.second);
        file.first->assign(std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>());
    }
    return result;
}
