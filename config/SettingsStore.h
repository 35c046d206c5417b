// The settings store: every setting the program reads or writes goes through here. A read
// tries the registry key chosen by the section name first (under HKEY_LOCAL_MACHINE) and
// falls back to a profile file only when the key or the value is missing or too long;
// writes go to the registry only.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "config/AppConfig.h"
#include "config/SettingsBackend.h"

namespace velmar {

// Which profile file a read falls back to.
enum ProfileSelector : int {
    ProfileUser = 0,    // the user's profile file (userProfilePath)
    ProfileShared = 1,  // the shared profile file "VELMAR.INI"
};

// Registry key paths of the special sections.
inline constexpr std::string_view smtpKeyPath = "SYSTEM\\CurrentControlSet\\Services\\RELAYSVC\\Parameters";
inline constexpr std::string_view popKeyPath = "SYSTEM\\CurrentControlSet\\Services\\BOXSVC\\Parameters";
inline constexpr std::string_view globalKeyPath = "SOFTWARE\\Brindle\\Velmar\\Global";

// Key path of a section: the server's SMTP and POP service keys for "_smtp" and "_pop",
// the server-wide keys for "_global", "_mail" and "URL" (any case), and the per-user key of
// the current domain for every other name. An empty section name has no key (empty path).
// The path is cut to 511 characters.
[[nodiscard]] std::string ConfigKeyPath(std::string_view section, std::string_view domainName);

// Reversible keyed transform for the password values: each character is XORed with a key
// byte (the section name, repeated; 0 for an empty key) and with 0x5A + 13 * position, and
// written as two upper-case hexadecimal digits. At most 24 characters are kept.
[[nodiscard]] std::string ScramblePassword(std::string_view clear, std::string_view key);
// The inverse; stops at the first pair that is not two hexadecimal digits.
[[nodiscard]] std::string UnscramblePassword(std::string_view stored, std::string_view key);

class SettingsStore {
public:
    // `config` supplies the domain name, the directories and the profile paths, and
    // receives userProfilePath from BuildUserProfilePath. `ntFamily` is true on the
    // Windows NT family, where the user's profile is the shared one.
    SettingsStore(SettingsBackend& backend, AppConfig& config, bool ntFamily)
        : backend_(backend), config_(config), ntFamily_(ntFamily) {}

    // Reads a text setting into `out` (at most `capacity - 1` characters; a capacity above
    // 512 counts as 512) and returns its length. `defaultText` is used only when the
    // profile file is consulted and has no such entry; an empty registry value is returned
    // as empty. "MAILDIR" is the registry value "TopDir".
    std::size_t GetConfigString(std::string_view section, std::string_view name, std::string_view defaultText,
                                std::string& out, std::size_t capacity, int fallback);

    // Reads a 32-bit setting: the first 32 bits of the registry value, else the profile.
    std::int32_t GetConfigInt(std::string_view section, std::string_view name, std::int32_t defaultValue,
                              int fallback);

    // Writes a text setting to the registry; a null text deletes the value (and, when the
    // key is missing, creates the key with an empty value). Always returns 0.
    int PutConfigString(std::string_view section, std::string_view name, const char* text, int fallback = 0);
    int PutConfigInt(std::string_view section, std::string_view name, std::int32_t value);

    // Recomputes config.userProfilePath for `userId`.
    void BuildUserProfilePath(std::string_view userId);

    // The alias table ("_aliases", capacity 150, shared profile). With programAliasFlag 0
    // an alias that feeds a program (value starting with "|") counts as no alias.
    std::size_t LookupAlias(std::string_view aliasName, std::string& out, int programAliasFlag);

    [[nodiscard]] SettingsBackend& Backend() { return backend_; }

private:
    [[nodiscard]] std::string KeyPath(std::string_view section) const;
    [[nodiscard]] const std::string& ProfileFile(int fallback) const;

    SettingsBackend& backend_;
    AppConfig& config_;
    bool ntFamily_;
};

}  // namespace velmar
