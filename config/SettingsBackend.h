// The platform's two stores of settings, as the settings store uses them: registry keys
// under HKEY_LOCAL_MACHINE and sectioned profile files. The Windows build implements this
// over the real registry and profile functions (Registry_win.cpp); native tests use a fake.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace velmar {

// A number stored in the registry: its first (at most four) bytes, least significant first.
[[nodiscard]] inline std::int32_t RegistryNumber(std::string_view bytes) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4 && i < bytes.size(); ++i)
        value |= static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[i])) << (8 * i);
    return static_cast<std::int32_t>(value);
}

class SettingsBackend {
public:
    virtual ~SettingsBackend() = default;

    // Raw bytes of a registry value. Empty optional when the key does not open for
    // reading, the value is missing, or its stored data is longer than `maxBytes`.
    virtual std::optional<std::string> ReadRegistryBytes(const std::string& keyPath, const std::string& valueName,
                                                         std::size_t maxBytes) = 0;

    // Stores `data` (terminator included by the caller) as REG_SZ, creating the key.
    // Silent when the key cannot be created.
    virtual void WriteRegistryString(const std::string& keyPath, const std::string& valueName,
                                     std::string_view data) = 0;

    // Stores a REG_DWORD, creating the key. Silent when the key cannot be created.
    virtual void WriteRegistryDword(const std::string& keyPath, const std::string& valueName,
                                    std::uint32_t value) = 0;

    // Deletes a value. Returns false when the key does not open for setting values.
    virtual bool DeleteRegistryValue(const std::string& keyPath, const std::string& valueName) = 0;

    // GetPrivateProfileStringA: at most `capacity - 1` characters of the entry, or of
    // `defaultText` when the entry is missing.
    virtual std::string ReadProfileString(const std::string& file, const std::string& section,
                                          const std::string& entry, const std::string& defaultText,
                                          std::size_t capacity) = 0;

    // GetPrivateProfileIntA.
    virtual std::int32_t ReadProfileInt(const std::string& file, const std::string& section,
                                        const std::string& entry, std::int32_t defaultValue) = 0;
};

}  // namespace velmar
