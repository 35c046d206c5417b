// showconfig: loads the start-up configuration exactly as the client does (registry, profile
// files, Velmarsec.dll) and prints it, one "name = value" line per field.
#include <windows.h>

#include <cstdio>

#include "config/Registry_win.h"
#include "config/ServerLibrary_win.h"
#include "config/StartupConfig.h"

using namespace velmar;

int main() {
    AppConfig config;
    Win32SettingsBackend backend;
    SettingsStore store(backend, config, IsNtFamily());
    VelmarsecLibrary library;
    LoadStartupConfiguration(config, store, library,
                             DialogBaseUnits::FromPacked(static_cast<std::uint32_t>(GetDialogBaseUnits())));
    auto text = [](const char* name, std::string_view value) {
        std::printf("%-18s = %.*s\n", name, static_cast<int>(value.size()), value.data());
    };
    auto number = [](const char* name, long value) { std::printf("%-18s = %ld\n", name, value); };
    text("hostName", config.hostName);
    text("domain", config.domain.Name());
    text("domainTopDir", config.domain.TopDir());
    text("userId", config.userId);
    text("mailDir", config.mailDir);
    text("usersDir", config.usersDir);
    text("cfgDir", config.cfgDir);
    text("spoolDir", config.spoolDir);
    text("usersSysPath", config.usersSysPath);
    text("aliasesSysPath", config.aliasesSysPath);
    text("sharedProfilePath", config.sharedProfilePath);
    text("userProfilePath", config.userProfilePath);
    text("sendName", config.sendName);
    text("copyAddress", config.copyAddress);
    number("copyAllMail", config.copyAllMail);
    number("optSig", config.optSig);
    number("optSndReg", config.optSndReg);
    number("optSendPrompt", config.optSendPrompt);
    number("optTab", config.optTab);
    number("optWrap", config.optWrap);
    number("optBcc", config.optBcc);
    number("optAttach", config.optAttach);
    number("sendWrap", config.sendWrap);
    number("fontChoice", config.fontChoice);
    number("verbose", config.verbose);
    number("optVerify", config.optVerify);
    number("uuencode", config.uuencode);
    text("specProg", config.specProg);
    std::printf("%-18s = %d,%d,%d,%d\n", "placement", config.placement.x, config.placement.y,
                config.placement.width, config.placement.height);
    return 0;
}
