// Environment, error texts and the file log.
#include "engine_test_support.h"

#include <gtest/gtest.h>

#include <Poco/DirectoryIterator.h>

#include <algorithm>
#include <fcntl.h>
#include <regex>
#include <set>
#include <unistd.h>

namespace
{

std::string MessageFor(int number)
{
    EnvHolder holder;
    AXIS2_ERROR_SET(holder.env->error, static_cast<axutil_error_codes_t>(number), AXIS2_FAILURE);
    return holder.Message();
}

TEST(Error, EveryNumberTheEngineRecordsHasItsOwnText)
{
    const int numbers[] = {AXIS2_ERROR_NONE,
                           AXIS2_ERROR_NO_MEMORY,
                           AXIS2_ERROR_INVALID_NULL_PARAM,
                           AXIS2_ERROR_UNSUPPORTED_TYPE,
                           AXIS2_ERROR_CONFIG_NOT_FOUND,
                           AXIS2_ERROR_MODULE_NOT_FOUND,
                           AXIS2_ERROR_OP_NAME_MISSING,
                           AXIS2_ERROR_INVALID_STATE_CONF,
                           AXIS2_ERROR_OM_ELEMENT_INVALID_STATE,
                           AXIS2_ERROR_HTTP_CLIENT_TRANSPORT_ERROR,
                           AXIS2_ERROR_HTTP_REQUEST_NOT_SENT,
                           AXIS2_ERROR_INVALID_TRANSPORT_PROTOCOL,
                           AXIS2_ERROR_INVALID_URL_FORMAT,
                           AXIS2_ERROR_RESPONSE_TIMED_OUT,
                           AXIS2_ERROR_SOAP_ENVELOPE_OR_SOAP_BODY_NULL,
                           AXIS2_ERROR_SSL_ENGINE,
                           AXIS2_ERROR_SSL_NO_CA_FILE,
                           AXIS2_ERROR_INDEX_OUT_OF_BOUNDS,
                           AXIS2_ERROR_INVALID_ADDRESS,
                           AXIS2_ERROR_INVALID_STATE_PARAM,
                           AXIS2_ERROR_SOCKET_ERROR,
                           AXIS2_ERROR_INVALID_DOCUMENT_STATE_ROOT_NULL,
                           AXIS2_ERROR_XML_PARSER_INVALID_MEM_TYPE,
                           AXIS2_ERROR_INVALID_BASE_TYPE,
                           AXIS2_ERROR_INVALID_SOAP_VERSION,
                           AXIS2_ERROR_SOAP_MESSAGE_DOES_NOT_CONTAIN_AN_ENVELOPE};
    std::set<std::string> texts;
    for (int number : numbers)
    {
        std::string text = MessageFor(number);
        EXPECT_NE("Unknown error", text) << number;
        EXPECT_TRUE(texts.insert(text).second) << "duplicate text for " << number;
    }
    // Axis2/C numbers the engine never records still get a text.
    EXPECT_EQ("Unknown error", MessageFor(AXIS2_ERROR_LAST - 1));
}

TEST(Error, DetailBelongsToTheErrorItWasRecordedFor)
{
    EnvHolder holder;
    axutil_error_t* error = holder.env->error;
    EXPECT_EQ(AXIS2_SUCCESS, axutil_env_check_status(holder.env));
    EXPECT_EQ("No error", holder.Message());

    AXIS2_ERROR_SET(error, AXIS2_ERROR_SOCKET_ERROR, AXIS2_FAILURE);
    axutil_error_set_error_message(error, const_cast<char*>("Connection refused: http://127.0.0.1:9/Ostrel2"));
    EXPECT_EQ("Could not connect to the server: Connection refused: http://127.0.0.1:9/Ostrel2", holder.Message());
    EXPECT_EQ(AXIS2_FAILURE, axutil_env_check_status(holder.env));

    // A later error must not inherit the old cause, whichever way it is set.
    AXIS2_ERROR_SET_ERROR_NUMBER(error, AXIS2_ERROR_RESPONSE_TIMED_OUT);
    EXPECT_EQ("Timed out waiting for the reply", holder.Message());
    axutil_error_set_error_message(error, const_cast<char*>("detail"));
    AXIS2_ERROR_SET(error, AXIS2_ERROR_RESPONSE_TIMED_OUT, AXIS2_FAILURE);
    EXPECT_EQ(std::string::npos, holder.Message().find("detail"));
    // A number written straight into the public struct hides a stale detail too.
    axutil_error_set_error_message(error, const_cast<char*>("stale"));
    error->error_number = AXIS2_ERROR_NO_MEMORY;
    EXPECT_EQ("Out of memory", holder.Message());
}

int CheckedLength(const axutil_env_t* env, const char* text)
{
    AXIS2_PARAM_CHECK(env->error, text, -1);
    return static_cast<int>(axutil_strlen(text));
}

TEST(Error, ParamCheckSetsNumberAndStatus)
{
    EnvHolder holder;
    EXPECT_EQ(-1, CheckedLength(holder.env, nullptr));
    EXPECT_EQ(AXIS2_ERROR_INVALID_NULL_PARAM, holder.Number());
    EXPECT_EQ(AXIS2_FAILURE, axutil_env_check_status(holder.env));
    EXPECT_EQ(3, CheckedLength(holder.env, "abc"));
    EXPECT_EQ(AXIS2_SUCCESS, axutil_env_check_status(holder.env));
    EXPECT_EQ(AXIS2_ERROR_INVALID_NULL_PARAM, holder.Number());
}

TEST(Log, WritesEntriesUpToTheLevelWithSourcePosition)
{
    EnvHolder holder(AXIS2_LOG_LEVEL_WARNING);
    axutil_log_t* log = holder.env->log;
    AXIS2_LOG_CRITICAL(log, AXIS2_LOG_SI, "critical %d", 1);
    AXIS2_LOG_ERROR(log, "AXIS/adb_GetWorkItemResponse", 42, "Expected %s but returned %s", "a|b", "c");
    AXIS2_LOG_WARNING(log, AXIS2_LOG_SI, "warning");
    AXIS2_LOG_INFO(log, "info %s", "hidden");
    AXIS2_LOG_DEBUG(log, AXIS2_LOG_SI, "debug hidden");
    AXIS2_LOG_TRACE(log, AXIS2_LOG_SI, "trace hidden");
    std::string text = holder.Log();
    EXPECT_EQ(std::string::npos, text.find("hidden"));
    std::regex line(
        R"(\[\d{4}-\d\d-\d\d \d\d:\d\d:\d\d\.\d{3}\] \[error\] AXIS/adb_GetWorkItemResponse\(42\) Expected a\|b but returned c)");
    EXPECT_TRUE(std::regex_search(text, line)) << text;
    EXPECT_NE(std::string::npos, text.find("[critical] " __FILE__ "("));
    EXPECT_NE(std::string::npos, text.find("] [warning] "));
    EXPECT_EQ(3, std::count(text.begin(), text.end(), '\n'));
}

TEST(Log, TraceLevelIncludesInfoWithoutSourcePosition)
{
    EnvHolder holder(AXIS2_LOG_LEVEL_TRACE);
    AXIS2_LOG_INFO(holder.env->log, "hello %s", "world");
    AXIS2_LOG_USER(holder.env->log, AXIS2_LOG_SI, "user");
    AXIS2_LOG_TRACE(holder.env->log, AXIS2_LOG_SI, "trace");
    std::string text = holder.Log();
    EXPECT_NE(std::string::npos, text.find("] [info] hello world\n"));
    EXPECT_NE(std::string::npos, text.find("] [user] "));
    EXPECT_NE(std::string::npos, text.find("] [trace] "));
}

TEST(Log, AppendsToAnExistingFileAndCreatesNothingWhenSilent)
{
    TempDir dir;
    dir.Write("old.log", "earlier run\n");
    axutil_env_t* env = axutil_env_create_all(dir.File("old.log").c_str(), AXIS2_LOG_LEVEL_ERROR);
    AXIS2_LOG_ERROR(env->log, AXIS2_LOG_SI, "second run");
    axutil_env_free(env);
    std::string text = ReadFile(dir.File("old.log"));
    EXPECT_EQ(0u, text.find("earlier run\n"));
    EXPECT_NE(std::string::npos, text.find("second run"));

    env = axutil_env_create_all(dir.File("quiet.log").c_str(), AXIS2_LOG_LEVEL_CRITICAL);
    AXIS2_LOG_ERROR(env->log, AXIS2_LOG_SI, "filtered");
    axutil_env_free(env);
    EXPECT_FALSE(Poco::File(dir.File("quiet.log")).exists());

    // An empty file that was there before is not the log's to remove.
    dir.Write("empty.log", "");
    env = axutil_env_create_all(dir.File("empty.log").c_str(), AXIS2_LOG_LEVEL_CRITICAL);
    axutil_env_free(env);
    EXPECT_TRUE(Poco::File(dir.File("empty.log")).exists());
}

// Opened when the log is created: a process that can no longer open the file
// afterwards (rights dropped, confined) keeps logging into it.
TEST(Log, FileIsOpenedWhenTheLogIsCreatedAndNotPassedToChildren)
{
    TempDir dir;
    dir.Write("logs/.keep", "");
    const std::string path = dir.File("logs/engine.log");
    axutil_env_t* env = axutil_env_create_all(path.c_str(), AXIS2_LOG_LEVEL_TRACE);
    ASSERT_NE(nullptr, env);
    EXPECT_TRUE(Poco::File(path).exists());
    // A script the agent starts must not inherit the log's descriptor.
    int descriptors = 0;
    for (Poco::DirectoryIterator fd(std::string("/proc/self/fd")), end; fd != end; ++fd)
    {
        char target[4096];
        const ssize_t length = ::readlink(fd->path().c_str(), target, sizeof target - 1);
        if (length <= 0 || std::string(target, static_cast<size_t>(length)) != path)
            continue;
        ++descriptors;
        EXPECT_TRUE(::fcntl(std::stoi(fd.name()), F_GETFD) & FD_CLOEXEC);
    }
    EXPECT_EQ(1, descriptors);

    Poco::File(dir.File("logs")).renameTo(dir.File("moved"));
    AXIS2_LOG_ERROR(env->log, AXIS2_LOG_SI, "after the move");
    axutil_env_free(env);
    EXPECT_NE(std::string::npos, ReadFile(dir.File("moved/engine.log")).find("after the move"));
    EXPECT_FALSE(Poco::File(path).exists());
}

TEST(Log, UnopenableFileDropsEntriesQuietly)
{
    axutil_env_t* env = axutil_env_create_all("/nonexistent-dir/for/sure/engine.log", AXIS2_LOG_LEVEL_TRACE);
    ASSERT_NE(nullptr, env);
    AXIS2_LOG_ERROR(env->log, AXIS2_LOG_SI, "dropped %s", "entry");
    AXIS2_LOG_INFO(env->log, "dropped");
    EXPECT_EQ(AXIS2_SUCCESS, axutil_env_check_status(env));
    axutil_env_free(env);

    env = axutil_env_create_all(nullptr, AXIS2_LOG_LEVEL_TRACE);
    AXIS2_LOG_ERROR(env->log, AXIS2_LOG_SI, "nowhere");
    axutil_env_free(env);
}

} // namespace
