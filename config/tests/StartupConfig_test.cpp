#include "config/StartupConfig.h"

#include <gtest/gtest.h>

#include "config/tests/FakeServerLibrary.h"
#include "config/tests/FakeSettingsBackend.h"

namespace velmar {
namespace {

using testing::FakeServerLibrary;
using testing::FakeSettingsBackend;
constexpr char globalKey[] = "SOFTWARE\\Brindle\\Velmar\\Global";
constexpr char mailKey[] = "SOFTWARE\\Brindle\\Velmar\\_Mail";
constexpr char smtpKey[] = "SYSTEM\\CurrentControlSet\\Services\\RELAYSVC\\Parameters";
constexpr char rootKey[] = "SOFTWARE\\Brindle\\Velmar\\Domains\\\\Users\\root";

// The settings that decide each other, as one line.
std::string Summary(const AppConfig& c) {
    const auto& p = c.placement;
    return "host=" + c.hostName + " user=" + c.userId + " users=" + c.usersDir + " cfg=" + c.cfgDir +
           " spool=" + c.spoolDir + " sys=" + c.usersSysPath + "," + c.aliasesSysPath + " send=" + c.sendName +
           " copy=" + c.copyAddress + "," + std::to_string(c.copyAllMail) + " wrap=" + std::to_string(c.sendWrap) +
           " uu=" + std::to_string(c.uuencode) + " tab=" + std::to_string(c.optTab) +
           " verbose=" + std::to_string(c.verbose) + " spell=" + c.specProg + " at=" + std::to_string(p.x) + "," +
           std::to_string(p.y) + "," + std::to_string(p.width) + "," + std::to_string(p.height);
}

const std::string kDefaults =
    "host=localhost user=root users=\\Users cfg=C:\\MAIL\\cfg spool=C:\\MAIL\\spool "
    "sys=C:\\MAIL\\cfg\\USERS.SYS,C:\\MAIL\\cfg\\ALIASES.SYS send=mqsend copy=,0 wrap=72 uu=0 tab=0 verbose=0 "
    "spell= at=20,20,524,350";  // 10, 10, 262, 175 dialog units in pixels

// Each case: the settings made, and where the summary then differs from the defaults.
TEST(LoadStartupConfiguration, PrecedenceOfTheSources) {
    const struct {
        const char* name;
        void (*setUp)(FakeSettingsBackend&, FakeServerLibrary&);
        std::string from, to;  // the summary is the defaults with `from` replaced by `to`
    } cases[] = {
        {"no registry and no profile files", [](FakeSettingsBackend&, FakeServerLibrary&) {}, "", ""},
        {"UserHost wins over HOSTNAME and selects the domain",
         [](FakeSettingsBackend& b, FakeServerLibrary& l) {
             b.SetString(globalKey, "HOSTNAME", "host.example.com");
             b.SetString(mailKey, "UserHost", "example.com");
             l.domains["example.com"] = {"example.com", "D:\\Dom"};
         },
         "host=localhost user=root users=\\Users", "host=example.com user=root users=D:\\Dom\\Users"},
        {"HOSTNAME from the profile",
         [](FakeSettingsBackend& b, FakeServerLibrary&) { b.SetProfile("VELMAR.INI", "_GLOBAL", "HOSTNAME", "ini.x"); },
         "host=localhost", "host=ini.x"},
        {"empty UserHost empties the host",
         [](FakeSettingsBackend& b, FakeServerLibrary&) {
             b.SetString(globalKey, "HOSTNAME", "host.example.com");
             b.SetString(mailKey, "UserHost", "");
         },
         "host=localhost", "host="},
        {"overlong UserHost cut to the host area",
         [](FakeSettingsBackend& b, FakeServerLibrary&) { b.SetString(mailKey, "UserHost", std::string(200, 'h')); },
         "host=localhost", "host=" + std::string(127, 'h')},
        {"UsersDir wins over the domain",
         [](FakeSettingsBackend& b, FakeServerLibrary& l) {
             l.domains["localhost"] = {"localhost", "D:\\Dom"};
             b.SetString(globalKey, "UsersDir", "E:\\U");
         },
         "users=\\Users", "users=E:\\U"},
        {"ClientDir wins over UsersDir",
         [](FakeSettingsBackend& b, FakeServerLibrary&) {
             b.SetString(globalKey, "UsersDir", "E:\\U");
             b.SetString(globalKey, "ClientDir", "D:\\client");
         },
         "users=\\Users", "users=D:\\client\\Users"},
        {"directories follow TopDir",
         [](FakeSettingsBackend& b, FakeServerLibrary&) { b.SetString(globalKey, "TopDir", "F:\\V"); },
         "cfg=C:\\MAIL\\cfg spool=C:\\MAIL\\spool sys=C:\\MAIL\\cfg\\USERS.SYS,C:\\MAIL\\cfg\\ALIASES.SYS",
         "cfg=F:\\V\\cfg spool=F:\\V\\spool sys=F:\\V\\cfg\\USERS.SYS,F:\\V\\cfg\\ALIASES.SYS"},
        {"CfgDir and SpoolDir set themselves",
         [](FakeSettingsBackend& b, FakeServerLibrary&) {
             b.SetString(globalKey, "TopDir", "F:\\V");
             b.SetString(globalKey, "CfgDir", "G:\\cfg");
             b.SetString(globalKey, "SpoolDir", "G:\\q");
         },
         "cfg=C:\\MAIL\\cfg spool=C:\\MAIL\\spool sys=C:\\MAIL\\cfg\\USERS.SYS,C:\\MAIL\\cfg\\ALIASES.SYS",
         "cfg=G:\\cfg spool=G:\\q sys=G:\\cfg\\USERS.SYS,G:\\cfg\\ALIASES.SYS"},
        {"SendName from the registry only",
         [](FakeSettingsBackend& b, FakeServerLibrary&) { b.SetProfile("VELMAR.INI", "_GLOBAL", "SendName", "ini"); },
         "", ""},
        {"SendName from the registry",
         [](FakeSettingsBackend& b, FakeServerLibrary&) { b.SetString(globalKey, "SendName", "C:\\d.exe"); },
         "send=mqsend", "send=C:\\d.exe"},
        {"CopyAllMail without CopyAddress is not read",
         [](FakeSettingsBackend& b, FakeServerLibrary&) {
             b.SetDword(smtpKey, "CopyAllMail", 1);
             b.SetString(smtpKey, "CopyAddress", "");
         },
         "", ""},
        {"CopyAllMail with CopyAddress",
         [](FakeSettingsBackend& b, FakeServerLibrary&) {
             b.SetDword(smtpKey, "CopyAllMail", 1);
             b.SetString(smtpKey, "CopyAddress", "archive@example.com");
         },
         "copy=,0", "copy=archive@example.com,1"},
        {"user options from the user's section, VERBOSE from _MAIL",
         [](FakeSettingsBackend& b, FakeServerLibrary&) {
             b.SetDword(rootKey, "SENDWRAP", 0x10048);  // only the low 16 bits count
             b.SetDword(rootKey, "UUENCODE", 1);
             b.SetDword(rootKey, "VERBOSE", 1);  // not the user's setting
             b.SetDword(mailKey, "OPT_TAB", 1);  // not a server-wide setting
             b.SetString(rootKey, "SpecProg", "spell %s");
             b.SetProfile("VELMAR.INI", "_MAIL", "VERBOSE", "1");
         },
         "uu=0 tab=0 verbose=0 spell=", "uu=1 tab=0 verbose=1 spell=spell %s"},
        {"stored placement",
         [](FakeSettingsBackend& b, FakeServerLibrary&) { b.SetString(rootKey, "SMTPWIN", "10,20,600,400"); },
         "at=20,20,524,350", "at=10,20,600,400"},
        {"missing numbers of the placement take the computed ones",
         [](FakeSettingsBackend& b, FakeServerLibrary&) { b.SetString(rootKey, "SMTPWIN", "10,30"); },
         "at=20,20", "at=10,30"},
        {"placement that is no number list",
         [](FakeSettingsBackend& b, FakeServerLibrary&) { b.SetString(rootKey, "SMTPWIN", "junk"); }, "", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        FakeSettingsBackend backend;
        FakeServerLibrary library;
        AppConfig config;
        SettingsStore store{backend, config, true};
        c.setUp(backend, library);
        LoadStartupConfiguration(config, store, library, DialogBaseUnits{8, 16});
        std::string want = kDefaults;
        if (!c.from.empty()) {
            ASSERT_NE(want.find(c.from), std::string::npos);
            want.replace(want.find(c.from), c.from.size(), c.to);
        }
        EXPECT_EQ(Summary(config), want);
        EXPECT_EQ(library.domainCalls, 1);
    }
}

}  // namespace
}  // namespace velmar
