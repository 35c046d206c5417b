#include "config/SettingsStore.h"

#include <gtest/gtest.h>

#include "config/tests/FakeSettingsBackend.h"

namespace velmar {
namespace {

constexpr char userKey[] = "SOFTWARE\\Brindle\\Velmar\\Domains\\example.com\\Users\\alice";

class SettingsStoreTest : public ::testing::Test {
protected:
    SettingsStoreTest() {
        config.domain.PutText(0, 784, "example.com");
        config.userProfilePath = "VELMAR.INI";
    }
    testing::FakeSettingsBackend backend;
    AppConfig config;
    SettingsStore store{backend, config, true};
    std::string out;
};

TEST(ConfigKeyPath, SpecialSectionsInAnyCaseAndUserSections) {
    struct Case {
        const char* section;
        const char* want;
    } cases[] = {
        {"_smtp", "SYSTEM\\CurrentControlSet\\Services\\RELAYSVC\\Parameters"},
        {"_POP", "SYSTEM\\CurrentControlSet\\Services\\BOXSVC\\Parameters"},
        {"_GLOBAL", "SOFTWARE\\Brindle\\Velmar\\Global"},
        {"_global", "SOFTWARE\\Brindle\\Velmar\\Global"},
        {"_Global", "SOFTWARE\\Brindle\\Velmar\\Global"},
        {"_MAIL", "SOFTWARE\\Brindle\\Velmar\\_Mail"},
        {"url", "SOFTWARE\\Brindle\\Velmar\\URL"},
        {"_aliases", "SOFTWARE\\Brindle\\Velmar\\Domains\\d.org\\Users\\_aliases"},
        {"Alice", "SOFTWARE\\Brindle\\Velmar\\Domains\\d.org\\Users\\Alice"},
        {"", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(ConfigKeyPath(c.section, "d.org"), c.want) << c.section;
    EXPECT_EQ(ConfigKeyPath(std::string(600, 'u'), "d.org").size(), 511u);
}

TEST_F(SettingsStoreTest, MaildirIsStoredAsTopDirForStringsOnly) {
    backend.SetString("SOFTWARE\\Brindle\\Velmar\\Global", "TopDir", "D:\\VELMAR");
    EXPECT_EQ(store.GetConfigString("_GLOBAL", "MAILDIR", "C:\\MAIL", out, 79, ProfileShared), 9u);
    EXPECT_EQ(out, "D:\\VELMAR");
    // Integer reads use the name as given.
    backend.SetDword("SOFTWARE\\Brindle\\Velmar\\Global", "MAILDIR", 7);
    EXPECT_EQ(store.GetConfigInt("_GLOBAL", "maildir", 0, ProfileShared), 7);
    // Writes and deletions map the name too.
    store.PutConfigString("_GLOBAL", "maildir", "E:\\M");
    EXPECT_EQ(backend.registry["SOFTWARE\\Brindle\\Velmar\\Global"]["TopDir"], std::string("E:\\M\0", 5));
}

TEST_F(SettingsStoreTest, ProfileFallbackKeepsTheCallersNames) {
    backend.SetProfile("VELMAR.INI", "_GLOBAL", "MAILDIR", "F:\\INI");
    EXPECT_EQ(store.GetConfigString("_GLOBAL", "MAILDIR", "C:\\MAIL", out, 79, ProfileShared), 6u);
    EXPECT_EQ(out, "F:\\INI");
    EXPECT_EQ(store.GetConfigString("_GLOBAL", "Other", "dflt", out, 79, ProfileShared), 4u);
    EXPECT_EQ(out, "dflt");
}

TEST_F(SettingsStoreTest, EmptyRegistryValueIsEmptyNotTheDefault) {
    backend.SetString("SOFTWARE\\Brindle\\Velmar\\_Mail", "UserHost", "");
    EXPECT_EQ(store.GetConfigString("_MAIL", "UserHost", "fallback", out, 255, ProfileShared), 0u);
    EXPECT_EQ(out, "");
}

TEST_F(SettingsStoreTest, TooLongRegistryValueFallsBackToTheProfile) {
    backend.SetString("SOFTWARE\\Brindle\\Velmar\\Global", "HOSTNAME", std::string(120, 'h'));  // 121 bytes
    backend.SetProfile("VELMAR.INI", "_GLOBAL", "HOSTNAME", "ini.host");
    EXPECT_EQ(store.GetConfigString("_GLOBAL", "HOSTNAME", "localhost", out, 120, ProfileShared), 8u);
    EXPECT_EQ(out, "ini.host");
    // 119 characters and the terminator fit exactly.
    backend.SetString("SOFTWARE\\Brindle\\Velmar\\Global", "HOSTNAME", std::string(119, 'h'));
    EXPECT_EQ(store.GetConfigString("_GLOBAL", "HOSTNAME", "localhost", out, 120, ProfileShared), 119u);
}

TEST_F(SettingsStoreTest, UnterminatedRegistryDataIsCutToTheCapacity) {
    backend.registry["SOFTWARE\\Brindle\\Velmar\\Global"]["X"] = std::string(10, 'x');  // no terminator
    EXPECT_EQ(store.GetConfigString("_GLOBAL", "X", "", out, 10, ProfileShared), 9u);
}

TEST_F(SettingsStoreTest, IntegersTakeTheFirst32BitsElseTheProfile) {
    backend.registry[userKey]["FONT"] = std::string("\x05\x00\x00\x00\xFF\xFF", 6);
    EXPECT_EQ(store.GetConfigInt("alice", "FONT", 3, ProfileUser), 5);
    backend.registry[userKey]["BIG"] = std::string(29, '\x01');  // longer than the 28-byte work area
    backend.SetProfile("VELMAR.INI", "alice", "BIG", "42");
    EXPECT_EQ(store.GetConfigInt("alice", "BIG", 3, ProfileUser), 42);
    EXPECT_EQ(store.GetConfigInt("alice", "NONE", -11, ProfileUser), -11);
}

TEST_F(SettingsStoreTest, UserSectionWithoutKeyUsesTheUserIdAsProfileSection) {
    backend.SetProfile("VELMAR.INI", "bob", "SIGFILE", "C:\\sig.txt");
    EXPECT_EQ(store.GetConfigString("bob", "SIGFILE", "", out, 144, ProfileUser), 10u);
}

TEST_F(SettingsStoreTest, DeletingUnderAMissingKeyCreatesTheKeyWithAnEmptyValue) {
    store.PutConfigString("alice", "BCC", nullptr);
    ASSERT_TRUE(backend.registry.count(userKey));
    EXPECT_EQ(backend.registry[userKey]["BCC"], "");
    store.PutConfigString("alice", "BCC", "x@y");
    EXPECT_EQ(backend.registry[userKey]["BCC"], std::string("x@y\0", 4));
    store.PutConfigString("alice", "BCC", nullptr);
    EXPECT_FALSE(backend.registry[userKey].count("BCC"));
}

TEST_F(SettingsStoreTest, PasswordsAreStoredScrambledAsHexTwiceAsLong) {
    store.PutConfigString("alice", "password", "secret");
    const std::string stored = backend.registry[userKey]["password"];
    EXPECT_EQ(stored.size(), 13u);  // 12 hex digits and the terminator
    EXPECT_EQ(stored.find("secret"), std::string::npos);
    for (char c : stored.substr(0, 12)) EXPECT_TRUE(std::isxdigit(static_cast<unsigned char>(c)) && !std::islower(c));
    EXPECT_EQ(store.GetConfigString("alice", "password", "", out, 64, ProfileUser), 6u);
    EXPECT_EQ(out, "secret");
}

TEST(ScramblePassword, RoundTripsKeyedAndBounded) {
    const std::string clear = "p\x01\xFFw0rd";
    EXPECT_EQ(UnscramblePassword(ScramblePassword(clear, "bob"), "bob"), clear);
    EXPECT_NE(ScramblePassword(clear, "bob"), ScramblePassword(clear, "eve"));
    EXPECT_EQ(ScramblePassword(std::string(40, 'a'), "k").size(), 48u);
    EXPECT_EQ(UnscramblePassword("4G", "k"), "");
    EXPECT_EQ(UnscramblePassword(ScramblePassword("ab", ""), ""), "ab");
}

TEST_F(SettingsStoreTest, UserProfilePathFollowsThePlatformFamily) {
    config.sharedProfilePath = "VELMAR.INI";
    store.BuildUserProfilePath("alice");
    EXPECT_EQ(config.userProfilePath, "VELMAR.INI");

    SettingsStore old(backend, config, false);
    config.usersDir = "D:\\client\\Users";
    old.BuildUserProfilePath("alice");
    EXPECT_EQ(config.userProfilePath, "D:\\client\\Users\\alice\\Velmar.ini");
    config.usersDir.clear();
    config.mailDir = "C:\\MAIL";
    old.BuildUserProfilePath("alice");
    EXPECT_EQ(config.userProfilePath, "C:\\MAIL\\users\\alice\\Velmar.ini");
    old.BuildUserProfilePath(std::string(300, 'u'));
    EXPECT_EQ(config.userProfilePath.size(), cap::userProfilePath);
}

TEST_F(SettingsStoreTest, ProgramAliasesAreHiddenFromRecipientExpansion) {
    backend.SetString("SOFTWARE\\Brindle\\Velmar\\Domains\\example.com\\Users\\_aliases", "robot", "|C:\\bin\\robot");
    backend.SetProfile("VELMAR.INI", "_aliases", "team", "a@x, b@x");
    EXPECT_EQ(store.LookupAlias("robot", out, 0), 0u);
    EXPECT_EQ(out, "");
    EXPECT_EQ(store.LookupAlias("robot", out, 1), 13u);
    EXPECT_EQ(store.LookupAlias("team", out, 0), 8u);
    EXPECT_EQ(out, "a@x, b@x");
}

}  // namespace
}  // namespace velmar
