#include "Runner.h"
#include "ProcessTable.h"
#include "ScriptHost.h"
#include "TaskDirectory.h"
#include "TempDirectory.h"

#include <Poco/Exception.h>
#include <Poco/Path.h>

#include <gtest/gtest.h>

#include <csignal>
#include <stdexcept>
#include <string>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace
{
/// The real operating system, recording what the runner asks of it and failing on demand.
class RecordingHost : public ScriptHost
{
public:
    void ChangeDirectory(const std::string& path) override
    {
        changes.push_back(path);
        if (failChangeInto && path != original)
            throw std::runtime_error("Cannot change the working directory to '" + path + "': Permission denied");
        ScriptHost::ChangeDirectory(path);
    }

    long StartScript(const std::string& script, const std::function<void(long)>& starting) override
    {
        started.push_back(script);
        if (failStart)
            throw std::runtime_error("cannot fork");
        return ScriptHost::StartScript(script, starting);
    }

    std::string original = Poco::Path::current();
    std::vector<std::string> changes;
    std::vector<std::string> started;
    bool failChangeInto = false;
    bool failStart = false;
};

const std::string succeed = "#!/bin/sh\necho \"$0\" >> ../ran.txt\n";

class RunnerTest : public ::testing::Test
{
protected:
    void TearDown() override
    {
        EXPECT_EQ(Poco::Path::current(), host.original) << "the working directory was not restored";
    }

    std::string Ran() const
    {
        return TempDirectory::Read(root / "ran.txt");
    }

    TempDirectory root;
    RecordingHost host;
};
} // namespace

TEST_F(RunnerTest, RunsQualifyingEntriesInByteOrderInsideTheTaskDirectory)
{
    root.Write("Provision/10_last.sh", succeed, 0755);
    root.Write("Provision/02_b.sh", succeed, 0755);
    root.Write("Provision/02_A.sh", succeed + "pwd > ../cwd.txt\n", 0755);
    root.Write("Provision/01_setup.sh", succeed, 0644);   // not executable: skipped
    root.Write("Provision/03_Config.BAT", succeed, 0644); // ".bat" anywhere, any case: run
    root.Write("Provision/04_x.batch", succeed, 0644);
    for (const char* never : {"1_x.sh", "001_x.sh", "ab_x.sh", "01-x.sh", ".01_x.sh", "0a_x.sh", "1"})
        root.Write(std::string("Provision/") + never, succeed, 0755);
    root.Write("Provision/01_", succeed, 0755);

    Runner(root.Path()).Execute("Provision");
    EXPECT_EQ(Ran(), "01_\n02_A.sh\n02_b.sh\n03_Config.BAT\n04_x.batch\n10_last.sh\n");
    EXPECT_EQ(TempDirectory::Read(root / "cwd.txt"), root / "Provision\n");
}

TEST_F(RunnerTest, StopsAtTheFirstFailingScript)
{
    root.Write("T/01_a.sh", succeed, 0755);
    root.Write("T/02_b.sh", succeed + "exit 3\n", 0755);
    root.Write("T/03_c.sh", succeed, 0755);
    try
    {
        Runner(root.Path(), host).Execute("T");
        FAIL() << "no exception";
    }
    catch (const std::runtime_error& exc)
    {
        EXPECT_STREQ(exc.what(), "Failure executing script '02_b.sh'");
    }
    EXPECT_EQ(Ran(), "01_a.sh\n02_b.sh\n");
    EXPECT_EQ(host.changes, (std::vector<std::string>{root / "T/", host.original}));
}

TEST_F(RunnerTest, ScriptKilledBySignalFails)
{
    root.Write("T/01_kill.sh", "kill -9 $$\n", 0755);
    EXPECT_THROW(Runner(root.Path(), host).Execute("T"), std::runtime_error);
}

TEST_F(RunnerTest, SubdirectoryWithADigitNameIsSelectedLikeAScript)
{
    // Entries are not tested for being regular files: a searchable directory counts as
    // executable and is handed to the shell like any script.
    root.MakeDirectory("T/05_more");
    EXPECT_TRUE(Runner(root.Path()).IsFileToExecute(Poco::Path(root / "T/05_more")));
}

TEST_F(RunnerTest, EntryWhoseStatusCannotBeReadEndsTheRunBeforeAnyScript)
{
    root.Write("T/01_a.sh", succeed, 0755);
    ASSERT_EQ(::symlink((root / "nowhere").c_str(), (root / "T/02_dangling").c_str()), 0);
    EXPECT_THROW(Runner(root.Path(), host).Execute("T"), Poco::Exception);
    EXPECT_TRUE(host.started.empty());
}

TEST_F(RunnerTest, MissingTaskDirectoryNamesTheTask)
{
    root.Write("NotADirectory", "file");
    for (const char* task : {"Provision", "NotADirectory"})
    {
        try
        {
            Runner(root.Path(), host).Execute(task);
            FAIL() << "no exception";
        }
        catch (const std::runtime_error& exc)
        {
            EXPECT_EQ(exc.what(), std::string("The path '") + task + "' is not a directory!");
        }
    }
    EXPECT_TRUE(host.changes.empty());
}

TEST_F(RunnerTest, TaskNamesStayBelowTheRoot)
{
    root.Write("etc/01_x.sh", succeed, 0755);
    root.Write("a/b/01_nested.sh", succeed, 0755);
    root.Write("01_root.sh", "#!/bin/sh\necho \"$0\" >> ran.txt\n", 0755);
    Runner(root.Path()).Execute("/etc");
    Runner(root.Path()).Execute("a/b");
    EXPECT_EQ(Ran(), "01_x.sh\n");
    EXPECT_EQ(TempDirectory::Read(root / "a/ran.txt"), "01_nested.sh\n");
}

TEST_F(RunnerTest, RefusesATaskThatNamesTheRootItself)
{
    root.Write("01_root.sh", "#!/bin/sh\necho \"$0\" >> ran.txt\n", 0755);
    for (const char* task : {"", ".", "/", "./.", "//./"})
    {
        EXPECT_FALSE(TaskDirectory::Accepts(task)) << task;
        EXPECT_THROW(Runner(root.Path(), host).Execute(task), std::runtime_error) << task;
    }
    EXPECT_FALSE(root.Exists("ran.txt"));
    EXPECT_TRUE(host.started.empty());
    EXPECT_TRUE(TaskDirectory::Accepts("./a"));
}

TEST_F(RunnerTest, RefusesATaskThatLeadsOutsideTheRoot)
{
    TempDirectory outside;
    outside.Write("01_evil.sh", "#!/bin/sh\ntouch evil-ran\n", 0755);
    const std::string relative = "../" + Poco::Path(outside.Path()).getFileName();
    for (const std::string& task : {relative, "x/../../" + Poco::Path(outside.Path()).getFileName(), std::string("..")})
        EXPECT_THROW(Runner(root.Path(), host).Execute(task), std::runtime_error) << task;
    EXPECT_FALSE(outside.Exists("evil-ran"));
    EXPECT_TRUE(host.started.empty());
    EXPECT_TRUE(TaskDirectory::Accepts("a..b/..c/d.."));
    EXPECT_FALSE(TaskDirectory::Accepts("a/../b"));
}

TEST_F(RunnerTest, RefusesALinkToASiblingWhoseNameBeginsWithTheRootsName)
{
    // "scripts-old" begins with "scripts": only the "/" after the root's name tells them apart.
    const std::string scriptRoot = root.MakeDirectory("scripts");
    root.Write("scripts-old/Setup/01_evil.sh", "#!/bin/sh\ntouch ../evil-ran\n", 0755);
    ASSERT_EQ(::symlink((root / "scripts-old/Setup").c_str(), (root / "scripts/Setup").c_str()), 0);
    try
    {
        Runner(scriptRoot, host).Execute("Setup");
        FAIL() << "no exception";
    }
    catch (const std::runtime_error& exc)
    {
        EXPECT_NE(std::string(exc.what()).find("lies outside the root script directory"), std::string::npos)
            << exc.what();
    }
    EXPECT_TRUE(host.started.empty());
    EXPECT_FALSE(root.Exists("scripts-old/evil-ran"));
}

TEST_F(RunnerTest, FailingToEnterTheTaskDirectoryRunsNothing)
{
    root.Write("T/01_a.sh", succeed, 0755);
    host.failChangeInto = true;
    try
    {
        Runner(root.Path(), host).Execute("T");
        FAIL() << "no exception";
    }
    catch (const std::runtime_error& exc)
    {
        EXPECT_NE(std::string(exc.what()).find(root / "T/"), std::string::npos) << exc.what();
    }
    EXPECT_TRUE(host.started.empty());
    EXPECT_EQ(Ran(), "");
}

TEST_F(RunnerTest, ScriptThatCannotStartFailsAndRestoresTheDirectory)
{
    root.Write("T/01_a.sh", succeed, 0755);
    host.failStart = true;
    EXPECT_THROW(Runner(root.Path(), host).Execute("T"), std::runtime_error);
    EXPECT_EQ(host.changes.back(), host.original);
}

TEST_F(RunnerTest, ScriptRunsOnlyOnceItsStartIsRecorded)
{
    root.Write("T/01_a.sh", succeed, 0755);
    long recorded = 0;
    Runner(root.Path(), host).Execute("T", [&](const std::string& script, long processId) {
        EXPECT_EQ(script, "01_a.sh");
        ProcessTable::Entry leader;
        ASSERT_TRUE(ProcessTable::Find(static_cast<pid_t>(processId), leader));
        EXPECT_EQ(leader.group, processId) << "the script leads no process group of its own";
        EXPECT_EQ(leader.parent, ::getpid());
        ::usleep(200000);
        EXPECT_EQ(Ran(), "") << "the script ran before its start was recorded";
        recorded = processId;
    });
    EXPECT_GT(recorded, 0);
    EXPECT_EQ(Ran(), "01_a.sh\n");

    // A start that cannot be recorded: the script never runs, the task fails.
    EXPECT_THROW(
        Runner(root.Path(), host).Execute("T", [](const std::string&, long) { throw std::runtime_error("full"); }),
        std::runtime_error);
    EXPECT_EQ(Ran(), "01_a.sh\n");
    EXPECT_FALSE(ProcessTable::MayHaveChildren()) << "the script that never ran was not reaped";
}

TEST_F(RunnerTest, DirectoryWithoutQualifyingEntriesRunsNothing)
{
    root.MakeDirectory("Empty");
    root.Write("Skipped/readme.txt", "", 0755);
    Runner(root.Path(), host).Execute("Empty");
    Runner(root.Path(), host).Execute("Skipped");
    EXPECT_TRUE(host.started.empty());
}

TEST(ScriptHost, RefusesGroupsNoScriptCanHave)
{
    // Signalled as groups these would reach every process there is, init, or the agent itself.
    for (const long group : {-5L, -1L, 0L, 1L, static_cast<long>(::getpid()), static_cast<long>(::getpgrp()), 1L << 40})
        EXPECT_FALSE(ScriptHost::CanBeScriptGroup(group)) << group;
    const long other = ::getpid() + 1 == ::getpgrp() ? ::getpid() + 2 : ::getpid() + 1;
    EXPECT_TRUE(ScriptHost::CanBeScriptGroup(other));
}

TEST(ProcessTable, NameCannotPassForFields)
{
    // A process may name itself anything, parentheses and numbers included; what follows the
    // name is still read as its parent, group and start.
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t child = ::fork();
    if (child == 0)
    {
        ::setpgid(0, 0);
        ::prctl(PR_SET_NAME, "x) Z 1 1 1 (y", 0, 0, 0);
        const ssize_t ignored = ::write(ready[1], "r", 1);
        static_cast<void>(ignored);
        ::pause();
        _exit(0);
    }
    char byte = 0;
    ASSERT_EQ(::read(ready[0], &byte, 1), 1);
    ProcessTable::Entry entry;
    const bool found = ProcessTable::Find(child, entry);
    ProcessTable::Entry self;
    ASSERT_TRUE(ProcessTable::Find(::getpid(), self));
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    ::close(ready[0]);
    ::close(ready[1]);
    ASSERT_TRUE(found);
    EXPECT_EQ(entry.parent, ::getpid());
    EXPECT_EQ(entry.group, child);
    EXPECT_NE(entry.state, 'Z');
    EXPECT_GE(entry.start, self.start);
    EXPECT_FALSE(ProcessTable::Find(child, entry)) << "a reaped process is still found";
}

TEST(RunnerToLower, LowersAsciiOnly)
{
    EXPECT_EQ(ToLower("AbC_\xc3\x84.BAT"), "abc_\xc3\x84.bat");
}
