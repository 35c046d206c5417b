// Alias stores in memory for the address book's tests: files by path, server aliases in order, every change.
#pragma once

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "addressbook/AliasStores.h"
#include "addressbook/StoreFiles.h"

namespace velmar {

class FakeAliasStores final : public AliasStores {
public:
    std::map<std::string, std::string> files;  // path -> bytes
    std::vector<std::pair<std::string, std::string>> serverAliases;
    std::map<std::string, std::string> settingsAliases;  // the single-access alias table
    std::map<std::string, std::string> fullNames;
    std::string failingPath;           // ReplaceFile refuses it
    std::vector<std::string> changes;  // "put name=target", "delete name", "index+ name", "index- name"

    std::string PersonalAliasPath() override { return "U\\me\\aliases.txt"; }
    std::string SharedAliasPath() override { return "C\\aliases.txt"; }
    std::string HostName() override { return "host"; }
    std::string LocalUsersPath() override { return "C\\USERS.SYS"; }
    std::string NameIndexPath() override { return "C\\ALIASES.SYS"; }

    std::optional<std::string> ReadBytes(const std::string& path) override {
        return files.count(path) ? std::optional(files[path]) : std::nullopt;
    }
    std::string FileStamp(const std::string& path) override { return files.count(path) ? "=" + files[path] : ""; }
    bool ReplaceFile(const std::string& path, const std::string& bytes) override {
        if (path == failingPath) return false;
        files[path] = bytes;
        return true;
    }
    std::vector<std::pair<std::string, std::string>> ListServerAliases() override { return serverAliases; }
    std::string ServerAliasTarget(const std::string& name) override { return settingsAliases[name]; }
    void PutServerAlias(const std::string& name, const char* target) override {
        changes.push_back(target ? "put " + name + "=" + target : "delete " + name);
    }
    std::string FullName(const std::string& userId) override { return fullNames[userId]; }
    bool AddToNameIndex(const std::string& name) override { return changes.push_back("index+ " + name), true; }
    bool RemoveFromNameIndex(const std::string& name) override { return changes.push_back("index- " + name), true; }
};

}  // namespace velmar
