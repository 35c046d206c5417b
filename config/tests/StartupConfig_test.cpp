#include "config/StartupConfig.h"

#include <gtest/gtest.h>

#include "config/tests/FakeServerLibrary.h"
#include "config/tests/FakeSettingsBackend.h"

namespace velmar {
namespace {

constexpr char globalKey[] = "SOFTWARE\\Brindle\\Velmar\\Global";
constexpr char mailKey[] = "SOFTWARE\\Brindle\\Velmar\\_Mail";
constexpr char smtpKey[] = "SYSTEM\\CurrentControlSet\\Services\\RELAYSVC\\Parameters";

class StartupConfigTest : public ::testing::Test {
protected:
    void Load() { LoadStartupConfiguration(config, store, library, DialogBaseUnits{8, 16}); }
    testing::FakeSettingsBackend backend;
    testing::FakeServerLibrary library;
    AppConfig config;
    SettingsStore store{backend, config, true};
};

TEST_F(StartupConfigTest, DefaultsWithNoRegistryAndNoProfileFiles) {
    Load();
    EXPECT_EQ(config.hostName, "localhost");
    EXPECT_EQ(config.userId, "root");
    EXPECT_EQ(config.mailDir, "C:\\MAIL");
    EXPECT_EQ(config.usersDir, "\\Users");
    EXPECT_EQ(config.cfgDir, "C:\\MAIL\\cfg");
    EXPECT_EQ(config.spoolDir, "C:\\MAIL\\spool");
    EXPECT_EQ(config.usersSysPath, "C:\\MAIL\\cfg\\USERS.SYS");
    EXPECT_EQ(config.aliasesSysPath, "C:\\MAIL\\cfg\\ALIASES.SYS");
    EXPECT_EQ(config.sharedProfilePath, "VELMAR.INI");
    EXPECT_EQ(config.userProfilePath, "VELMAR.INI");
    EXPECT_EQ(config.sendName, "mqsend");
    EXPECT_EQ(config.copyAddress, "");
    EXPECT_EQ(config.copyAllMail, 0);
    EXPECT_EQ(config.sendWrap, 72);
    EXPECT_EQ(config.optSig, 1);
    EXPECT_EQ(config.optSendPrompt, 1);
    EXPECT_EQ(config.optWrap, 1);
    EXPECT_EQ(config.fontChoice, 3);
    for (int v : {config.optSndReg, config.optTab, config.optBcc, config.optAttach, config.verbose,
                  config.optVerify, config.uuencode})
        EXPECT_EQ(v, 0);
    EXPECT_EQ(config.specProg, "");
    // 10, 10, 262, 175 dialog units in pixels.
    EXPECT_EQ(config.placement.x, 20);
    EXPECT_EQ(config.placement.y, 20);
    EXPECT_EQ(config.placement.width, 524);
    EXPECT_EQ(config.placement.height, 350);
    EXPECT_EQ(library.domainCalls, 1);
}

TEST_F(StartupConfigTest, UserHostWinsOverHostnameAndSelectsTheDomain) {
    backend.SetString(globalKey, "HOSTNAME", "host.example.com");
    backend.SetString(mailKey, "UserHost", "example.com");
    library.domains["example.com"] = {"example.com", "D:\\Dom"};
    Load();
    EXPECT_EQ(config.hostName, "example.com");
    EXPECT_EQ(config.domain.Name(), "example.com");
    EXPECT_EQ(config.usersDir, "D:\\Dom\\Users");
}

TEST_F(StartupConfigTest, HostnameFromTheProfileWhenUserHostIsUnset) {
    backend.SetProfile("VELMAR.INI", "_GLOBAL", "HOSTNAME", "ini.example");
    Load();
    EXPECT_EQ(config.hostName, "ini.example");
}

TEST_F(StartupConfigTest, EmptyUserHostInTheRegistryEmptiesTheHost) {
    backend.SetString(globalKey, "HOSTNAME", "host.example.com");
    backend.SetString(mailKey, "UserHost", "");
    Load();
    EXPECT_EQ(config.hostName, "");
}

TEST_F(StartupConfigTest, OverlongUserHostIsCutToTheHostArea) {
    backend.SetString(mailKey, "UserHost", std::string(200, 'h'));
    Load();
    EXPECT_EQ(config.hostName, std::string(127, 'h'));
}

TEST_F(StartupConfigTest, ClientDirWinsOverUsersDirWhichWinsOverTheDomain) {
    library.domains["localhost"] = {"localhost", "D:\\Dom"};
    backend.SetString(globalKey, "UsersDir", "E:\\U");
    Load();
    EXPECT_EQ(config.usersDir, "E:\\U");
    backend.SetString(globalKey, "ClientDir", "D:\\client");
    Load();
    EXPECT_EQ(config.usersDir, "D:\\client\\Users");
}

TEST_F(StartupConfigTest, DirectoriesFollowTopDirUnlessSetThemselves) {
    backend.SetString(globalKey, "TopDir", "F:\\V");
    Load();
    EXPECT_EQ(config.cfgDir, "F:\\V\\cfg");
    EXPECT_EQ(config.spoolDir, "F:\\V\\spool");
    backend.SetString(globalKey, "CfgDir", "G:\\cfg");
    backend.SetString(globalKey, "SpoolDir", "G:\\q");
    Load();
    EXPECT_EQ(config.cfgDir, "G:\\cfg");
    EXPECT_EQ(config.usersSysPath, "G:\\cfg\\USERS.SYS");
    EXPECT_EQ(config.spoolDir, "G:\\q");
}

TEST_F(StartupConfigTest, SendNameIsReadFromTheRegistryOnly) {
    backend.SetProfile("VELMAR.INI", "_GLOBAL", "SendName", "fromini");
    Load();
    EXPECT_EQ(config.sendName, "mqsend");
    backend.SetString(globalKey, "SendName", "C:\\bin\\deliver.exe");
    Load();
    EXPECT_EQ(config.sendName, "C:\\bin\\deliver.exe");
}

TEST_F(StartupConfigTest, CopyAllMailIsReadOnlyWithACopyAddress) {
    backend.SetDword(smtpKey, "CopyAllMail", 1);
    Load();
    EXPECT_EQ(config.copyAllMail, 0);
    backend.SetString(smtpKey, "CopyAddress", "");
    Load();
    EXPECT_EQ(config.copyAllMail, 0);
    backend.SetString(smtpKey, "CopyAddress", "archive@example.com");
    Load();
    EXPECT_EQ(config.copyAddress, "archive@example.com");
    EXPECT_EQ(config.copyAllMail, 1);
}

TEST_F(StartupConfigTest, OptionsComeFromTheUsersSectionAndVerboseFromMail) {
    const std::string userKey = "SOFTWARE\\Brindle\\Velmar\\Domains\\\\Users\\root";
    backend.SetDword(userKey, "SENDWRAP", 0x10048);  // only the low 16 bits count
    backend.SetDword(userKey, "UUENCODE", 1);
    backend.SetDword(userKey, "VERBOSE", 1);  // not the user's setting
    backend.SetDword(mailKey, "OPT_TAB", 1);  // not a server-wide setting
    backend.SetString(userKey, "SpecProg", "C:\\bin\\spell.exe %s");
    backend.SetProfile("VELMAR.INI", "_MAIL", "VERBOSE", "1");
    Load();
    EXPECT_EQ(config.sendWrap, 72);
    EXPECT_EQ(config.uuencode, 1);
    EXPECT_EQ(config.optTab, 0);
    EXPECT_EQ(config.verbose, 1);
    EXPECT_EQ(config.specProg, "C:\\bin\\spell.exe %s");
}

TEST_F(StartupConfigTest, StoredPlacementAndMissingNumbersTakeTheComputedDefaults) {
    const std::string userKey = "SOFTWARE\\Brindle\\Velmar\\Domains\\\\Users\\root";
    backend.SetString(userKey, "SMTPWIN", "10,20,600,400");
    Load();
    EXPECT_EQ(config.placement.x, 10);
    EXPECT_EQ(config.placement.y, 20);
    EXPECT_EQ(config.placement.width, 600);
    EXPECT_EQ(config.placement.height, 400);
    backend.SetString(userKey, "SMTPWIN", "10,20");
    Load();
    EXPECT_EQ(config.placement.x, 10);
    EXPECT_EQ(config.placement.y, 20);
    EXPECT_EQ(config.placement.width, 524);
    EXPECT_EQ(config.placement.height, 350);
    backend.SetString(userKey, "SMTPWIN", "junk");
    Load();
    EXPECT_EQ(config.placement.x, 20);
}

}  // namespace
}  // namespace velmar
