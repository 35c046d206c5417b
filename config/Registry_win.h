// The settings backend over the real registry (HKEY_LOCAL_MACHINE) and profile functions.
#pragma once

#include "config/SettingsBackend.h"

namespace velmar {

class Win32SettingsBackend final : public SettingsBackend {
public:
    std::optional<std::string> ReadRegistryBytes(const std::string& keyPath, const std::string& valueName,
                                                 std::size_t maxBytes) override;
    void WriteRegistryString(const std::string& keyPath, const std::string& valueName,
                             std::string_view data) override;
    void WriteRegistryDword(const std::string& keyPath, const std::string& valueName, std::uint32_t value) override;
    bool DeleteRegistryValue(const std::string& keyPath, const std::string& valueName) override;
    std::string ReadProfileString(const std::string& file, const std::string& section, const std::string& entry,
                                  const std::string& defaultText, std::size_t capacity) override;
    std::int32_t ReadProfileInt(const std::string& file, const std::string& section, const std::string& entry,
                                std::int32_t defaultValue) override;
};

// True on the Windows NT family (GetVersion's top bit clear).
[[nodiscard]] bool IsNtFamily();

}  // namespace velmar
