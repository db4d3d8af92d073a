// The agent's state directory, its lock and in-flight record, and the careful reading and writing
// of the files it shares with scripts.
#include "InFlightRecord.h"
#include "LocalFile.h"
#include "RunLock.h"
#include "StateDirectory.h"
#include "TempDirectory.h"

#include <gtest/gtest.h>

#include <csignal>
#include <stdexcept>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace
{
unsigned Mode(const std::string& path)
{
    struct stat status;
    return ::lstat(path.c_str(), &status) == 0 ? status.st_mode & 07777 : 0;
}

/// A state directory whose process dies, as in a power cut, between writing a file and renaming
/// it into place.
class DyingStateDirectory : public StateDirectory
{
public:
    using StateDirectory::StateDirectory;

protected:
    void BeforeRename(const std::string&) override
    {
        ::raise(SIGKILL);
    }
};
} // namespace

TEST(StateDirectory, IsCreatedOwnerOnlyAndRefusesALink)
{
    TempDirectory root;
    StateDirectory state(root / "a/b/state");
    EXPECT_EQ(state.Path(), root / "a/b/state");
    EXPECT_EQ(Mode(root / "a/b/state"), 0700u);

    ::chmod((root / "a/b/state").c_str(), 0755);
    StateDirectory again(root / "a/b/state/");
    EXPECT_EQ(Mode(root / "a/b/state"), 0700u);

    ASSERT_EQ(::symlink((root / "a").c_str(), (root / "link").c_str()), 0);
    EXPECT_THROW(StateDirectory(root / "link"), std::runtime_error);
    root.Write("file", "");
    EXPECT_THROW(StateDirectory(root / "file"), std::runtime_error);
}

TEST(StateDirectory, AWriteCutShortLeavesTheOldFileWhole)
{
    TempDirectory root;
    {
        StateDirectory state(root / "state");
        state.MakeDirectory("outbox");
        state.Write("outbox/entry.xml", "the old content");
    }
    const pid_t child = ::fork();
    if (child == 0)
    {
        DyingStateDirectory state(root / "state");
        state.Write("outbox/entry.xml", "the new content, never renamed into place");
        _exit(0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status));

    // The half-done write is a temporary file that the next opening clears away.
    EXPECT_EQ(TempDirectory::Read(root / "state/outbox/.entry.xml.tmp"), "the new content, never renamed into place");
    StateDirectory state(root / "state");
    EXPECT_FALSE(root.Exists("state/outbox/.entry.xml.tmp"));
    std::string content;
    ASSERT_TRUE(state.Read("outbox/entry.xml", content));
    EXPECT_EQ(content, "the old content");
    EXPECT_EQ(state.List("outbox"), std::vector<std::string>{"entry.xml"});

    state.Write("outbox/entry.xml", "the new content");
    ASSERT_TRUE(state.Read("outbox/entry.xml", content));
    EXPECT_EQ(content, "the new content");
    EXPECT_EQ(Mode(root / "state/outbox/entry.xml"), 0600u);
    state.Move("outbox/entry.xml", "entry.xml");
    EXPECT_TRUE(state.List("outbox").empty());
    EXPECT_TRUE(state.Remove("entry.xml"));
    EXPECT_FALSE(state.Remove("entry.xml"));
    EXPECT_FALSE(state.Read("entry.xml", content));
}

TEST(InFlightRecord, SurvivesValuesWithLineBreaks)
{
    TempDirectory root;
    StateDirectory state(root / "state");
    InFlightRecord record;
    EXPECT_FALSE(InFlightRecord::Load(state, record));
    const InFlightRecord written{"token-1", "id\nwith=lines\\", "Set\rup", "/scripts/Set\rup/", "02_x.sh",
                                 4242,      987654321,          "boot\nid"};
    written.Save(state);
    ASSERT_TRUE(InFlightRecord::Load(state, record));
    EXPECT_EQ(record.token, written.token);
    EXPECT_EQ(record.id, written.id);
    EXPECT_EQ(record.task, written.task);
    EXPECT_EQ(record.taskDirectory, written.taskDirectory);
    EXPECT_EQ(record.script, written.script);
    EXPECT_EQ(record.group, written.group);
    EXPECT_EQ(record.groupStart, written.groupStart);
    EXPECT_EQ(record.groupBoot, written.groupBoot);
    InFlightRecord::Clear(state);
    EXPECT_FALSE(InFlightRecord::Load(state, record));
}

TEST(RunLock, OneHolderAtATime)
{
    TempDirectory root;
    {
        RunLock first(root / "lock");
        try
        {
            RunLock second(root / "lock");
            ADD_FAILURE() << "a second lock was granted";
        }
        catch (const std::runtime_error& exc)
        {
            EXPECT_EQ(std::string(exc.what()), "Another run of the agent (process " + std::to_string(::getpid()) +
                                                   ") is in progress; this run ends");
        }
    }
    EXPECT_NO_THROW(RunLock(root / "lock"));
}

TEST(LocalFile, ReadsOnlyRegularFilesAndOnlyUpToItsBound)
{
    TempDirectory root;
    LocalFile::Contents contents = LocalFile::ReadRegular(root / "missing", 10);
    EXPECT_FALSE(contents.found);

    root.Write("file", "0123456789abcdef");
    contents = LocalFile::ReadRegular(root / "file", 10);
    EXPECT_TRUE(contents.found);
    EXPECT_EQ(contents.text, "0123456789");
    EXPECT_EQ(contents.size, 16u);

    // None of these is read, and none blocks or runs on.
    ASSERT_EQ(::mkfifo((root / "fifo").c_str(), 0600), 0);
    ASSERT_EQ(::symlink("/dev/zero", (root / "zero").c_str()), 0);
    ASSERT_EQ(::symlink((root / "file").c_str(), (root / "link").c_str()), 0);
    for (const char* name : {"fifo", "zero", "link"})
        EXPECT_THROW(LocalFile::ReadRegular(root / name, 10), std::runtime_error) << name;
    EXPECT_THROW(LocalFile::ReadRegular(root.Path(), 10), std::runtime_error);
}

TEST(LocalFile, CreatesANewFileInPlaceOfWhateverWasThere)
{
    TempDirectory root;
    root.Write("target", "keep me");
    ASSERT_EQ(::symlink((root / "target").c_str(), (root / "planted").c_str()), 0);
    LocalFile::CreateNew(root / "planted", "secret", 0600);
    EXPECT_EQ(TempDirectory::Read(root / "target"), "keep me");
    EXPECT_EQ(TempDirectory::Read(root / "planted"), "secret");
    EXPECT_EQ(Mode(root / "planted"), 0600u);

    root.MakeDirectory("directory/inside");
    EXPECT_THROW(LocalFile::CreateNew(root / "directory", "x", 0600), std::runtime_error);
    EXPECT_TRUE(LocalFile::Remove(root / "planted"));
    EXPECT_FALSE(LocalFile::Remove(root / "planted"));
}
