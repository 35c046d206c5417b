#include "config/Registry_win.h"

#include <windows.h>

#include <vector>

#include "common/WinHandles_win.h"

namespace velmar {

std::optional<std::string> Win32SettingsBackend::ReadRegistryBytes(const std::string& keyPath,
                                                                   const std::string& valueName,
                                                                   std::size_t maxBytes) {
    UniqueRegKey key;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, keyPath.c_str(), 0, KEY_READ, key.Put()) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    std::vector<BYTE> data(maxBytes + 1, 0);
    DWORD size = static_cast<DWORD>(maxBytes);
    DWORD type = 0;
    if (RegQueryValueExA(key.Get(), valueName.c_str(), nullptr, &type, data.data(), &size) != ERROR_SUCCESS) {
        return std::nullopt;  // missing, or longer than the caller's capacity
    }
    return std::string(reinterpret_cast<const char*>(data.data()), size);
}

void Win32SettingsBackend::WriteRegistryString(const std::string& keyPath, const std::string& valueName,
                                               std::string_view data) {
    UniqueRegKey key;
    if (RegCreateKeyA(HKEY_LOCAL_MACHINE, keyPath.c_str(), key.Put()) != ERROR_SUCCESS) return;
    RegSetValueExA(key.Get(), valueName.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(data.data()),
                   static_cast<DWORD>(data.size()));
}

void Win32SettingsBackend::WriteRegistryDword(const std::string& keyPath, const std::string& valueName,
                                              std::uint32_t value) {
    UniqueRegKey key;
    if (RegCreateKeyA(HKEY_LOCAL_MACHINE, keyPath.c_str(), key.Put()) != ERROR_SUCCESS) return;
    DWORD dword = value;
    RegSetValueExA(key.Get(), valueName.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dword),
                   sizeof dword);
}

bool Win32SettingsBackend::DeleteRegistryValue(const std::string& keyPath, const std::string& valueName) {
    UniqueRegKey key;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, keyPath.c_str(), 0, KEY_SET_VALUE, key.Put()) != ERROR_SUCCESS) {
        return false;
    }
    RegDeleteValueA(key.Get(), valueName.c_str());
    return true;
}

std::string Win32SettingsBackend::ReadProfileString(const std::string& file, const std::string& section,
                                                    const std::string& entry, const std::string& defaultText,
                                                    std::size_t capacity) {
    if (capacity == 0) return {};
    std::vector<char> buffer(capacity + 1, '\0');
    DWORD n = GetPrivateProfileStringA(section.c_str(), entry.c_str(), defaultText.c_str(), buffer.data(),
                                       static_cast<DWORD>(capacity), file.c_str());
    return std::string(buffer.data(), n);
}

std::int32_t Win32SettingsBackend::ReadProfileInt(const std::string& file, const std::string& section,
                                                  const std::string& entry, std::int32_t defaultValue) {
    return static_cast<std::int32_t>(GetPrivateProfileIntA(section.c_str(), entry.c_str(), defaultValue,
                                                           file.c_str()));
}

bool IsNtFamily() {
    // GetVersion is deprecated but is the documented test: bit 31 set on the 95/98 family.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    return (GetVersion() & 0x80000000u) == 0;
#pragma GCC diagnostic pop
}

}  // namespace velmar
