// File log. The file is opened (for appending, created if need be) when the
// log is created, so that a process that gives up its rights afterwards, or
// may no longer open files for writing, keeps logging. A file the log created
// and never wrote to is removed again when the log is freed, so a run that
// logs nothing leaves no file behind. A file that cannot be opened then is
// tried once more at the first entry; after that entries are dropped instead
// of failing the caller.
#include "internal.h"

#include "LogText.h"

#include <axutil_log.h>
#include <axutil_log_default.h>

#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <ctime>
#include <fcntl.h>
#include <mutex>
#include <string>
#include <sys/stat.h>
#include <sys/time.h>
#include <unistd.h>

namespace
{

struct LogImpl
{
    axutil_log_t pub;
    std::string path;
    std::FILE* file = nullptr;
    bool openFailed = false;
    bool created = false; // by this log, not found there
    bool written = false;
    uid_t opener = 0; // the effective user that opened it
    std::mutex mutex;
};

LogImpl* Impl(axutil_log_t* log)
{
    return reinterpret_cast<LogImpl*>(log);
}

const char* const kLevelNames[] = {"critical", "error", "warning", "info", "debug", "user", "trace"};

std::string TimeStamp()
{
    struct timeval now;
    gettimeofday(&now, nullptr);
    struct tm local;
    localtime_r(&now.tv_sec, &local);
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d %02d:%02d:%02d.%03d", local.tm_year + 1900, local.tm_mon + 1,
                  local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec, static_cast<int>(now.tv_usec / 1000));
    return buffer;
}

// Never through to a script the agent starts: the descriptor is the log's.
void Open(LogImpl* impl)
{
    const char* path = impl->path.c_str();
    int fd = ::open(path, O_WRONLY | O_APPEND | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    impl->created = fd >= 0;
    if (fd < 0 && errno == EEXIST)
        fd = ::open(path, O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0666);
    impl->file = fd < 0 ? nullptr : ::fdopen(fd, "a");
    if (fd >= 0 && !impl->file)
        ::close(fd);
    if (!impl->file)
        impl->created = false;
    impl->opener = ::geteuid();
}

// Removes the file this log created if nobody wrote to it. Not attempted once
// the process runs as another user: it could not remove the file from a
// directory of the user it was, and a confined process should not try.
void RemoveIfUnused(LogImpl* impl)
{
    if (!impl->created || impl->written || ::geteuid() != impl->opener)
        return;
    struct stat opened, named;
    if (::fstat(::fileno(impl->file), &opened) == 0 && opened.st_size == 0 && ::stat(impl->path.c_str(), &named) == 0 &&
        named.st_dev == opened.st_dev && named.st_ino == opened.st_ino)
        ::unlink(impl->path.c_str());
}

bool Admits(axutil_log_t* log, axutil_log_levels_t level)
{
    return log && log->enabled && level <= log->level && !Impl(log)->path.empty();
}

void Write(axutil_log_t* log, axutil_log_levels_t level, const char* file, int line, const std::string& message)
{
    LogImpl* impl = Impl(log);
    std::string entry = "[" + TimeStamp() + "] [" + kLevelNames[level] + "] ";
    if (file)
        entry += std::string(file) + "(" + std::to_string(line) + ") ";
    // One entry, one line: a server's text with a line break cannot pass for an entry of its own.
    const bool ended = !message.empty() && message.back() == '\n';
    entry += LogText::Escape(ended ? message.substr(0, message.size() - 1) : message);
    entry += '\n';
    std::lock_guard<std::mutex> lock(impl->mutex);
    if (!impl->file && !impl->openFailed)
    {
        Open(impl);
        impl->openFailed = impl->file == nullptr;
    }
    if (!impl->file)
        return;
    impl->written = true;
    std::fwrite(entry.data(), 1, entry.size(), impl->file);
    std::fflush(impl->file);
}

void LogV(axutil_log_t* log, axutil_log_levels_t level, const char* file, int line, const char* format, va_list args)
{
    if (!Admits(log, level) || !format)
        return;
    try
    {
        va_list copy;
        va_copy(copy, args);
        int length = std::vsnprintf(nullptr, 0, format, copy);
        va_end(copy);
        if (length < 0)
            return;
        std::string message(static_cast<size_t>(length) + 1, '\0');
        std::vsnprintf(&message[0], message.size(), format, args);
        message.resize(static_cast<size_t>(length));
        Write(log, level, file, line, message);
    }
    catch (...)
    {
        // Losing a log line must never fail the operation being logged.
    }
}

} // namespace

namespace axis2c
{

void LogText(const axutil_env_t* env, axutil_log_levels_t level, const char* file, int line, const std::string& text)
{
    if (!env || !env->log || !Admits(env->log, level))
        return;
    try
    {
        Write(env->log, level, file, line, text);
    }
    catch (...)
    {
    }
}

} // namespace axis2c

extern "C"
{
axutil_log_t* axutil_log_create(axutil_allocator_t*, struct axutil_log_ops* ops, const axis2_char_t* file_name)
{
    auto* impl = new (std::nothrow) LogImpl();
    if (!impl)
        return nullptr;
    try
    {
        impl->path = file_name ? file_name : "";
    }
    catch (...)
    {
        delete impl;
        return nullptr;
    }
    if (!impl->path.empty())
        Open(impl);
    impl->pub.ops = ops;
    impl->pub.level = AXIS2_LOG_LEVEL_DEBUG;
    impl->pub.size = 0;
    impl->pub.enabled = AXIS2_TRUE;
    return &impl->pub;
}

void axutil_log_free(axutil_allocator_t*, axutil_log_t* log)
{
    if (!log)
        return;
    LogImpl* impl = Impl(log);
    if (impl->file)
    {
        RemoveIfUnused(impl);
        std::fclose(impl->file);
    }
    delete impl;
}

#define AXIS2C_DEFINE_LOG_FUNCTION(name, level) \
    void name(axutil_log_t* log, const axis2_char_t* file, const int line, const axis2_char_t* format, ...) \
    { \
        va_list args; \
        va_start(args, format); \
        LogV(log, level, file, line, format, args); \
        va_end(args); \
    }

AXIS2C_DEFINE_LOG_FUNCTION(axutil_log_impl_log_critical, AXIS2_LOG_LEVEL_CRITICAL)
AXIS2C_DEFINE_LOG_FUNCTION(axutil_log_impl_log_error, AXIS2_LOG_LEVEL_ERROR)
AXIS2C_DEFINE_LOG_FUNCTION(axutil_log_impl_log_warning, AXIS2_LOG_LEVEL_WARNING)
AXIS2C_DEFINE_LOG_FUNCTION(axutil_log_impl_log_debug, AXIS2_LOG_LEVEL_DEBUG)
AXIS2C_DEFINE_LOG_FUNCTION(axutil_log_impl_log_user, AXIS2_LOG_LEVEL_USER)
AXIS2C_DEFINE_LOG_FUNCTION(axutil_log_impl_log_trace, AXIS2_LOG_LEVEL_TRACE)

void axutil_log_impl_log_info(axutil_log_t* log, const axis2_char_t* format, ...)
{
    va_list args;
    va_start(args, format);
    LogV(log, AXIS2_LOG_LEVEL_INFO, nullptr, 0, format, args);
    va_end(args);
}

} // extern "C"
