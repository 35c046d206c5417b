// The settings store over the real registry and profile functions, and the server library's stand-in.
#include <windows.h>

#include <gtest/gtest.h>

#include "config/Registry_win.h"
#include "config/ServerLibrary_win.h"
#include "config/SettingsStore.h"
#include "config/StartupConfig.h"
#include "tests/support/WinTestSupport.h"

namespace velmar {
namespace {

using wintest::kGlobalKey;
constexpr char usersKey[] = "SOFTWARE\\Brindle\\Velmar\\Domains\\example.com\\Users\\";
constexpr char standIn[] = "SOFTWARE\\VelmarStandIn\\Domains\\example.com";

class RealSettingsTest : public wintest::CleanMachineTest {
protected:
    void SetUp() override {
        CleanMachineTest::SetUp();
        config.domain.PutText(0, 784, "example.com");
        config.sharedProfilePath = config.userProfilePath = "VELMAR.INI";
    }

    Win32SettingsBackend backend;
    AppConfig config;
    SettingsStore store{backend, config, true};
    VelmarsecLibrary library;
    std::string out;
};

// What the platform decides: a value too long for the area is missing (the profile answers);
// the value types written; a delete under a missing key finds no key (the key is created).
TEST_F(RealSettingsTest, RegistryThenProfileAndWrites) {
    ASSERT_TRUE(WritePrivateProfileStringA("_GLOBAL", "HOSTNAME", "from.ini", "VELMAR.INI"));
    ASSERT_TRUE(wintest::SetRegistryString(kGlobalKey, "HOSTNAME", "0123456789"));
    EXPECT_EQ(store.GetConfigString("_GLOBAL", "HOSTNAME", "", out, 8, ProfileShared), 7u);
    EXPECT_EQ(out, "from.in");
    EXPECT_EQ(store.GetConfigString("_GLOBAL", "HOSTNAME", "", out, 11, ProfileShared), 10u);
    EXPECT_EQ(out, "0123456789");
    ASSERT_TRUE(WritePrivateProfileStringA("_GLOBAL", "PORT", "2525", "VELMAR.INI"));
    EXPECT_EQ(store.GetConfigInt("_GLOBAL", "PORT", 25, ProfileShared), 2525);

    store.PutConfigString("_GLOBAL", "MAILDIR", "E:\\M");
    const auto topDir = wintest::ReadRegistryValue(kGlobalKey, "TopDir");
    EXPECT_EQ(std::pair(topDir.type, topDir.bytes), std::pair(DWORD{REG_SZ}, std::string("E:\\M\0", 5)));
    store.PutConfigInt("bob", "OPT_SIG", 1);
    const auto optSig = wintest::ReadRegistryValue(std::string(usersKey) + "bob", "OPT_SIG");
    EXPECT_EQ(std::pair(optSig.type, optSig.bytes), std::pair(DWORD{REG_DWORD}, std::string("\1\0\0\0", 4)));
    store.PutConfigString("carol", "BCC", "copy@example.com");
    store.PutConfigString("carol", "BCC", nullptr);
    EXPECT_FALSE(wintest::ReadRegistryValue(std::string(usersKey) + "carol", "BCC").exists);
    store.PutConfigString("dave", "BCC", nullptr);
    EXPECT_TRUE(wintest::ReadRegistryValue(std::string(usersKey) + "dave", "BCC").exists);
}

// The stand-in fills whole buffers: the last byte is made the terminator. The start-up
// configuration reads the domain through the library.
TEST_F(RealSettingsTest, ServerLibraryAndStartupConfiguration) {
    const std::string in = standIn;
    for (const auto& [key, name, text] : {std::tuple(in, "Name", std::string("example.com")), {in, "TopDir", "D:\\Dom"},
                                          {in + "\\Users\\alice", "MailAddr", "alice@example.com"},
                                          {in + "\\Aliases", "big", std::string(900, 'm')},
                                          {"SOFTWARE\\Brindle\\Velmar\\_Mail", "UserHost", "example.com"}})
        ASSERT_TRUE(wintest::SetRegistryString(key, name, text)) << key << name;
    LoadStartupConfiguration(config, store, library, DialogBaseUnits{8, 16});
    EXPECT_EQ(config.hostName + " " + config.usersDir, "example.com D:\\Dom\\Users");

    UserRecord user;
    std::array<char, aliasMembersSize> members{};
    ASSERT_NE(library.LookupUser(user, config.domain, "alice"), 0);
    EXPECT_EQ(user.MailAddress(), "alice@example.com");
    EXPECT_EQ(library.LookupAliasMembers("example.com", "big", members), 479);
    EXPECT_EQ(std::string(members.data()), std::string(479, 'm'));
    ASSERT_TRUE(wintest::SetRegistryString(standIn, "TopDir", std::string(3000, 't')));
    ASSERT_NE(library.LookupDomain(config.domain, "example.com"), 0);
    EXPECT_EQ(config.domain.TopDir().size(), 3524u - 784u - 1u);
}

}  // namespace
}  // namespace velmar
