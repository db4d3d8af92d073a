#include "AgentProcess.h"

#include <Poco/Pipe.h>
#include <Poco/PipeStream.h>
#include <Poco/Process.h>
#include <Poco/StreamCopier.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
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
                                     const std::string& directory, const std::map<std::string, std::string>& environment,
                                     int timeoutSeconds)
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
