// properties.xml holds the decrypted values: only its owner may read it, whatever the umask,
// and also when an earlier run left the file behind with wider permissions.
#include "EncryptionHelpers.h"
#include "Guest.h"
#include "TempDirectory.h"
#include "WorkItem.h"

#include <Poco/AutoPtr.h>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace
{
unsigned Mode(const std::string& path)
{
    struct stat status;
    return ::stat(path.c_str(), &status) == 0 ? status.st_mode & 07777 : 0;
}
} // namespace

TEST(PropertiesFile, IsReadableByItsOwnerOnly)
{
    TempDirectory root;
    root.MakeDirectory("Setup");
    WorkItem item;
    item.Parse("<workitem id='1'><task type='Setup'><parameter name='Secret'>" + EncryptionHelpers_Encrypt("pa55") +
               "</parameter><parameter name='Secret.IsEncrypted'>true</parameter></task></workitem>");
    Poco::AutoPtr<Guest> guest = new Guest;
    guest->HandleOptionScript("script", root.Path());

    const mode_t previous = ::umask(022);
    guest->WriteWorkItemProperties(&item);
    EXPECT_EQ(Mode(root / "Setup/properties.xml"), 0600u);

    ::chmod((root / "Setup/properties.xml").c_str(), 0644);
    guest->WriteWorkItemProperties(&item);
    ::umask(previous);
    EXPECT_EQ(Mode(root / "Setup/properties.xml"), 0600u);
    EXPECT_NE(TempDirectory::Read(root / "Setup/properties.xml").find("value=\"pa55\""), std::string::npos);
}
