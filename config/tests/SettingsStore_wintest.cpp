// The settings store over the real registry and the real profile functions.
#include <windows.h>

#include <gtest/gtest.h>

#include "config/Registry_win.h"
#include "config/SettingsStore.h"
#include "tests/support/WinTestSupport.h"

namespace velmar {
namespace {

constexpr char globalKey[] = "SOFTWARE\\Brindle\\Velmar\\Global";
constexpr char usersKey[] = "SOFTWARE\\Brindle\\Velmar\\Domains\\example.com\\Users\\";

class RealSettingsTest : public ::testing::Test {
protected:
    void SetUp() override {
        wintest::ForgetServerConfiguration();
        config.domain.PutText(0, 784, "example.com");
        config.sharedProfilePath = "VELMAR.INI";
        config.userProfilePath = "VELMAR.INI";
    }
    void TearDown() override { wintest::ForgetServerConfiguration(); }
    static void Profile(const char* section, const char* entry, const char* text) {
        ASSERT_TRUE(WritePrivateProfileStringA(section, entry, text, "VELMAR.INI"));
    }

    Win32SettingsBackend backend;
    AppConfig config;
    SettingsStore store{backend, config, true};
    std::string out;
};

TEST_F(RealSettingsTest, MaildirIsTheRegistryValueTopDir) {
    ASSERT_TRUE(wintest::SetRegistryString(globalKey, "TopDir", "D:\\VELMAR"));
    ASSERT_TRUE(wintest::SetRegistryString(globalKey, "MAILDIR", "wrong"));
    EXPECT_EQ(store.GetConfigString("_GLOBAL", "MAILDIR", "C:\\MAIL", out, 79, ProfileShared), 9u);
    EXPECT_EQ(out, "D:\\VELMAR");
    store.PutConfigString("_GLOBAL", "MAILDIR", "E:\\M");
    const auto stored = wintest::ReadRegistryValue(globalKey, "TopDir");
    EXPECT_EQ(stored.type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(stored.bytes, std::string("E:\\M\0", 5));  // the length counts the terminator
}

TEST_F(RealSettingsTest, SectionNamesInAnyCaseNameTheSameKey) {
    ASSERT_TRUE(wintest::SetRegistryString(globalKey, "HOSTNAME", "mail.example.com"));
    for (const char* section : {"_GLOBAL", "_global", "_Global"}) {
        EXPECT_EQ(store.GetConfigString(section, "HOSTNAME", "x", out, 128, ProfileShared), 16u) << section;
        EXPECT_EQ(out, "mail.example.com");
    }
}

TEST_F(RealSettingsTest, EmptyRegistryValueIsEmptyNotTheProfileOrDefault) {
    ASSERT_TRUE(wintest::SetRegistryString(globalKey, "HOSTNAME", ""));
    Profile("_GLOBAL", "HOSTNAME", "from.ini");
    EXPECT_EQ(store.GetConfigString("_GLOBAL", "HOSTNAME", "dflt", out, 128, ProfileShared), 0u);
    EXPECT_EQ(out, "");
}

TEST_F(RealSettingsTest, MissingOrTooLongValueFallsBackToTheProfileThenTheDefault) {
    EXPECT_EQ(store.GetConfigString("_GLOBAL", "HOSTNAME", "dflt", out, 128, ProfileShared), 4u);
    EXPECT_EQ(out, "dflt");
    Profile("_GLOBAL", "HOSTNAME", "from.ini");
    EXPECT_EQ(store.GetConfigString("_GLOBAL", "HOSTNAME", "dflt", out, 128, ProfileShared), 8u);
    EXPECT_EQ(out, "from.ini");
    // Ten characters and the terminator do not fit in 8 bytes: the profile answers.
    ASSERT_TRUE(wintest::SetRegistryString(globalKey, "HOSTNAME", "0123456789"));
    EXPECT_EQ(store.GetConfigString("_GLOBAL", "HOSTNAME", "dflt", out, 8, ProfileShared), 7u);
    EXPECT_EQ(out, "from.in");  // the profile value is cut to the capacity
    EXPECT_EQ(store.GetConfigString("_GLOBAL", "HOSTNAME", "dflt", out, 11, ProfileShared), 10u);
    EXPECT_EQ(out, "0123456789");
}

TEST_F(RealSettingsTest, IntegersFromDwordValuesElseTheProfile) {
    EXPECT_EQ(store.GetConfigInt("_GLOBAL", "PORT", 25, ProfileShared), 25);
    Profile("_GLOBAL", "PORT", "2525");
    EXPECT_EQ(store.GetConfigInt("_GLOBAL", "PORT", 25, ProfileShared), 2525);
    store.PutConfigInt("_GLOBAL", "PORT", 587);
    const auto stored = wintest::ReadRegistryValue(globalKey, "PORT");
    EXPECT_EQ(stored.type, static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(stored.bytes.size(), 4u);
    EXPECT_EQ(store.GetConfigInt("_GLOBAL", "PORT", 25, ProfileShared), 587);
    ASSERT_TRUE(wintest::SetRegistryDword(globalKey, "PORT", 0xFFFFFFFFu));
    EXPECT_EQ(store.GetConfigInt("_GLOBAL", "PORT", 25, ProfileShared), -1);
}

TEST_F(RealSettingsTest, UserSectionsUseThePerUserKeyElseTheUserIdAsProfileSection) {
    Profile("bob", "OPT_SIG", "0");
    Profile("bob", "SpecProg", "notepad %s");
    EXPECT_EQ(store.GetConfigInt("bob", "OPT_SIG", 1, ProfileUser), 0);
    EXPECT_EQ(store.GetConfigString("bob", "SpecProg", "", out, 256, ProfileUser), 10u);
    EXPECT_EQ(out, "notepad %s");
    store.PutConfigInt("bob", "OPT_SIG", 1);
    EXPECT_EQ(wintest::ReadRegistryValue(std::string(usersKey) + "bob", "OPT_SIG").bytes, std::string("\1\0\0\0", 4));
    EXPECT_EQ(store.GetConfigInt("bob", "OPT_SIG", 0, ProfileUser), 1);
}

TEST_F(RealSettingsTest, DeletingAValue) {
    store.PutConfigString("carol", "BCC", "copy@example.com");
    const std::string key = std::string(usersKey) + "carol";
    EXPECT_TRUE(wintest::ReadRegistryValue(key, "BCC").exists);
    store.PutConfigString("carol", "BCC", nullptr);
    EXPECT_FALSE(wintest::ReadRegistryValue(key, "BCC").exists);
    // Under a missing key the key is created, holding the value as an empty text.
    const std::string missing = std::string(usersKey) + "dave";
    ASSERT_FALSE(wintest::KeyExists(missing));
    store.PutConfigString("dave", "BCC", nullptr);
    EXPECT_TRUE(wintest::KeyExists(missing));
    EXPECT_TRUE(wintest::ReadRegistryValue(missing, "BCC").exists);
}

TEST_F(RealSettingsTest, AliasesFromTheAliasKeyOrTheSharedProfile) {
    ASSERT_TRUE(wintest::SetRegistryString(std::string(usersKey) + "_aliases", "sales", "ann@example.com,bo"));
    ASSERT_TRUE(wintest::SetRegistryString(std::string(usersKey) + "_aliases", "robot", "|C:\\bin\\robot.exe"));
    EXPECT_EQ(store.LookupAlias("sales", out, 0), 18u);
    EXPECT_EQ(out, "ann@example.com,bo");
    EXPECT_EQ(store.LookupAlias("robot", out, 0), 0u);
    EXPECT_GT(store.LookupAlias("robot", out, 1), 0u);
    Profile("_aliases", "support", "sue@example.com");
    EXPECT_EQ(store.LookupAlias("support", out, 0), 15u);
    EXPECT_EQ(out, "sue@example.com");
}

}  // namespace
}  // namespace velmar
