// Filling AppConfig at start: host, domain, user, the server's directories, the delivery
// program, the server-wide copy address and the user's options.
#pragma once

#include <cstdint>
#include <string_view>

#include "config/AppConfig.h"
#include "config/ServerLibrary.h"
#include "config/SettingsStore.h"

namespace velmar {

// Value of GetDialogBaseUnits: horizontal unit in the low 16 bits, vertical in the high.
struct DialogBaseUnits {
    std::int32_t x = 0;
    std::int32_t y = 0;
    static DialogBaseUnits FromPacked(std::uint32_t packed) {
        return {static_cast<std::int32_t>(packed & 0xFFFF), static_cast<std::int32_t>(packed >> 16)};
    }
};

// Reads the whole start-up configuration into store's AppConfig, in the server's order:
// host, domain lookup, user, directories, profile path, delivery program, copy address,
// options, base units and the main window placement.
void LoadStartupConfiguration(AppConfig& config, SettingsStore& store, ServerLibrary& library,
                              DialogBaseUnits units);

// The option part alone: the delivery program name ("SendName"), the server-wide copy
// address ("CopyAddress", "CopyAllMail"), the options table and "SpecProg".
void LoadOptions(AppConfig& config, SettingsStore& store);

// The stored "SMTPWIN" text ("%u,%u,%u,%u": left, top, width, height) over the computed
// default placement; numbers missing from the text keep their computed defaults.
[[nodiscard]] WindowPlacement ParseWindowPlacement(std::string_view stored, DialogBaseUnits units);
[[nodiscard]] WindowPlacement DefaultWindowPlacement(DialogBaseUnits units);

}  // namespace velmar
