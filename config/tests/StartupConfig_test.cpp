#include "config/StartupConfig.h"

#include <gtest/gtest.h>

#include "config/tests/FakeServerLibrary.h"
#include "config/tests/FakeSettingsBackend.h"

namespace velmar {
namespace {

using testing::FakeSettingsBackend;
constexpr char G[] = "SOFTWARE\\Brindle\\Velmar\\Global";
constexpr char M[] = "SOFTWARE\\Brindle\\Velmar\\_Mail";
constexpr char S[] = "SYSTEM\\CurrentControlSet\\Services\\RELAYSVC\\Parameters";
constexpr char R[] = "SOFTWARE\\Brindle\\Velmar\\Domains\\\\Users\\root";

// The settings that decide each other, as one line.
std::string Summary(const AppConfig& c) {
    const auto n = [](int v) { return std::to_string(v); };
    const auto& p = c.placement;
    return "host=" + c.hostName + " user=" + c.userId + " users=" + c.usersDir + " cfg=" + c.cfgDir + " spool=" +
           c.spoolDir + " sys=" + c.usersSysPath + "," + c.aliasesSysPath + " send=" + c.sendName + " copy=" +
           c.copyAddress + "," + n(c.copyAllMail) + " wrap=" + n(c.sendWrap) + " uu=" + n(c.uuencode) + " tab=" +
           n(c.optTab) + " verbose=" + n(c.verbose) + " spell=" + c.specProg + " at=" + n(p.x) + "," + n(p.y) + "," +
           n(p.width) + "," + n(p.height);
}

// 10, 10, 262, 175 dialog units in pixels.
const std::string kDefaults =
    "host=localhost user=root users=\\Users cfg=C:\\MAIL\\cfg spool=C:\\MAIL\\spool "
    "sys=C:\\MAIL\\cfg\\USERS.SYS,C:\\MAIL\\cfg\\ALIASES.SYS send=mqsend copy=,0 wrap=72 uu=0 tab=0 verbose=0 "
    "spell= at=20,20,524,350";

// Each case: the settings, a host the server library knows (TopDir "D:\Dom"), and `from` in the defaults becoming `to`.
TEST(LoadStartupConfiguration, PrecedenceOfTheSources) {
    const std::string topDirs = "cfg=C:\\MAIL\\cfg spool=C:\\MAIL\\spool sys=C:\\MAIL\\cfg\\USERS.SYS,C:\\MAIL\\cfg\\ALIASES.SYS";
    const struct { const char* name; std::vector<FakeSettingsBackend::Setting> settings; const char* domain;
                   std::string from, to; } cases[] = {
        {"no registry and no profile files", {}, nullptr, "", ""},
        {"UserHost wins over HOSTNAME and selects the domain",
         {{G, "HOSTNAME", "host.example.com"}, {M, "UserHost", "example.com"}}, "example.com",
         "host=localhost user=root users=\\Users", "host=example.com user=root users=D:\\Dom\\Users"},
        {"empty UserHost empties the host", {{G, "HOSTNAME", "h.x"}, {M, "UserHost", ""}}, nullptr, "host=localhost",
         "host="},
        {"overlong UserHost cut to the host area", {{M, "UserHost", std::string(200, 'h')}}, nullptr, "host=localhost",
         "host=" + std::string(127, 'h')},
        {"UsersDir wins over the domain", {{G, "UsersDir", "E:\\U"}}, "localhost", "users=\\Users", "users=E:\\U"},
        {"ClientDir wins over UsersDir", {{G, "UsersDir", "E:\\U"}, {G, "ClientDir", "D:\\client"}}, nullptr,
         "users=\\Users", "users=D:\\client\\Users"},
        {"directories follow TopDir", {{G, "TopDir", "F:\\V"}}, nullptr, topDirs,
         "cfg=F:\\V\\cfg spool=F:\\V\\spool sys=F:\\V\\cfg\\USERS.SYS,F:\\V\\cfg\\ALIASES.SYS"},
        {"CfgDir and SpoolDir set themselves", {{G, "TopDir", "F:\\V"}, {G, "CfgDir", "G:\\c"}, {G, "SpoolDir", "G:\\q"}},
         nullptr, topDirs, "cfg=G:\\c spool=G:\\q sys=G:\\c\\USERS.SYS,G:\\c\\ALIASES.SYS"},
        {"SendName from the registry only", {{"ini:_GLOBAL", "SendName", "ini"}}, nullptr, "", ""},
        {"SendName from the registry", {{G, "SendName", "C:\\d.exe"}}, nullptr, "send=mqsend", "send=C:\\d.exe"},
        {"CopyAllMail without CopyAddress is not read", {{S, "CopyAllMail", "#1"}, {S, "CopyAddress", ""}}, nullptr, "",
         ""},
        {"CopyAllMail with CopyAddress", {{S, "CopyAllMail", "#1"}, {S, "CopyAddress", "arc@x.org"}}, nullptr,
         "copy=,0", "copy=arc@x.org,1"},
        // SENDWRAP: only the low 16 bits count; VERBOSE is not the user's, OPT_TAB not server-wide.
        {"user options from the user's section, VERBOSE from _MAIL",
         {{R, "SENDWRAP", "#0x10048"}, {R, "UUENCODE", "#1"}, {R, "VERBOSE", "#1"}, {M, "OPT_TAB", "#1"},
          {R, "SpecProg", "spell %s"}, {"ini:_MAIL", "VERBOSE", "1"}},
         nullptr, "uu=0 tab=0 verbose=0 spell=", "uu=1 tab=0 verbose=1 spell=spell %s"},
        {"stored placement", {{R, "SMTPWIN", "10,20,600,400"}}, nullptr, "at=20,20,524,350", "at=10,20,600,400"},
        {"missing numbers of the placement are computed", {{R, "SMTPWIN", "10,30"}}, nullptr, "at=20,20", "at=10,30"},
        {"placement that is no number list", {{R, "SMTPWIN", "junk"}}, nullptr, "", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        FakeSettingsBackend backend;
        testing::FakeServerLibrary library;
        AppConfig config;
        SettingsStore store{backend, config, true};
        backend.Apply(c.settings);
        if (c.domain) library.domains[c.domain] = {c.domain, "D:\\Dom"};
        LoadStartupConfiguration(config, store, library, DialogBaseUnits{8, 16});
        std::string want = kDefaults;
        ASSERT_NE(want.find(c.from), std::string::npos);
        want.replace(want.find(c.from), c.from.size(), c.to);
        EXPECT_EQ(Summary(config), want);
        EXPECT_EQ(library.domainCalls, 1);
    }
}

}  // namespace
}  // namespace velmar
