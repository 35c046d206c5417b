#include "config/SettingsStore.h"

#include <algorithm>

#include "common/Text.h"

namespace velmar {
namespace {

constexpr std::size_t keyPathMax = 511;        // the key path is built in a 512-byte area
constexpr std::size_t registryWorkArea = 512;  // a registry string is read into 512 bytes
constexpr std::size_t integerWorkArea = 28;    // a longer integer value counts as absent
constexpr std::size_t passwordMax = 24;        // the scrambled form lives in 50 bytes
constexpr std::size_t aliasCapacity = 150;

bool IsPasswordName(std::string_view name) {
    return EqualsNoCase(name, "password") || EqualsNoCase(name, "pop_password");
}

std::string RegistryValueName(std::string_view name) {
    return EqualsNoCase(name, "MAILDIR") ? std::string("TopDir") : std::string(name);
}

unsigned char KeyByte(std::string_view key, std::size_t i) {
    unsigned char k = key.empty() ? 0 : static_cast<unsigned char>(key[i % key.size()]);
    return static_cast<unsigned char>(k ^ static_cast<unsigned char>(0x5A + 13 * i));
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

}  // namespace

std::string ConfigKeyPath(std::string_view section, std::string_view domainName) {
    std::string path;
    if (section.empty()) return path;
    if (EqualsNoCase(section, "_smtp")) {
        path = smtpKeyPath;
    } else if (EqualsNoCase(section, "_pop")) {
        path = popKeyPath;
    } else if (EqualsNoCase(section, "_global")) {
        path = "SOFTWARE\\Brindle\\Velmar\\Global";
    } else if (EqualsNoCase(section, "_mail")) {
        path = "SOFTWARE\\Brindle\\Velmar\\_Mail";
    } else if (EqualsNoCase(section, "URL")) {
        path = "SOFTWARE\\Brindle\\Velmar\\URL";
    } else {
        path = "SOFTWARE\\Brindle\\Velmar\\Domains\\";
        path += domainName;
        path += "\\Users\\";
        path += section;
    }
    return CutTo(path, keyPathMax);
}

std::string ScramblePassword(std::string_view clear, std::string_view key) {
    static constexpr char hex[] = "0123456789ABCDEF";
    std::string out;
    clear = clear.substr(0, passwordMax);
    for (std::size_t i = 0; i < clear.size(); ++i) {
        auto b = static_cast<unsigned char>(static_cast<unsigned char>(clear[i]) ^ KeyByte(key, i));
        out += hex[b >> 4];
        out += hex[b & 0x0F];
    }
    return out;
}

std::string UnscramblePassword(std::string_view stored, std::string_view key) {
    std::string out;
    for (std::size_t i = 0; 2 * i + 1 < stored.size() && out.size() < passwordMax; ++i) {
        int hi = HexDigit(stored[2 * i]);
        int lo = HexDigit(stored[2 * i + 1]);
        if (hi < 0 || lo < 0) break;
        out += static_cast<char>(static_cast<unsigned char>((hi << 4) | lo) ^ KeyByte(key, i));
    }
    return out;
}

std::string SettingsStore::KeyPath(std::string_view section) const {
    return ConfigKeyPath(section, config_.domain.Name());
}

const std::string& SettingsStore::ProfileFile(int fallback) const {
    // Before BuildUserProfilePath has run there is no user profile yet; the shared one
    // stands in for it, as it does on the NT family anyway.
    if (fallback == ProfileShared || config_.userProfilePath.empty()) return config_.sharedProfilePath;
    return config_.userProfilePath;
}

std::size_t SettingsStore::GetConfigString(std::string_view section, std::string_view name,
                                           std::string_view defaultText, std::string& out, std::size_t capacity,
                                           int fallback) {
    if (capacity == 0) return 0;
    capacity = std::min(capacity, registryWorkArea);
    const std::string keyPath = KeyPath(section);
    const std::string valueName = RegistryValueName(name);
    if (!keyPath.empty()) {
        if (auto data = backend_.ReadRegistryBytes(keyPath, valueName, capacity)) {
            std::string_view text = TextInArea(data->data(), data->size());
            if (IsPasswordName(valueName))
                out = UnscramblePassword(text, section);
            else
                out.assign(text);
            CutTo(out, capacity - 1);
            return out.size();
        }
    }
    out = backend_.ReadProfileString(ProfileFile(fallback), std::string(section), std::string(name),
                                     std::string(defaultText), capacity);
    CutTo(out, capacity - 1);
    return out.size();
}

std::int32_t SettingsStore::GetConfigInt(std::string_view section, std::string_view name, std::int32_t defaultValue,
                                         int fallback) {
    const std::string keyPath = KeyPath(section);
    if (!keyPath.empty()) {
        if (auto data = backend_.ReadRegistryBytes(keyPath, std::string(name), integerWorkArea))
            return RegistryNumber(*data);
    }
    return backend_.ReadProfileInt(ProfileFile(fallback), std::string(section), std::string(name), defaultValue);
}

int SettingsStore::PutConfigString(std::string_view section, std::string_view name, const char* text, int) {
    const std::string keyPath = KeyPath(section);
    if (keyPath.empty()) return 0;
    const std::string valueName = RegistryValueName(name);
    std::string data;
    if (text != nullptr) {
        data = IsPasswordName(name) ? ScramblePassword(text, section) : std::string(text);
        data.push_back('\0');  // the stored length counts the terminator
    } else if (backend_.DeleteRegistryValue(keyPath, valueName)) {
        return 0;
    }
    backend_.WriteRegistryString(keyPath, valueName, data);
    return 0;
}

int SettingsStore::PutConfigInt(std::string_view section, std::string_view name, std::int32_t value) {
    const std::string keyPath = KeyPath(section);
    if (!keyPath.empty()) backend_.WriteRegistryDword(keyPath, std::string(name), static_cast<std::uint32_t>(value));
    return 0;
}

void SettingsStore::BuildUserProfilePath(std::string_view userId) {
    std::string path;
    if (ntFamily_) {
        path = config_.sharedProfilePath;
    } else if (!config_.usersDir.empty()) {
        path = config_.usersDir + "\\" + std::string(userId) + "\\Velmar.ini";
    } else {
        path = config_.mailDir + "\\users\\" + std::string(userId) + "\\Velmar.ini";
    }
    config_.userProfilePath = CutTo(path, cap::userProfilePath);
}

std::size_t SettingsStore::LookupAlias(std::string_view aliasName, std::string& out, int programAliasFlag) {
    std::size_t n = GetConfigString("_aliases", aliasName, "", out, aliasCapacity, ProfileShared);
    if (programAliasFlag == 0 && !out.empty() && out.front() == '|') {
        out.clear();
        return 0;
    }
    return n;
}

}  // namespace velmar
