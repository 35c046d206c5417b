#include "config/StartupConfig.h"

#include <charconv>
#include <string>

#include "common/Text.h"

namespace velmar {
namespace {

constexpr std::size_t sendNameBytes = 150;
constexpr std::size_t copyAddressBytes = 256;

// One row of the options table: all read from the user's section with the user's profile
// as fallback, except "VERBOSE" (server-wide, "_MAIL", shared profile).
struct OptionRow {
    const char* name;
    std::int32_t defaultValue;
    std::int32_t AppConfig::*field;
    bool serverWide;
};

constexpr OptionRow optionTable[] = {
    {"OPT_SIG", 1, &AppConfig::optSig, false},
    {"OPT_SNDREG", 0, &AppConfig::optSndReg, false},
    {"OPT_SENDPROMPT", 1, &AppConfig::optSendPrompt, false},
    {"OPT_TAB", 0, &AppConfig::optTab, false},
    {"OPT_WRAP", 1, &AppConfig::optWrap, false},
    {"OPT_BCC", 0, &AppConfig::optBcc, false},
    {"OPT_ATTACH", 0, &AppConfig::optAttach, false},
    {"SENDWRAP", 72, &AppConfig::sendWrap, false},
    {"FONT", 3, &AppConfig::fontChoice, false},
    {"VERBOSE", 0, &AppConfig::verbose, true},
    {"OPT_VERIFY", 0, &AppConfig::optVerify, false},
    {"UUENCODE", 0, &AppConfig::uuencode, false},
};

// Reads a directory setting of "_GLOBAL"; true when it is set (longer than 0).
bool ReadDirSetting(SettingsStore& store, std::string_view name, std::string& out) {
    return store.GetConfigString("_GLOBAL", name, "", out, 99, ProfileShared) > 0;
}

void ReadDeliveryProgram(AppConfig& config, SettingsBackend& backend) {
    // Read straight from the server's global key: no profile fallback.
    if (auto data = backend.ReadRegistryBytes(std::string(globalKeyPath), "SendName", sendNameBytes)) {
        config.sendName = TextInArea(data->data(), data->size());
        CutTo(config.sendName, cap::sendName);
    }
}

void ReadCopyAddress(AppConfig& config, SettingsBackend& backend) {
    const std::string key(smtpKeyPath);
    auto data = backend.ReadRegistryBytes(key, "CopyAddress", copyAddressBytes);
    config.copyAddress = data ? std::string(TextInArea(data->data(), data->size())) : std::string();
    CutTo(config.copyAddress, cap::copyAddress);
    if (config.copyAddress.empty()) return;
    if (auto value = backend.ReadRegistryBytes(key, "CopyAllMail", 28); value && value->size() >= 4)
        config.copyAllMail = RegistryNumber(*value);
}

}  // namespace

WindowPlacement DefaultWindowPlacement(DialogBaseUnits units) {
    return {units.x * 10 / 4, units.y * 10 / 8, units.x * 262 / 4, units.y * 175 / 8};
}

WindowPlacement ParseWindowPlacement(std::string_view stored, DialogBaseUnits units) {
    WindowPlacement placement = DefaultWindowPlacement(units);
    std::int32_t* fields[] = {&placement.x, &placement.y, &placement.width, &placement.height};
    const char* p = stored.data();
    const char* end = p + stored.size();
    for (std::int32_t* field : fields) {
        while (p < end && (*p == ' ' || *p == '\t')) ++p;
        std::uint32_t value = 0;
        auto [next, ec] = std::from_chars(p, end, value);
        if (ec != std::errc{}) break;  // the rest keep their computed defaults
        *field = static_cast<std::int32_t>(value);
        p = next;
        if (p == end || *p != ',') break;
        ++p;
    }
    return placement;
}

void LoadOptions(AppConfig& config, SettingsStore& store) {
    config.copyAllMail = 0;
    ReadDeliveryProgram(config, store.Backend());
    ReadCopyAddress(config, store.Backend());
    for (const OptionRow& row : optionTable) {
        config.*row.field = row.serverWide ? store.GetConfigInt("_MAIL", row.name, row.defaultValue, ProfileShared)
                                           : store.GetConfigInt(config.userId, row.name, row.defaultValue, ProfileUser);
    }
    config.sendWrap &= 0xFFFF;  // only the low 16 bits are the wrap column
    store.GetConfigString(config.userId, "SpecProg", "", config.specProg, cap::specProg + 1, ProfileUser);
}

void LoadStartupConfiguration(AppConfig& config, SettingsStore& store, ServerLibrary& library,
                              DialogBaseUnits units) {
    config.sharedProfilePath = "VELMAR.INI";

    store.GetConfigString("_GLOBAL", "HOSTNAME", "localhost", config.hostName, 120, ProfileShared);
    std::string scratch;
    store.GetConfigString("_MAIL", "UserHost", config.hostName, scratch, 255, ProfileShared);
    config.hostName = CutTo(scratch, cap::hostName);  // "UserHost" may be longer than the area

    config.domain.Clear();
    library.LookupDomain(config.domain, config.hostName);

    store.GetConfigString("_MAIL", "USERID", "root", config.userId, 32, ProfileShared);
    store.GetConfigString("_GLOBAL", "MAILDIR", "C:\\MAIL", config.mailDir, 79, ProfileShared);

    config.usersDir = std::string(config.domain.TopDir()) + "\\Users";
    if (ReadDirSetting(store, "UsersDir", scratch)) config.usersDir = scratch;
    if (ReadDirSetting(store, "ClientDir", scratch)) config.usersDir = scratch + "\\Users";
    CutTo(config.usersDir, cap::usersDir);

    config.cfgDir = config.mailDir + "\\cfg";
    if (ReadDirSetting(store, "CfgDir", scratch)) config.cfgDir = scratch;
    config.spoolDir = config.mailDir + "\\spool";
    if (ReadDirSetting(store, "SpoolDir", scratch)) config.spoolDir = scratch;
    CutTo(config.cfgDir, cap::cfgDir);
    CutTo(config.spoolDir, cap::spoolDir);

    config.usersSysPath = CutCopy(config.cfgDir + "\\USERS.SYS", cap::usersSysPath);
    config.aliasesSysPath = CutCopy(config.cfgDir + "\\ALIASES.SYS", cap::aliasesSysPath);

    store.BuildUserProfilePath(config.userId);

    LoadOptions(config, store);

    config.baseUnitX = units.x;
    config.baseUnitY = units.y;
    std::string stored;
    if (store.GetConfigString(config.userId, "SMTPWIN", "", stored, 40, ProfileUser) > 0)
        config.placement = ParseWindowPlacement(stored, units);
    else
        config.placement = DefaultWindowPlacement(units);
}

}  // namespace velmar
