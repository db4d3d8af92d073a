// The run history as a file: JSON that stays valid for any bytes, one whole line per run, the
// bounds of runs and bytes, and a file that is not the agent's own or was cut short.
#include "RunHistory.h"
#include "JsonText.h"
#include "StateDirectory.h"
#include "TempDirectory.h"

#include <Poco/File.h>
#include <Poco/JSON/Parser.h>
#include <Poco/Logger.h>
#include <Poco/StreamChannel.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <fcntl.h>
#include <functional>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

namespace
{
class History : public ::testing::Test
{
protected:
    History()
        : logger(Poco::Logger::get("test.history"))
    {
        logger.setChannel(new Poco::StreamChannel(log));
    }
    ~History() override
    {
        logger.setChannel(nullptr);
    }

    static RunHistory::Entry Run(int number, const std::string& error = "")
    {
        RunHistory::Entry entry;
        entry.start = "2024-05-01T10:00:00.000Z";
        entry.seconds = 1.5;
        entry.status = 0;
        entry.agentId = "agent-1";
        entry.item = true;
        entry.id = "run-" + std::to_string(number);
        entry.task = "Setup";
        entry.answer = "succeeded";
        entry.outcome = "succeeded";
        entry.error = error;
        return entry;
    }

    /// The lines of the history file, each checked to be an entry.
    std::vector<RunHistory::Entry> Entries() const
    {
        std::vector<RunHistory::Entry> entries;
        std::istringstream lines(TempDirectory::Read(root / "state/history"));
        std::string line;
        while (std::getline(lines, line))
        {
            RunHistory::Entry entry;
            EXPECT_TRUE(RunHistory::Parse(line, entry)) << line.substr(0, 200);
            entries.push_back(entry);
        }
        return entries;
    }

    TempDirectory root;
    Poco::Logger& logger;
    std::ostringstream log;
};

std::uint64_t Size(const std::string& path)
{
    struct stat status;
    return ::stat(path.c_str(), &status) == 0 ? static_cast<std::uint64_t>(status.st_size) : 0;
}
} // namespace

TEST(JsonText, AnyBytesMakeValidJsonAndValidUtf8StaysAsItIs)
{
    // Well-formed: é, €, an emoji. Not: a lone continuation byte, an overlong "/", a surrogate,
    // a lead byte at the end, and a code point past U+10FFFF.
    const std::string text = "a\"b\\c\n\t\x01\x7f \xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80 \x80 \xC0\xAF \xED\xA0\x80 "
                             "\xF4\x90\x80\x80 \xE2\x82";
    const std::string quoted = JsonText::Quote(text);
    EXPECT_EQ(quoted, "\"a\\\"b\\\\c\\n\\t\\u0001\\u007f \xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80 \xEF\xBF\xBD "
                      "\xEF\xBF\xBD\xEF\xBF\xBD \xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD \xEF\xBF\xBD\xEF\xBF\xBD"
                      "\xEF\xBF\xBD\xEF\xBF\xBD \xEF\xBF\xBD\xEF\xBF\xBD\"");
    Poco::JSON::Parser parser;
    EXPECT_EQ(parser.parse("[" + quoted + "]").extract<Poco::JSON::Array::Ptr>()->getElement<std::string>(0),
              "a\"b\\c\n\t\x01\x7f \xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80 \xEF\xBF\xBD \xEF\xBF\xBD\xEF\xBF\xBD "
              "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD \xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD "
              "\xEF\xBF\xBD\xEF\xBF\xBD");
}

TEST_F(History, ALineReadsBackAsWrittenWhateverItsTextsHold)
{
    RunHistory::Entry entry = Run(1, std::string(5000, 'e'));
    entry.id = "wi\n{\"outcome\":\"succeeded\"}";
    entry.task = "T\xff";
    entry.outcome = "kept report";
    entry.problem = "HTTP 503";
    entry.kept = 2;
    const std::string line = RunHistory::Line(entry);
    EXPECT_EQ(line.find('\n'), std::string::npos);
    RunHistory::Entry read;
    ASSERT_TRUE(RunHistory::Parse(line, read)) << line;
    EXPECT_EQ(read.id, entry.id);
    EXPECT_EQ(read.task, "T\xEF\xBF\xBD");
    EXPECT_EQ(read.outcome, "kept report");
    EXPECT_EQ(read.problem, "HTTP 503");
    EXPECT_EQ(read.kept, 2);
    EXPECT_DOUBLE_EQ(read.seconds, 1.5);
    // A long text is cut where it says least.
    EXPECT_EQ(read.error, std::string(2048, 'e') + "...");

    RunHistory::Entry none = Run(2);
    none.item = false;
    none.agentId.clear();
    ASSERT_TRUE(RunHistory::Parse(RunHistory::Line(none), read));
    EXPECT_FALSE(read.item);
    EXPECT_EQ(read.agentId, "");
}

TEST_F(History, LinesOfAnotherShapeAreNoEntries)
{
    const std::string good = RunHistory::Line(Run(1));
    const std::string body = good.substr(1);
    std::string quotedStatus = good;
    quotedStatus.replace(quotedStatus.find("\"status\":0"), 10, "\"status\":\"0\"");
    const std::vector<std::string> lines = {
        "",
        "{",
        "[]",
        "{}",
        "null",
        good.substr(0, good.size() - 1),
        quotedStatus,
        "{\"start\":\"x\",\"seconds\":\"1\",\"status\":0,\"outcome\":\"succeeded\"}",
        "{\"start\":\"x\",\"seconds\":1,\"status\":true,\"outcome\":\"succeeded\"}",
        "{\"start\":\"x\",\"seconds\":1,\"status\":300,\"outcome\":\"succeeded\"}",
        "{\"start\":\"x\",\"seconds\":1,\"status\":0,\"outcome\":\"succeeded\",\"item\":[1]}",
        "{\"start\":\"x\",\"seconds\":1,\"status\":0,\"outcome\":\"succeeded\",\"outbox\":{\"kept\":\"2\"}}",
        "{\"start\":\"x\",\"seconds\":1,\"status\":0,\"outcome\":\"succeeded\",\"x\":" + std::string(5000, '[') +
            std::string(5000, ']') + "}",
        "{\"start\":\"x\",\"seconds\":1,\"status\":0,\"outcome\":\"" + std::string(70000, 'a') + "\"}"};
    for (const std::string& line : lines)
    {
        RunHistory::Entry entry;
        EXPECT_FALSE(RunHistory::Parse(line, entry)) << line.substr(0, 120);
    }
    // Fields a later version may add are passed over.
    RunHistory::Entry entry;
    EXPECT_TRUE(RunHistory::Parse("{\"new\":{\"a\":[1]}," + body, entry));
}

TEST_F(History, KeepsTheNewestThousandRunsAsWholeLines)
{
    StateDirectory state(root / "state", logger);
    for (int run = 1; run <= 1000; ++run)
        RunHistory::Append(state, Run(run), logger);
    std::vector<RunHistory::Entry> entries = Entries();
    ASSERT_EQ(entries.size(), 1000u);
    EXPECT_EQ(entries.front().id, "run-1");
    // The run that would be the 1,001st keeps the newest 900, so that the next ones append again.
    RunHistory::Append(state, Run(1001), logger);
    entries = Entries();
    ASSERT_EQ(entries.size(), RunHistory::trimRuns);
    EXPECT_EQ(entries.front().id, "run-102");
    EXPECT_EQ(entries.back().id, "run-1001");
    struct stat status;
    ASSERT_EQ(::stat((root / "state/history").c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 0600u);
    EXPECT_EQ(log.str(), "");
}

TEST_F(History, KeepsTheNewestMebibyteWhenLinesAreLong)
{
    StateDirectory state(root / "state", logger);
    std::uint64_t largest = 0;
    for (int run = 1; run <= 600; ++run)
    {
        RunHistory::Append(state, Run(run, std::string(3000, 'x')), logger);
        largest = std::max(largest, Size(root / "state/history"));
    }
    EXPECT_LE(largest, RunHistory::byteLimit);
    EXPECT_GT(largest, RunHistory::byteLimit - 3000);
    const std::vector<RunHistory::Entry> entries = Entries();
    ASSERT_GT(entries.size(), 300u);
    EXPECT_EQ(entries.back().id, "run-600");
    EXPECT_EQ(entries.front().id, "run-" + std::to_string(600 - entries.size() + 1));
}

TEST_F(History, ALineCutShortStaysOneDamagedLine)
{
    const std::string first = RunHistory::Line(Run(1));
    root.Write("state/history", first + "\n" + first.substr(0, 40), 0600);
    ::chmod((root / "state").c_str(), 0700);
    StateDirectory state(root / "state", logger);
    RunHistory::Append(state, Run(2), logger);
    const int file = ::open((root / "state/history").c_str(), O_RDONLY);
    const RunHistory::Lines lines = RunHistory::Read(file, Size(root / "state/history"), RunHistory::byteLimit);
    ::close(file);
    ASSERT_EQ(lines.entries.size(), 2u);
    EXPECT_EQ(lines.entries[1].id, "run-2");
    EXPECT_EQ(lines.skipped, 1u);
    EXPECT_FALSE(lines.cutShort);
}

TEST_F(History, OnlyTheEndOfAHugeFileIsRead)
{
    const std::string line = RunHistory::Line(Run(1)) + "\n";
    std::string text;
    while (text.size() < 3 * RunHistory::byteLimit)
        text += line;
    text += "{\"damaged\n" + RunHistory::Line(Run(2)) + "\n" + line.substr(0, 30);
    root.Write("history", text);
    const int file = ::open((root / "history").c_str(), O_RDONLY);
    const RunHistory::Lines lines = RunHistory::Read(file, text.size(), RunHistory::byteLimit);
    ::close(file);
    EXPECT_GE(lines.unread, text.size() - RunHistory::byteLimit);
    EXPECT_LE(lines.entries.size() * line.size(), RunHistory::byteLimit);
    EXPECT_GT(lines.entries.size(), 1000u);
    EXPECT_EQ(lines.entries.back().id, "run-2");
    EXPECT_EQ(lines.skipped, 2u);
    EXPECT_TRUE(lines.cutShort);
}

TEST_F(History, AHistoryNotOfTheAgentsOwnIsSetAside)
{
    StateDirectory state(root / "state", logger);
    const std::string target = root.Write("elsewhere", "not the agent's\n");
    // Loose modes, a link, a FIFO (which must not block the run), a second name.
    const std::vector<std::function<void()>> plants = {
        [&] { root.Write("state/history", RunHistory::Line(Run(0)) + "\n", 0644); },
        [&] { ASSERT_EQ(::symlink(target.c_str(), (root / "state/history").c_str()), 0); },
        [&] { ASSERT_EQ(::mkfifo((root / "state/history").c_str(), 0600), 0); },
        [&] {
            root.Write("linked", "", 0600);
            ASSERT_EQ(::link((root / "linked").c_str(), (root / "state/history").c_str()), 0);
        },
    };
    int run = 1;
    for (const auto& plant : plants)
    {
        plant();
        RunHistory::Append(state, Run(run), logger);
        const std::vector<RunHistory::Entry> entries = Entries();
        ASSERT_EQ(entries.size(), 1u) << run;
        EXPECT_EQ(entries[0].id, "run-" + std::to_string(run));
        ::unlink((root / "state/history").c_str());
        ++run;
    }
    std::vector<std::string> aside;
    Poco::File(root / "state/broken").list(aside);
    EXPECT_EQ(aside.size(), 4u);
    EXPECT_EQ(TempDirectory::Read(target), "not the agent's\n");
    EXPECT_EQ(TempDirectory::Read(root / "linked"), "");
    EXPECT_NE(log.str().find("The state entry '" + root / "state/history" + "' is not used: it is a symbolic link"),
              std::string::npos)
        << log.str();
}
