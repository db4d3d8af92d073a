#include "ProcessTable.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <map>
#include <unistd.h>

namespace
{
/// Reads a small file of /proc whole; false when it cannot be opened.
bool ReadSmall(const std::string& path, std::string& text)
{
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    if (descriptor < 0)
        return false;
    text.clear();
    char buffer[1024];
    for (;;)
    {
        const ssize_t count = ::read(descriptor, buffer, sizeof buffer);
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0 || text.size() > 64 * 1024)
            break;
        text.append(buffer, static_cast<std::size_t>(count));
    }
    ::close(descriptor);
    return !text.empty();
}

/// A decimal number of `text` from `position` on, up to the next space; false if there is none.
bool Number(const std::string& text, std::size_t& position, unsigned long long& value)
{
    while (position < text.size() && text[position] == ' ')
        ++position;
    const std::size_t start = position;
    value = 0;
    while (position < text.size() && text[position] >= '0' && text[position] <= '9')
    {
        value = value * 10 + static_cast<unsigned long long>(text[position] - '0');
        ++position;
    }
    return position > start && (position == text.size() || text[position] == ' ' || text[position] == '\n');
}

/// Parses /proc/PID/stat: "pid (name) state ppid pgrp session tty tpgid flags minflt cminflt
/// majflt cmajflt utime stime cutime cstime priority nice threads itrealvalue starttime …". The
/// name may hold spaces and parentheses, so the fields are counted from its last ')'.
bool Parse(const std::string& text, ProcessTable::Entry& entry)
{
    const std::size_t close = text.rfind(')');
    if (close == std::string::npos || close + 2 >= text.size())
        return false;
    std::size_t position = close + 2;
    entry.state = text[position++];
    unsigned long long field = 0;
    // Fields 4 and 5, then 6 to 21 skipped, then 22.
    if (!Number(text, position, field))
        return false;
    entry.parent = static_cast<pid_t>(field);
    if (!Number(text, position, field))
        return false;
    entry.group = static_cast<pid_t>(field);
    for (int skipped = 6; skipped <= 21; ++skipped)
    {
        while (position < text.size() && text[position] == ' ')
            ++position;
        // Some fields may be negative (tty, tpgid, priority, nice).
        while (position < text.size() && text[position] != ' ')
            ++position;
    }
    return Number(text, position, entry.start);
}
} // namespace

bool ProcessTable::Find(pid_t pid, Entry& entry)
{
    if (pid <= 0)
        return false;
    std::string text;
    if (!ReadSmall("/proc/" + std::to_string(pid) + "/stat", text))
        return false;
    entry = Entry();
    entry.pid = pid;
    return Parse(text, entry);
}

std::vector<ProcessTable::Entry> ProcessTable::All()
{
    std::vector<Entry> entries;
    DIR* directory = ::opendir("/proc");
    if (!directory)
        return entries;
    while (const dirent* item = ::readdir(directory))
    {
        char* end = nullptr;
        const long pid = std::strtol(item->d_name, &end, 10);
        if (pid <= 0 || *end != '\0')
            continue;
        Entry entry;
        if (Find(static_cast<pid_t>(pid), entry))
            entries.push_back(entry);
    }
    ::closedir(directory);
    return entries;
}

std::vector<ProcessTable::Entry> ProcessTable::LiveMembers(pid_t group)
{
    std::vector<Entry> members;
    if (group <= 0)
        return members;
    for (const Entry& entry : All())
    {
        if (entry.group == group && !entry.Zombie())
            members.push_back(entry);
    }
    return members;
}

std::vector<ProcessTable::Entry> ProcessTable::Descendants(pid_t ancestor, const std::set<Identity>& skipped)
{
    return Descendants(ancestor, skipped, All());
}

std::vector<ProcessTable::Entry> ProcessTable::Descendants(pid_t ancestor, const std::set<Identity>& skipped,
                                                           const std::vector<Entry>& all)
{
    std::multimap<pid_t, Entry> children;
    for (const Entry& entry : all)
        children.emplace(entry.parent, entry);
    std::vector<Entry> found;
    std::vector<pid_t> pending{ancestor};
    // /proc is read entry by entry, not in one moment: with ids reused meanwhile the parents read
    // could even form a loop, so no process is visited twice.
    std::set<pid_t> visited{ancestor};
    while (!pending.empty())
    {
        const pid_t parent = pending.back();
        pending.pop_back();
        const auto range = children.equal_range(parent);
        for (auto child = range.first; child != range.second; ++child)
        {
            const Entry& entry = child->second;
            if (!visited.insert(entry.pid).second || skipped.count(Identity(entry.pid, entry.start)) != 0)
                continue;
            found.push_back(entry);
            pending.push_back(entry.pid);
        }
    }
    return found;
}

std::set<ProcessTable::Identity> ProcessTable::DescendantIdentities(pid_t ancestor)
{
    std::set<Identity> identities;
    for (const Entry& entry : Descendants(ancestor))
        identities.emplace(entry.pid, entry.start);
    return identities;
}

bool ProcessTable::MayHaveChildren()
{
    // Each thread's children are listed apart; a kernel without the lists gives no answer.
    DIR* directory = ::opendir("/proc/self/task");
    if (!directory)
        return true;
    bool may = false;
    bool looked = false;
    while (const dirent* item = ::readdir(directory))
    {
        if (item->d_name[0] == '.')
            continue;
        std::string text;
        const int descriptor =
            ::open((std::string("/proc/self/task/") + item->d_name + "/children").c_str(), O_RDONLY | O_CLOEXEC);
        if (descriptor < 0)
        {
            may = true;
            break;
        }
        char buffer[16];
        const ssize_t count = ::read(descriptor, buffer, sizeof buffer);
        ::close(descriptor);
        looked = true;
        if (count != 0)
        {
            may = true;
            break;
        }
    }
    ::closedir(directory);
    return may || !looked;
}

std::string ProcessTable::BootId()
{
    // It does not change while the machine runs.
    static const std::string id = [] {
        std::string text;
        if (!ReadSmall("/proc/sys/kernel/random/boot_id", text))
            return std::string();
        while (!text.empty() && (text.back() == '\n' || text.back() == ' '))
            text.pop_back();
        return text;
    }();
    return id;
}
