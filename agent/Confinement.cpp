#include "Confinement.h"

#include "SyscallFilter.h"

#include <Poco/Format.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <grp.h>
#include <linux/capability.h>
#include <pwd.h>
#include <stdexcept>
#include <string>
#include <sys/prctl.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace
{
[[noreturn]] void Fail(const std::string& step)
{
    throw std::runtime_error(
        Poco::format("The network process cannot be confined: %s (%s)", step, std::string(std::strerror(errno))));
}

/// `name`'s entry in /etc/passwd, or null. The packages make their system user there, and
/// reading the file itself spares every run the name service's modules (loading them costs more
/// than the rest of the confinement) and a statically linked program the modules it cannot load.
const passwd* LocalUser(const char* name)
{
    FILE* file = std::fopen("/etc/passwd", "re");
    if (!file)
        return nullptr;
    const passwd* found = nullptr;
    while (const passwd* entry = ::fgetpwent(file))
    {
        if (std::strcmp(entry->pw_name, name) == 0)
        {
            found = entry;
            break;
        }
    }
    std::fclose(file);
    return found;
}

/// The unprivileged user the network process runs as: the packages' system user, or nobody;
/// the name service is asked only for a user that is not in /etc/passwd.
const passwd* UnprivilegedUser()
{
    for (const char* name : {"tarvel", "nobody"})
    {
        if (const passwd* user = LocalUser(name))
            return user;
    }
    for (const char* name : {"tarvel", "nobody"})
    {
        if (const passwd* user = ::getpwnam(name))
            return user;
    }
    errno = ENOENT;
    Fail("neither the user 'tarvel' nor 'nobody' exists");
}

void DropRoot()
{
    const passwd* user = UnprivilegedUser();
    const uid_t uid = user->pw_uid;
    const gid_t gid = user->pw_gid;
    if (uid == 0 || gid == 0)
    {
        errno = EPERM;
        Fail(Poco::format("the user '%s' is root", std::string(user->pw_name)));
    }
    if (::setgroups(0, nullptr) != 0)
        Fail("setgroups");
    if (::setresgid(gid, gid, gid) != 0)
        Fail("setresgid");
    // The bounding set goes while the process may still change it (CAP_SETPCAP): nothing it
    // could ever execute would get a capability back.
    for (int capability = 0; capability <= 63; ++capability)
    {
        if (::prctl(PR_CAPBSET_DROP, capability, 0, 0, 0) != 0)
        {
            if (errno == EINVAL)
                break;
            Fail(Poco::format("dropping capability %d from the bounding set", capability));
        }
    }
    if (::prctl(PR_CAP_AMBIENT, PR_CAP_AMBIENT_CLEAR_ALL, 0, 0, 0) != 0 && errno != EINVAL)
        Fail("clearing the ambient capabilities");
    if (::setresuid(uid, uid, uid) != 0)
        Fail("setresuid");
    if (::setresuid(0, 0, 0) == 0 || ::setuid(0) == 0)
    {
        errno = EPERM;
        Fail("root can be regained");
    }
    uid_t real, effective, saved;
    gid_t realGroup, effectiveGroup, savedGroup;
    if (::getresuid(&real, &effective, &saved) != 0 || real != uid || effective != uid || saved != uid ||
        ::getresgid(&realGroup, &effectiveGroup, &savedGroup) != 0 || realGroup != gid || effectiveGroup != gid ||
        savedGroup != gid || ::getgroups(0, nullptr) != 0)
    {
        errno = EPERM;
        Fail("the user and groups did not change as asked");
    }
}

/// Empties the permitted, effective and inheritable sets (a process started as another user
/// may hold capabilities too) and checks that none is left.
void DropCapabilities()
{
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct data[2];
    std::memset(data, 0, sizeof data);
    if (::syscall(SYS_capset, &header, data) != 0)
        Fail("capset");
    if (::syscall(SYS_capget, &header, data) != 0)
        Fail("capget");
    for (const auto& set : data)
    {
        if (set.effective || set.permitted || set.inheritable)
        {
            errno = EPERM;
            Fail("capabilities are left");
        }
    }
}
} // namespace

void Confinement::Apply(pid_t parent)
{
    if (::geteuid() == 0 || ::getuid() == 0)
        DropRoot();
    DropCapabilities();
    if (::prctl(PR_SET_PDEATHSIG, SIGKILL, 0, 0, 0) != 0)
        Fail("setting the parent-death signal");
    if (::getppid() != parent)
    {
        errno = ESRCH;
        Fail("the agent has ended");
    }
    if (::prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0) != 0)
        Fail("PR_SET_NO_NEW_PRIVS");
    SyscallFilter::Install();
}
