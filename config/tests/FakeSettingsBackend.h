// An in-memory registry and profile files for native tests of code that reads settings.
// Key, value, file, section and entry names compare without regard to case, as the
// platform's do.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "common/Text.h"
#include "config/SettingsBackend.h"

namespace velmar::testing {

struct NoCaseLess {
    bool operator()(const std::string& a, const std::string& b) const {
        for (std::size_t i = 0; i < a.size() && i < b.size(); ++i) {
            char x = AsciiLower(a[i]);
            char y = AsciiLower(b[i]);
            if (x != y) return x < y;
        }
        return a.size() < b.size();
    }
};

class FakeSettingsBackend final : public SettingsBackend {
public:
    using Values = std::map<std::string, std::string, NoCaseLess>;
    std::map<std::string, Values, NoCaseLess> registry;  // key path -> value name -> bytes
    std::map<std::string, std::map<std::string, Values, NoCaseLess>, NoCaseLess> profiles;  // file -> section -> entry

    void SetString(const std::string& key, const std::string& name, const std::string& text) {
        registry[key][name] = text + std::string(1, '\0');
    }
    void SetDword(const std::string& key, const std::string& name, std::uint32_t v) {
        std::string bytes(4, '\0');
        for (int i = 0; i < 4; ++i) bytes[static_cast<std::size_t>(i)] = static_cast<char>((v >> (8 * i)) & 0xFF);
        registry[key][name] = bytes;
    }
    void SetProfile(const std::string& file, const std::string& section, const std::string& entry,
                    const std::string& text) {
        profiles[file][section][entry] = text;
    }
    // Settings of a test table: `where` is a registry key, or "ini:<section>" for the shared
    // profile file; a value "#<number>" is stored as a DWORD.
    struct Setting {
        std::string where, name, value;
    };
    void Apply(const std::vector<Setting>& settings) {
        for (const auto& s : settings) {
            if (s.where.starts_with("ini:")) SetProfile("VELMAR.INI", s.where.substr(4), s.name, s.value);
            else if (s.value.starts_with('#')) SetDword(s.where, s.name, std::stoul(s.value.substr(1), nullptr, 0));
            else SetString(s.where, s.name, s.value);
        }
    }

    std::optional<std::string> ReadRegistryBytes(const std::string& keyPath, const std::string& valueName,
                                                 std::size_t maxBytes) override {
        auto key = registry.find(keyPath);
        if (key == registry.end()) return std::nullopt;
        auto value = key->second.find(valueName);
        if (value == key->second.end() || value->second.size() > maxBytes) return std::nullopt;
        return value->second;
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
        if (key == registry.end()) return false;
        key->second.erase(valueName);
        return true;
    }
    std::string ReadProfileString(const std::string& file, const std::string& section, const std::string& entry,
                                  const std::string& defaultText, std::size_t capacity) override {
        std::string text = defaultText;
        if (auto* found = Find(file, section, entry)) text = *found;
        return CutTo(text, capacity == 0 ? 0 : capacity - 1);
    }
    std::int32_t ReadProfileInt(const std::string& file, const std::string& section, const std::string& entry,
                                std::int32_t defaultValue) override {
        auto* found = Find(file, section, entry);
        return found ? static_cast<std::int32_t>(std::stol(*found)) : defaultValue;
    }

private:
    const std::string* Find(const std::string& file, const std::string& section, const std::string& entry) const {
        auto f = profiles.find(file);
        if (f == profiles.end()) return nullptr;
        auto s = f->second.find(section);
        if (s == f->second.end()) return nullptr;
        auto e = s->second.find(entry);
        return e == s->second.end() ? nullptr : &e->second;
    }
};

}  // namespace velmar::testing
