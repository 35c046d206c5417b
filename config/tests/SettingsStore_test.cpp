#include "config/SettingsStore.h"

#include <gtest/gtest.h>

#include "config/tests/FakeSettingsBackend.h"

namespace velmar {
namespace {

using testing::FakeSettingsBackend;
constexpr char globalKey[] = "SOFTWARE\\Brindle\\Velmar\\Global";
constexpr char mailKey[] = "SOFTWARE\\Brindle\\Velmar\\_Mail";
constexpr char userKey[] = "SOFTWARE\\Brindle\\Velmar\\Domains\\example.com\\Users\\alice";

class SettingsStoreTest : public ::testing::Test {
protected:
    SettingsStoreTest() {
        config.domain.PutText(0, 784, "example.com");
        config.userProfilePath = "VELMAR.INI";
    }
    FakeSettingsBackend backend;
    AppConfig config;
    SettingsStore store{backend, config, true};
    std::string out;
};

TEST(ConfigKeyPath, SpecialSectionsInAnyCaseAndUserSections) {
    const struct { const char* section; const char* want; } cases[] = {
        {"_smtp", "SYSTEM\\CurrentControlSet\\Services\\RELAYSVC\\Parameters"},
        {"_POP", "SYSTEM\\CurrentControlSet\\Services\\BOXSVC\\Parameters"},
        {"_global", "SOFTWARE\\Brindle\\Velmar\\Global"}, {"_MAIL", "SOFTWARE\\Brindle\\Velmar\\_Mail"},
        {"url", "SOFTWARE\\Brindle\\Velmar\\URL"},
        {"Alice", "SOFTWARE\\Brindle\\Velmar\\Domains\\d.org\\Users\\Alice"}, {"", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(ConfigKeyPath(c.section, "d.org"), c.want) << c.section;
    EXPECT_EQ(ConfigKeyPath(std::string(600, 'u'), "d.org").size(), 511u);
}

// Registry first (MAILDIR stored as "TopDir"), then the profile under the caller's names,
// then the default; a registry value must fit the capacity with its terminator.
TEST_F(SettingsStoreTest, GetConfigStringSources) {
    const struct { const char* name; std::vector<FakeSettingsBackend::Setting> settings; const char *section, *entry;
                   std::size_t capacity; std::string want; } cases[] = {
        {"MAILDIR is stored as TopDir", {{globalKey, "TopDir", "D:\\VELMAR"}}, "_GLOBAL", "MAILDIR", 79, "D:\\VELMAR"},
        {"profile under the caller's names", {{"ini:_GLOBAL", "MAILDIR", "F:\\INI"}}, "_GLOBAL", "MAILDIR", 79,
         "F:\\INI"},
        {"default", {}, "_GLOBAL", "Other", 79, "dflt"},
        {"empty registry value is empty, not the default", {{mailKey, "UserHost", ""}}, "_MAIL", "UserHost", 255, ""},
        {"120 characters do not fit 120 bytes: the profile answers",
         {{globalKey, "HOSTNAME", std::string(120, 'h')}, {"ini:_GLOBAL", "HOSTNAME", "ini.host"}}, "_GLOBAL",
         "HOSTNAME", 120, "ini.host"},
        {"119 characters fit", {{globalKey, "HOSTNAME", std::string(119, 'h')}}, "_GLOBAL", "HOSTNAME", 120,
         std::string(119, 'h')},
        {"user section without a key: the user id is the profile section", {{"ini:bob", "SIGFILE", "C:\\s.txt"}},
         "bob", "SIGFILE", 144, "C:\\s.txt"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        backend = FakeSettingsBackend{};
        backend.Apply(c.settings);
        const std::size_t length = store.GetConfigString(c.section, c.entry, "dflt", out, c.capacity, ProfileShared);
        EXPECT_EQ(std::pair(length, out), std::pair(c.want.size(), c.want));
    }
    backend.registry[globalKey]["X"] = std::string(10, 'x');  // unterminated: cut to the capacity
    EXPECT_EQ(store.GetConfigString("_GLOBAL", "X", "", out, 10, ProfileShared), 9u);
}

TEST_F(SettingsStoreTest, GetConfigIntSources) {
    backend.registry[userKey]["FONT"] = std::string("\x05\x00\x00\x00\xFF\xFF", 6);  // the first 32 bits count
    EXPECT_EQ(store.GetConfigInt("alice", "FONT", 3, ProfileUser), 5);
    backend.registry[userKey]["BIG"] = std::string(29, '\x01');  // longer than the 28-byte work area
    backend.Apply({{"ini:alice", "BIG", "42"}});
    EXPECT_EQ(store.GetConfigInt("alice", "BIG", 3, ProfileUser), 42);
    EXPECT_EQ(store.GetConfigInt("alice", "NONE", -11, ProfileUser), -11);
    backend.SetDword(globalKey, "MAILDIR", 0xFFFFFFFFu);  // integer reads use the name as given, signed
    EXPECT_EQ(store.GetConfigInt("_GLOBAL", "maildir", 0, ProfileShared), -1);
}

TEST_F(SettingsStoreTest, WritesAndDeletions) {
    store.PutConfigString("_GLOBAL", "maildir", "E:\\M");
    EXPECT_EQ(backend.registry[globalKey]["TopDir"], std::string("E:\\M\0", 5));
    store.PutConfigString("alice", "BCC", nullptr);  // under a missing key: the key, with an empty value
    EXPECT_EQ(backend.registry.at(userKey).at("BCC"), "");
    store.PutConfigString("alice", "BCC", nullptr);  // under the key now: the value goes
    EXPECT_FALSE(backend.registry[userKey].count("BCC"));
}

TEST_F(SettingsStoreTest, PasswordsAreStoredScrambledAsUpperCaseHex) {
    store.PutConfigString("alice", "password", "secret");
    EXPECT_EQ(backend.registry[userKey]["password"], std::string("486E7E908E8E\0", 13));
    EXPECT_EQ(store.GetConfigString("alice", "password", "", out, 64, ProfileUser), 6u);
    EXPECT_EQ(out, "secret");
    const std::string clear = "p\x01\xFFw0rd";
    EXPECT_EQ(UnscramblePassword(ScramblePassword(clear, "bob"), "bob"), clear);
    EXPECT_NE(ScramblePassword(clear, "bob"), ScramblePassword(clear, "eve"));
    EXPECT_EQ(ScramblePassword(std::string(40, 'a'), "k").size(), 48u);
    EXPECT_EQ(UnscramblePassword("4G", "k"), "");
    EXPECT_EQ(UnscramblePassword(ScramblePassword("ab", ""), ""), "ab");
}

TEST_F(SettingsStoreTest, UserProfilePathFollowsThePlatformFamily) {
    config.sharedProfilePath = "SHARED.INI";
    store.BuildUserProfilePath("alice");
    EXPECT_EQ(config.userProfilePath, "SHARED.INI");
    SettingsStore old(backend, config, false);  // the older platform family: a file per user
    for (const auto& [usersDir, want] : {std::pair("D:\\client\\Users", "D:\\client\\Users\\alice\\Velmar.ini"),
                                         std::pair("", "C:\\MAIL\\users\\alice\\Velmar.ini")}) {
        config.usersDir = usersDir, config.mailDir = "C:\\MAIL";
        old.BuildUserProfilePath("alice");
        EXPECT_EQ(config.userProfilePath, want);
    }
    old.BuildUserProfilePath(std::string(300, 'u'));
    EXPECT_EQ(config.userProfilePath.size(), cap::userProfilePath);
}

// Recipient expansion (flag 0) does not see a program alias; the address book (flag 1) does.
TEST_F(SettingsStoreTest, ProgramAliasesAreHiddenFromRecipientExpansion) {
    backend.SetString("SOFTWARE\\Brindle\\Velmar\\Domains\\example.com\\Users\\_aliases", "robot", "|C:\\bin\\robot");
    EXPECT_EQ(std::pair(store.LookupAlias("robot", out, 0), store.LookupAlias("robot", out, 1)),
              std::pair(std::size_t{0}, std::size_t{13}));
}

}  // namespace
}  // namespace velmar
