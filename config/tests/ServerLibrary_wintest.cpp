// The server library as the client imports it, answered by the stand-in library from its
// registry subtree; and the start-up configuration read from the real registry through it.
#include <windows.h>

#include <gtest/gtest.h>

#include "config/Registry_win.h"
#include "config/ServerLibrary_win.h"
#include "config/StartupConfig.h"
#include "tests/support/WinTestSupport.h"

namespace velmar {
namespace {

constexpr char standInDomains[] = "SOFTWARE\\VelmarStandIn\\Domains\\";

class ServerLibraryTest : public ::testing::Test {
protected:
    void SetUp() override { wintest::ForgetServerConfiguration(); }
    void TearDown() override { wintest::ForgetServerConfiguration(); }
    static void Domain(const std::string& host, const std::string& topDir) {
        ASSERT_TRUE(wintest::SetRegistryString(standInDomains + host, "Name", host));
        ASSERT_TRUE(wintest::SetRegistryString(standInDomains + host, "TopDir", topDir));
    }
    VelmarsecLibrary library;
};

TEST_F(ServerLibraryTest, WithoutDataEveryLookupFails) {
    DomainRecord domain;
    UserRecord user;
    std::array<char, aliasMembersSize> members{};
    EXPECT_EQ(library.LookupDomain(domain, "localhost"), 0);
    EXPECT_EQ(library.LookupUser(user, domain, "root"), 0);
    EXPECT_EQ(library.LookupAliasMembers("localhost", "sales", members), 0);
    EXPECT_EQ(domain.Name(), "");
}

TEST_F(ServerLibraryTest, DomainUserAndAliasFromTheStandInData) {
    Domain("example.com", "D:\\Velmar\\example.com");
    const std::string users = std::string(standInDomains) + "example.com\\Users\\alice";
    ASSERT_TRUE(wintest::SetRegistryString(users, "FullName", "Alice Example"));
    ASSERT_TRUE(wintest::SetRegistryString(users, "MailAddr", "alice@example.com"));
    ASSERT_TRUE(wintest::SetRegistryString(std::string(standInDomains) + "example.com\\Aliases", "sales",
                                           "ann@example.com,bo@example.com"));

    DomainRecord domain;
    ASSERT_NE(library.LookupDomain(domain, "example.com"), 0);
    EXPECT_EQ(domain.Name(), "example.com");
    EXPECT_EQ(domain.TopDir(), "D:\\Velmar\\example.com");

    UserRecord user;
    ASSERT_NE(library.LookupUser(user, domain, "alice"), 0);
    EXPECT_EQ(user.FullName(), "Alice Example");
    EXPECT_EQ(user.MailAddress(), "alice@example.com");
    EXPECT_EQ(library.LookupUser(user, domain, "nobody"), 0);

    std::array<char, aliasMembersSize> members{};
    EXPECT_EQ(library.LookupAliasMembers("example.com", "sales", members), 30);
    EXPECT_STREQ(members.data(), "ann@example.com,bo@example.com");
    EXPECT_EQ(library.LookupAliasMembers("example.com", "none", members), 0);
}

TEST_F(ServerLibraryTest, OverlongAnswersStayInsideTheCallersBuffers) {
    Domain("example.com", std::string(3000, 't'));
    ASSERT_TRUE(wintest::SetRegistryString(std::string(standInDomains) + "example.com\\Aliases", "big",
                                           std::string(900, 'm')));
    DomainRecord domain;
    ASSERT_NE(library.LookupDomain(domain, "example.com"), 0);
    EXPECT_EQ(domain.TopDir().size(), 3524u - 784u - 1u);
    std::array<char, aliasMembersSize> members{};
    EXPECT_EQ(library.LookupAliasMembers("example.com", "big", members), 479);
}

class StartupFromRegistryTest : public ServerLibraryTest {
protected:
    void Load() {
        LoadStartupConfiguration(config, store, library, DialogBaseUnits{8, 16});
    }
    Win32SettingsBackend backend;
    AppConfig config;
    SettingsStore store{backend, config, true};
};

TEST_F(StartupFromRegistryTest, DefaultsOnAMachineWithoutConfiguration) {
    Load();
    EXPECT_EQ(config.hostName, "localhost");
    EXPECT_EQ(config.userId, "root");
    EXPECT_EQ(config.mailDir, "C:\\MAIL");
    EXPECT_EQ(config.usersDir, "\\Users");
    EXPECT_EQ(config.spoolDir, "C:\\MAIL\\spool");
    EXPECT_EQ(config.usersSysPath, "C:\\MAIL\\cfg\\USERS.SYS");
    EXPECT_EQ(config.sendName, "mqsend");
    EXPECT_EQ(config.sendWrap, 72);
    EXPECT_EQ(config.fontChoice, 3);
    EXPECT_EQ(config.placement.width, 524);
}

TEST_F(StartupFromRegistryTest, PrecedenceRulesOverTheRealStore) {
    constexpr char global[] = "SOFTWARE\\Brindle\\Velmar\\Global";
    constexpr char mail[] = "SOFTWARE\\Brindle\\Velmar\\_Mail";
    constexpr char smtp[] = "SYSTEM\\CurrentControlSet\\Services\\RELAYSVC\\Parameters";
    Domain("example.com", "D:\\Dom");
    ASSERT_TRUE(wintest::SetRegistryString(global, "HOSTNAME", "host.example.com"));
    ASSERT_TRUE(wintest::SetRegistryString(mail, "UserHost", "example.com"));
    ASSERT_TRUE(wintest::SetRegistryString(global, "TopDir", "E:\\V"));
    ASSERT_TRUE(wintest::SetRegistryDword(smtp, "CopyAllMail", 1));
    ASSERT_TRUE(WritePrivateProfileStringA("root", "SENDWRAP", "65608", "VELMAR.INI"));  // 0x10048
    Load();
    EXPECT_EQ(config.hostName, "example.com");
    EXPECT_EQ(config.domain.TopDir(), "D:\\Dom");
    EXPECT_EQ(config.usersDir, "D:\\Dom\\Users");
    EXPECT_EQ(config.mailDir, "E:\\V");
    EXPECT_EQ(config.spoolDir, "E:\\V\\spool");
    EXPECT_EQ(config.copyAllMail, 0);  // no CopyAddress
    EXPECT_EQ(config.sendWrap, 72);    // the low 16 bits

    ASSERT_TRUE(wintest::SetRegistryString(global, "ClientDir", "F:\\client"));
    ASSERT_TRUE(wintest::SetRegistryString(smtp, "CopyAddress", "archive@example.com"));
    Load();
    EXPECT_EQ(config.usersDir, "F:\\client\\Users");
    EXPECT_EQ(config.copyAddress, "archive@example.com");
    EXPECT_EQ(config.copyAllMail, 1);
}

}  // namespace
}  // namespace velmar
