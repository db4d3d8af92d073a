#include "MachineQuery.h"
#include "TempDirectory.h"

#include <Poco/AutoPtr.h>
#include <Poco/Logger.h>
#include <Poco/StreamChannel.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>
#include <stdexcept>

namespace
{
/// Puts fake UUID tools first on a private search path; each records that it ran.
class FakeTools : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const char* path = std::getenv("PATH");
        savedPath = path ? path : "";
        ::setenv("PATH", tools.Path().c_str(), 1);
        Poco::Logger::get("Application.MachineQuery").setChannel(new Poco::StreamChannel(log));
        Poco::Logger::get("Application.MachineQuery").setLevel(Poco::Message::PRIO_INFORMATION);
    }

    void TearDown() override
    {
        ::setenv("PATH", savedPath.c_str(), 1);
        Poco::Logger::get("Application.MachineQuery").setChannel(nullptr);
    }

    /// A tool that prints `output` and exits with `status`; with `onlyFor` it fails for any
    /// other argument list.
    void Tool(const std::string& name, const std::string& output, int status = 0, const char* onlyFor = nullptr)
    {
        std::string script = "#!/bin/sh\necho \"" + name + " $*\" >> " + (tools / "calls") + "\n";
        if (onlyFor)
            script += "[ \"$*\" = \"" + std::string(onlyFor) + "\" ] || exit 1\n";
        script += "printf '%s' '" + output + "'\nexit " + std::to_string(status) + "\n";
        tools.Write(name, script, 0755);
    }

    std::string Calls() const
    {
        return TempDirectory::Read(tools / "calls");
    }

    TempDirectory tools;
    std::ostringstream log;
    std::string savedPath;
};

const std::string dmiListing =
    "# dmidecode 3.4\nHandle 0x0001, DMI type 1, 27 bytes\nSystem Information\n"
    "\tManufacturer: QEMU\n\tUUID: 00112233-4455-6677-8899-AABBCCDDEEFF\n\tWake-up Type: Power Switch\n";
} // namespace

TEST_F(FakeTools, HalAnswersFirstAndKeepsLeadingWhitespace)
{
    Tool("hal-get-property", " 00112233-4455-6677-8899-AABBCCDDEEFF\n\n");
    Tool("dmidecode", dmiListing);
    EXPECT_EQ(MachineQuery::GetUuid(), " 00112233-4455-6677-8899-aabbccddeeff");
    EXPECT_EQ(Calls(), "hal-get-property --udi /org/freedesktop/Hal/devices/computer --key system.hardware.uuid\n");
    EXPECT_NE(log.str().find("uuid =  00112233-4455-6677-8899-aabbccddeeff"), std::string::npos) << log.str();
}

TEST_F(FakeTools, DmidecodeStringKeepsTheLast36Characters)
{
    Tool("hal-get-property", "", 1);
    Tool("dmidecode", "# SMBIOS 2.8 present.\n00112233-4455-6677-8899-AABBCCDDEEFF\n", 0, "--string system-uuid");
    EXPECT_EQ(MachineQuery::GetUuid(), "00112233-4455-6677-8899-aabbccddeeff");
}

TEST_F(FakeTools, DmidecodeNotSettableEndsTheQuery)
{
    Tool("dmidecode", "Not Settable\n");
    Tool("hvqcfg-info", "00112233-4455-6677-8899-aabbccddeeff");
    try
    {
        MachineQuery::GetUuid();
        FAIL() << "no exception";
    }
    catch (const std::out_of_range& exc)
    {
        EXPECT_NE(std::string(exc.what()).find("Not Settable"), std::string::npos) << exc.what();
    }
    EXPECT_EQ(Calls(), "dmidecode --string system-uuid\n");
}

TEST_F(FakeTools, DmidecodeListingIsTheThirdWay)
{
    Tool("dmidecode", dmiListing, 0, "");
    EXPECT_EQ(MachineQuery::GetUuid(), "00112233-4455-6677-8899-aabbccddeeff");
    EXPECT_EQ(Calls(), "dmidecode --string system-uuid\ndmidecode \n");
}

TEST_F(FakeTools, DmidecodeListingWithoutUuidFailsClearly)
{
    Tool("dmidecode", "System Information\n\tManufacturer: QEMU\n", 0, "");
    Tool("hvqcfg-info", "00112233-4455-6677-8899-aabbccddeeff");
    try
    {
        MachineQuery::GetUuid();
        FAIL() << "no exception";
    }
    catch (const std::runtime_error& exc)
    {
        EXPECT_NE(std::string(exc.what()).find("UUID: "), std::string::npos) << exc.what();
    }
}

TEST_F(FakeTools, ShortDmidecodeListingTakesWhatThereIs)
{
    Tool("dmidecode", "UUID: 0011", 0, "");
    EXPECT_EQ(MachineQuery::GetUuid(), "0011");
}

TEST_F(FakeTools, HvqcfgInfoIsTheLastWay)
{
    Tool("hvqcfg-info", "\t00112233-4455-6677-8899-AABBCCDDEEFF \n", 0, "--hwuuid");
    EXPECT_EQ(MachineQuery::GetUuid(), "00112233-4455-6677-8899-aabbccddeeff");
}

TEST_F(FakeTools, NoToolAnswers)
{
    Tool("hvqcfg-info", "", 2);
    try
    {
        MachineQuery::GetUuid();
        FAIL() << "no exception";
    }
    catch (const std::runtime_error& exc)
    {
        EXPECT_STREQ(exc.what(), "Failed to query machine for UUID");
    }
}

TEST_F(FakeTools, LargeOutputDoesNotBlockTheTool)
{
    tools.Write("hvqcfg-info",
                "#!/bin/sh\nhead -c 300000 /dev/zero | tr '\\0' ' '\necho 00112233-4455-6677-8899-aabbccddeeff\n",
                0755);
    ::setenv("PATH", (tools.Path() + ":/usr/bin:/bin").c_str(), 1);
    EXPECT_EQ(MachineQuery::GetUuid(), "00112233-4455-6677-8899-aabbccddeeff");
}

TEST(Swizzle, ReversesTheFirstThreeFields)
{
    EXPECT_EQ(MachineQuery::Swizzle("00112233-4455-6677-8899-aabbccddeeff"), "33221100-5544-7766-8899-aabbccddeeff");
    EXPECT_EQ(MachineQuery::Swizzle("33221100-5544-7766-8899-aabbccddeeff"), "00112233-4455-6677-8899-aabbccddeeff");
    EXPECT_EQ(MachineQuery::Swizzle("00112233x4455y6677z8899waabbccddeeff"), "33221100-5544-7766-8899-aabbccddeeff");
    EXPECT_EQ(MachineQuery::Swizzle("00112233-4455-6677-8899-AABBCCDDEEFF0123"),
              "33221100-5544-7766-8899-AABBCCDDEEFF");
}

TEST(Swizzle, ShortInputComesBackUnchanged)
{
    EXPECT_EQ(MachineQuery::Swizzle(""), "");
    EXPECT_EQ(MachineQuery::Swizzle("0011"), "0011");
    EXPECT_EQ(MachineQuery::Swizzle(std::string(35, 'a')), std::string(35, 'a'));
}
