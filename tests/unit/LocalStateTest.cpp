// The agent's state directory, its lock, in-flight record and outbox, and the careful reading and
// writing of the files it shares with scripts.
#include "InFlightRecord.h"
#include "LocalFile.h"
#include "Outbox.h"
#include "StateDirectory.h"
#include "TempDirectory.h"

#include <Poco/File.h>
#include <Poco/Logger.h>
#include <Poco/StreamChannel.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <fcntl.h>
#include <functional>
#include <sstream>
#include <stdexcept>
#include <sys/file.h>
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

/// A logger whose lines a test can read.
class Captured
{
public:
    Captured()
        : logger(Poco::Logger::get("test.state"))
    {
        logger.setChannel(new Poco::StreamChannel(lines));
        logger.setLevel(Poco::Message::PRIO_INFORMATION);
    }
    ~Captured()
    {
        logger.setChannel(nullptr);
    }
    std::string Lines() const
    {
        return lines.str();
    }

    Poco::Logger& logger;

private:
    std::ostringstream lines;
};

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

std::string Message(const std::function<void()>& action)
{
    try
    {
        action();
    }
    catch (const std::runtime_error& exc)
    {
        return exc.what();
    }
    return "(no error)";
}

/// A response whose elements nest `levels` deep.
std::string Deep(int levels)
{
    std::string text = "<workItemResponse id=\"d\">";
    for (int level = 0; level < levels; ++level)
        text += "<d>";
    for (int level = 0; level < levels; ++level)
        text += "</d>";
    return text + "</workItemResponse>\n";
}

std::vector<std::string> Broken(const TempDirectory& root)
{
    std::vector<std::string> names;
    if (root.Exists("state/broken"))
        Poco::File(root / "state/broken").list(names);
    std::sort(names.begin(), names.end());
    return names;
}
} // namespace

TEST(StateDirectory, IsCreatedOwnerOnlyAndALooseOneIsRefusedNotTightened)
{
    TempDirectory root;
    Captured log;
    {
        StateDirectory state(root / "a/b/state", log.logger);
        EXPECT_EQ(state.Path(), root / "a/b/state");
        EXPECT_EQ(Mode(root / "a/b/state"), 0700u);
        EXPECT_TRUE(state.Contains(root / "a/b/state/outbox/x"));
        EXPECT_TRUE(state.Contains(root / "a/b/state/"));
        EXPECT_FALSE(state.Contains(root / "a/b/statement"));
    }

    ::chmod((root / "a/b/state").c_str(), 0755);
    EXPECT_EQ(Message([&] { StateDirectory(root / "a/b/state/", log.logger); }),
              "The state directory '" + (root / "a/b/state") +
                  "' is open to other users (mode 0755); it is not used. Check what it holds, then make it "
                  "owner-only: chmod 0700 '" +
                  (root / "a/b/state") + "'");
    EXPECT_EQ(Mode(root / "a/b/state"), 0755u);

    ASSERT_EQ(::symlink((root / "a").c_str(), (root / "link").c_str()), 0);
    EXPECT_EQ(Message([&] { StateDirectory(root / "link", log.logger); }),
              "The state directory '" + (root / "link") + "' is not a directory (a link is not followed)");
    root.Write("file", "");
    EXPECT_THROW(StateDirectory(root / "file", log.logger), std::runtime_error);
    if (::geteuid() == 0)
    {
        root.MakeDirectory("theirs");
        ::chmod((root / "theirs").c_str(), 0700);
        ASSERT_EQ(::chown((root / "theirs").c_str(), 65534, 65534), 0);
        EXPECT_NE(
            Message([&] { StateDirectory(root / "theirs", log.logger); }).find("belongs to another user (uid 65534)"),
            std::string::npos);
    }
}

TEST(StateDirectory, DirectoriesAboveItAreCheckedAsForScripts)
{
    TempDirectory root;
    Captured log;
    root.MakeDirectory("open");
    ::chmod((root / "open").c_str(), 0777);
    EXPECT_EQ(Message([&] { StateDirectory(root / "open/state", log.logger); }),
              "The directory above the state directory '" + (root / "open") +
                  "' is writable by other users (mode 0777); the task's scripts are not run");
    // A sticky directory such as /tmp may be shared: nobody else can move what is the agent's there.
    ::chmod((root / "open").c_str(), 01777);
    EXPECT_NO_THROW(StateDirectory(root / "open/state", log.logger));
}

TEST(StateDirectory, AWriteCutShortLeavesTheOldFileWhole)
{
    TempDirectory root;
    Captured log;
    {
        StateDirectory state(root / "state", log.logger);
        state.MakeDirectory("outbox");
        state.Write("outbox/entry.xml", "the old content");
    }
    const pid_t child = ::fork();
    if (child == 0)
    {
        DyingStateDirectory state(root / "state", log.logger);
        state.Write("outbox/entry.xml", "the new content, never renamed into place");
        _exit(0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status));

    // The half-done write is a temporary file that the next opening clears away; what only looks
    // like one of the agent's is left alone.
    EXPECT_EQ(TempDirectory::Read(root / "state/outbox/.entry.xml.tmp"), "the new content, never renamed into place");
    root.MakeDirectory("state/.x.tmp/inside");
    root.Write("state/.not..tmp", "");
    StateDirectory state(root / "state", log.logger);
    EXPECT_FALSE(root.Exists("state/outbox/.entry.xml.tmp"));
    EXPECT_TRUE(root.Exists("state/.x.tmp/inside"));
    EXPECT_TRUE(root.Exists("state/.not..tmp"));
    std::string content;
    ASSERT_TRUE(state.Read("outbox/entry.xml", content, 100));
    EXPECT_EQ(content, "the old content");
    EXPECT_EQ(state.List("outbox"), std::vector<std::string>{"entry.xml"});

    state.Write("outbox/entry.xml", "the new content", StateDirectory::Durability::Unsynced);
    ASSERT_TRUE(state.Read("outbox/entry.xml", content, 100));
    EXPECT_EQ(content, "the new content");
    EXPECT_EQ(Mode(root / "state/outbox/entry.xml"), 0600u);
    state.Move("outbox/entry.xml", "entry.xml");
    EXPECT_TRUE(state.List("outbox").empty());
    EXPECT_TRUE(state.Remove("entry.xml"));
    EXPECT_FALSE(state.Remove("entry.xml", StateDirectory::Durability::Unsynced));
    EXPECT_FALSE(state.Read("entry.xml", content, 100));
    // A directory where a temporary file goes does not stop a write: it is set aside.
    EXPECT_TRUE(Broken(root).empty()) << log.Lines();
    state.Write("x", "x");
    EXPECT_EQ(TempDirectory::Read(root / "state/x"), "x");
    EXPECT_EQ(Broken(root).size(), 1u);
}

TEST(StateDirectory, NamesOfOtherShapesAreRefused)
{
    TempDirectory root;
    Captured log;
    StateDirectory state(root / "state", log.logger);
    state.MakeDirectory("outbox");
    std::string content;
    for (const std::string name : {"../victim", "outbox/../../victim", "outbox/a/b", ".hidden", "", "outbox/",
                                   "/etc/passwd", "a\nb", "outbox/.."})
    {
        SCOPED_TRACE(name);
        EXPECT_THROW(state.Write(name, "x"), std::runtime_error);
        EXPECT_THROW(state.Read(name, content, 10), std::runtime_error);
        EXPECT_THROW(state.Remove(name), std::runtime_error);
    }
    EXPECT_FALSE(root.Exists("victim"));
}

TEST(StateDirectory, EntriesNotOfItsOwnMakingAreSetAsideAndLogged)
{
    TempDirectory root;
    Captured log;
    {
        StateDirectory state(root / "state", log.logger);
        state.MakeDirectory("outbox");
    }
    root.Write("secret", "do not send");
    ASSERT_EQ(::symlink((root / "secret").c_str(), (root / "state/outbox/link").c_str()), 0);
    ASSERT_EQ(::mkfifo((root / "state/outbox/fifo").c_str(), 0600), 0);
    root.MakeDirectory("state/outbox/directory");
    root.Write("state/outbox/big", std::string(101, 'x'), 0600);
    root.Write("state/outbox/loose", "x", 0644);
    ASSERT_EQ(::link((root / "state/outbox/big").c_str(), (root / "state/outbox/twice").c_str()), 0);
    {
        StateDirectory state(root / "state", log.logger);
        std::string content;
        for (const std::string name : {"link", "fifo", "directory", "big", "loose", "twice"})
        {
            SCOPED_TRACE(name);
            EXPECT_FALSE(state.Read("outbox/" + name, content, 100));
            EXPECT_TRUE(content.empty());
            EXPECT_FALSE(root.Exists("state/outbox/" + name));
            EXPECT_NE(log.Lines().find("The state entry '" + (root / "state/outbox/") + name + "' is not used: "),
                      std::string::npos)
                << log.Lines();
        }
    }
    EXPECT_EQ(Broken(root).size(), 6u);
    EXPECT_EQ(TempDirectory::Read(root / "secret"), "do not send");

    // A sub-directory open to others is set aside whole, with what it holds, and made anew.
    ::chmod((root / "state/outbox").c_str(), 0777);
    root.Write("state/outbox/forged.xml", "<workItemResponse/>", 0600);
    StateDirectory again(root / "state", log.logger);
    again.MakeDirectory("outbox");
    EXPECT_TRUE(again.List("outbox").empty());
    EXPECT_EQ(Mode(root / "state/outbox"), 0700u);
    EXPECT_EQ(Broken(root).size(), 7u);
}

TEST(InFlightRecord, SurvivesValuesWithLineBreaksAndKeepsTheLatestScript)
{
    TempDirectory root;
    Captured log;
    StateDirectory state(root / "state", log.logger);
    InFlightRecord record;
    EXPECT_FALSE(InFlightRecord::Load(state, record));
    InFlightRecord written{Outbox::NewToken(), "id\nwith=lines\\", "Set\rup", "", 4242, 987654321, "boot\nid"};
    written.Save(state);
    written.script = "02_x.sh";
    written.SaveProgress(state);
    ASSERT_TRUE(InFlightRecord::Load(state, record));
    EXPECT_EQ(record.token, written.token);
    EXPECT_EQ(record.id, written.id);
    EXPECT_EQ(record.task, written.task);
    EXPECT_EQ(record.script, "02_x.sh");
    EXPECT_EQ(record.group, written.group);
    EXPECT_EQ(record.groupStart, written.groupStart);
    EXPECT_EQ(record.groupBoot, written.groupBoot);

    // The progress of another item says nothing of this one.
    InFlightRecord other = written;
    other.token = Outbox::NewToken();
    other.script = "09_other.sh";
    other.SaveProgress(state);
    ASSERT_TRUE(InFlightRecord::Load(state, record));
    EXPECT_EQ(record.script, "");
    InFlightRecord::Clear(state);
    EXPECT_FALSE(InFlightRecord::Load(state, record));
    EXPECT_FALSE(root.Exists("state/progress"));
}

TEST(InFlightRecord, ADamagedRecordIsSetAsideAndNothingElseHappens)
{
    TempDirectory root;
    Captured log;
    StateDirectory state(root / "state", log.logger);
    const std::string token = Outbox::NewToken();
    for (const std::string& text : std::vector<std::string>{
             "token=nosuch/../../../victim/config\nid=x\ntask=Setup\n", "token=" + token + "\ntoken=" + token + "\n",
             "token=" + token + "\nno field\n", "id=x\n", std::string("token=") + token + "x\n"})
    {
        SCOPED_TRACE(text);
        state.Write("inflight", text);
        InFlightRecord record;
        EXPECT_FALSE(InFlightRecord::Load(state, record));
        EXPECT_FALSE(root.Exists("state/inflight"));
        EXPECT_NE(log.Lines().find("/state/inflight' is not used: it is a damaged in-flight record: "),
                  std::string::npos)
            << log.Lines();
    }
    EXPECT_EQ(Broken(root).size(), 5u);
}

TEST(RunLock, OneHolderAtATimeAndAStrangersLockDoesNotBlock)
{
    TempDirectory root;
    Captured log;
    {
        StateDirectory first(root / "state", log.logger);
        EXPECT_EQ(Message([&] { StateDirectory(root / "state", log.logger); }), "Another run of the agent (process " +
                                                                                    std::to_string(::getpid()) +
                                                                                    ") is in progress; this run ends");
    }
    EXPECT_NO_THROW(StateDirectory(root / "state", log.logger));

    // Someone else's file, held locked by whoever planted it, with a process id of their choice.
    ::unlink((root / "state/lock").c_str());
    root.Write("state/lock", "1\n", 0644);
    const int planted = ::open((root / "state/lock").c_str(), O_RDONLY);
    ASSERT_EQ(::flock(planted, LOCK_EX), 0);
    {
        StateDirectory state(root / "state", log.logger);
        EXPECT_NE(
            log.Lines().find("The state entry '" + (root / "state/lock") + "' is not used: other users may use it"),
            std::string::npos)
            << log.Lines();
        EXPECT_EQ(Broken(root).size(), 1u);
        EXPECT_EQ(Mode(root / "state/lock"), 0600u);
        EXPECT_THROW(StateDirectory(root / "state", log.logger), std::runtime_error);
    }
    ::close(planted);
    ::unlink((root / "state/lock").c_str());
    ASSERT_EQ(::mkfifo((root / "state/lock").c_str(), 0600), 0);
    EXPECT_NO_THROW(StateDirectory(root / "state", log.logger));
    EXPECT_EQ(Broken(root).size(), 2u);
}

TEST(Outbox, EntriesCarryTheirIdSafelyAndStrangersAreSetAside)
{
    TempDirectory root;
    Captured log;
    StateDirectory state(root / "state", log.logger);
    Outbox outbox(state, log.logger);
    const std::string token = Outbox::NewToken();
    EXPECT_TRUE(Outbox::IsToken(token));
    for (const std::string& bad :
         std::vector<std::string>{"nosuch/../../../victim/config", "", token + "/", "0123456789ABCDEF-1", "x" + token})
        EXPECT_FALSE(Outbox::IsToken(bad)) << bad;

    const std::string id = "../../wi\n1/" + std::string(300, '%');
    const std::string entry = outbox.Store(token, id, "<workItemResponse id=\"x\"/>\n");
    EXPECT_EQ(entry.find('/'), std::string::npos);
    EXPECT_LT(entry.size(), 200u);
    EXPECT_TRUE(outbox.Holds(token));
    EXPECT_FALSE(outbox.Holds(Outbox::NewToken()));

    root.Write("state/outbox/" + Outbox::NewToken() + "~deep.xml", Deep(300), 0600);
    root.Write("state/outbox/not-a-token.xml", "<workItemResponse/>", 0600);
    std::vector<std::string> sent;
    EXPECT_TRUE(outbox.DeliverAll([&](const std::string& document, std::string&) {
        sent.push_back(document);
        return Outbox::Delivery::Accepted;
    }));
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_NE(log.Lines().find("Successfully sent the work item response for id=../../wi\\n1/%%%"), std::string::npos)
        << log.Lines();
    EXPECT_TRUE(state.List("outbox").empty());
    EXPECT_EQ(Broken(root).size(), 2u);
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

TEST(LocalFile, ReadsTheEndOfWhatWasAddedSinceAnOffset)
{
    TempDirectory root;
    root.Write("log", "0123456789abcdef");
    const auto end = [&](std::uint64_t from, std::size_t limit) {
        const LocalFile::Contents contents = LocalFile::ReadEnd(root / "log", from, limit);
        return std::to_string(contents.start) + ":" + contents.text;
    };
    EXPECT_EQ(end(10, 100), "10:abcdef");
    EXPECT_EQ(end(10, 6), "10:abcdef");
    EXPECT_EQ(end(10, 4), "12:cdef");
    EXPECT_EQ(end(16, 4), "16:");
    // Shorter than the offset: emptied and written anew, so all of it counts.
    EXPECT_EQ(end(17, 100), "0:0123456789abcdef");
    EXPECT_EQ(end(40, 3), "13:def");
    ASSERT_EQ(::symlink((root / "log").c_str(), (root / "link").c_str()), 0);
    EXPECT_THROW(LocalFile::ReadEnd(root / "link", 0, 10), std::runtime_error);
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
