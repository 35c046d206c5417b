// Fixed collaborators for the message writer's tests.
#pragma once

#include <map>

#include "config/SettingsStore.h"
#include "config/tests/FakeServerLibrary.h"
#include "config/tests/FakeSettingsBackend.h"
#include "message/WriterSettings.h"

namespace velmar::testing {

class FakeListFiles final : public ListFiles {
public:
    std::map<std::string, std::string, std::less<>> files;
    std::optional<std::string> ReadText(std::string_view path) override {
        auto it = files.find(path);
        return it == files.end() ? std::nullopt : std::optional(it->second);
    }
};

// The settings, library and list files of a server "example.com" with user "alice".
struct MessageWorld {
    MessageWorld() {
        config.hostName = "example.com";
        config.userId = "alice";
        config.domain.PutText(0, 784, "example.com");
    }
    std::string UserKey(const std::string& user) const {
        return "SOFTWARE\\Brindle\\Velmar\\Domains\\example.com\\Users\\" + user;
    }
    FakeSettingsBackend backend;
    FakeServerLibrary library;
    FakeListFiles listFiles;
    AppConfig config;
    SettingsStore settings{backend, config, true};
    StoreDirectory directory{settings, library, listFiles};

    // The writer's settings as a send would resolve them now.
    WriterSettings ResolvedSettings() {
        return ReadWriterSettings(settings, config, ResolveSender(settings, library, config).fullName);
    }
};

}  // namespace velmar::testing
