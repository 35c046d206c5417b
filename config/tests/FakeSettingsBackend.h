// An in-memory registry and profile files for native tests of code that reads settings; key, value, file,
// section and entry names compare without regard to case, as the platform's do.
#pragma once

#include <algorithm>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "common/Text.h"
#include "config/SettingsBackend.h"

namespace velmar::testing {

struct NoCaseLess {
    bool operator()(const std::string& a, const std::string& b) const {
        return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                            [](char x, char y) { return AsciiLower(x) < AsciiLower(y); });
    }
};

class FakeSettingsBackend final : public SettingsBackend {
public:
    using Values = std::map<std::string, std::string, NoCaseLess>;
    std::map<std::string, Values, NoCaseLess> registry;  // key path -> value name -> bytes
    Values profiles;  // "file|section|entry" -> text

    void SetString(const std::string& key, const std::string& name, const std::string& text) {
        registry[key][name] = text + std::string(1, '\0');
    }
    void SetDword(const std::string& key, const std::string& name, std::uint32_t v) {
        registry[key][name] = {char(v), char(v >> 8), char(v >> 16), char(v >> 24)};
    }
    // A table's settings: `where` is a registry key or "ini:<section>" of the shared profile; "#<number>" is a DWORD.
    struct Setting { std::string where, name, value; };
    void Apply(const std::vector<Setting>& settings) {
        for (const auto& s : settings) {
            if (s.where.starts_with("ini:")) profiles["VELMAR.INI|" + s.where.substr(4) + "|" + s.name] = s.value;
            else if (s.value.starts_with('#')) SetDword(s.where, s.name, std::stoul(s.value.substr(1), nullptr, 0));
            else SetString(s.where, s.name, s.value);
        }
    }

    std::optional<std::string> ReadRegistryBytes(const std::string& keyPath, const std::string& valueName,
                                                 std::size_t maxBytes) override {
        const auto key = registry.find(keyPath);
        if (key == registry.end() || !key->second.count(valueName)) return std::nullopt;
        const std::string& found = key->second.at(valueName);
        return found.size() > maxBytes ? std::nullopt : std::optional(found);
    }
    void WriteRegistryString(const std::string& keyPath, const std::string& valueName,
                             std::string_view data) override {
        registry[keyPath][valueName] = std::string(data);
    }
    void WriteRegistryDword(const std::string& keyPath, const std::string& valueName, std::uint32_t value) override {
        SetDword(keyPath, valueName, value);
    }
    bool DeleteRegistryValue(const std::string& keyPath, const std::string& valueName) override {
        auto key = registry.find(keyPath);
        return key != registry.end() && (key->second.erase(valueName), true);
    }
    std::string ReadProfileString(const std::string& file, const std::string& section, const std::string& entry,
                                  const std::string& defaultText, std::size_t capacity) override {
        const std::string* found = FindProfile(file, section, entry);
        std::string text = found ? *found : defaultText;
        return CutTo(text, capacity == 0 ? 0 : capacity - 1);
    }
    std::int32_t ReadProfileInt(const std::string& file, const std::string& section, const std::string& entry,
                                std::int32_t defaultValue) override {
        const std::string* found = FindProfile(file, section, entry);
        return found ? static_cast<std::int32_t>(std::stol(*found)) : defaultValue;
    }

private:
    const std::string* FindProfile(const std::string& file, const std::string& section, const std::string& entry) {
        const auto found = profiles.find(file + "|" + section + "|" + entry);
        return found == profiles.end() ? nullptr : &found->second;
    }
};

}  // namespace velmar::testing
