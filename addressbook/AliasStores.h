// The stores behind the address book, as the address book model reads and changes them.
// The Windows shell implements this over the real files and registry
// (AliasStores_win.cpp); native tests use a fake.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace velmar {

class AliasStores {
public:
    virtual ~AliasStores() = default;

    // Where the alias files are and the host named in list entries.
    [[nodiscard]] virtual std::string PersonalAliasPath() = 0;
    [[nodiscard]] virtual std::string SharedAliasPath() = 0;
    [[nodiscard]] virtual std::string HostName() = 0;

    // The bytes of a file; nothing for a missing file.
    [[nodiscard]] virtual std::optional<std::string> ReadBytes(const std::string& path) = 0;
    // What changes whenever the file changes (its size and time of change); empty for a
    // missing file.
    [[nodiscard]] virtual std::string FileStamp(const std::string& path) = 0;
    // Replaces a file with `bytes` so that it holds either its old or its new content,
    // never a part. False (and the old file untouched) when that was not possible.
    [[nodiscard]] virtual bool ReplaceFile(const std::string& path, const std::string& bytes) = 0;

    // The server aliases as listed: every value of the alias key, in the key's order.
    [[nodiscard]] virtual std::vector<std::pair<std::string, std::string>> ListServerAliases() = 0;
    // One server alias's target through the settings store (empty when there is none).
    [[nodiscard]] virtual std::string ServerAliasTarget(const std::string& name) = 0;
    // Stores a server alias, or deletes it when `target` is null.
    virtual void PutServerAlias(const std::string& name, const char* target) = 0;

    // The server's local users, one id each, and a user's full name (empty when none).
    [[nodiscard]] virtual std::string LocalUsersPath() = 0;
    [[nodiscard]] virtual std::string FullName(const std::string& userId) = 0;

    // The alias name index: adds a name not yet in it; removes a name from it.
    [[nodiscard]] virtual std::string NameIndexPath() = 0;
    virtual bool AddToNameIndex(const std::string& name) = 0;
    virtual bool RemoveFromNameIndex(const std::string& name) = 0;
};

}  // namespace velmar
