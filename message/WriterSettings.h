// What the message writer takes from the configuration and the server, resolved once by
// the caller before anything is formatted, and the lookups of recipient names that the
// recipient lists make while they expand aliases and lists.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "config/AppConfig.h"
#include "config/ServerLibrary.h"
#include "config/SettingsStore.h"
#include "message/ListFiles.h"

namespace velmar {

// The sending user as the server knows them: through the server library when it knows the
// host and the user, else through the user's "MAILADDR" (the user id by default) and
// "FULLNAME" settings.
struct SenderIdentity {
    std::string address;   // the user's mail address, at most 120 characters from the settings
    std::string fullName;  // the name shown beside the address, at most 255 characters
};
[[nodiscard]] SenderIdentity ResolveSender(SettingsStore& settings, ServerLibrary& library, const AppConfig& config);

struct WriterSettings {
    std::string hostName;
    std::string userId;
    std::string fullName;    // the sender's name; "Postmaster" replaces it for the postmaster
    int fromStyle = 0;       // "FROMSTYLE": 1 writes "From: address (name)" lines the user may replace
    // The user's own "FROMHDR", "REPLYHDR" and "SENDERHDR" lines when they are stored (an
    // empty one leaves its line out).
    std::optional<std::string> fromHeader, replyHeader, senderHeader;
    bool expandTo = true;    // "EXPANDTO": To and CC items expanded one by one, else one folded list
    std::string defaultHost; // "DefHost": the host of a local name the server does not know
    int sendWrap = 72;
    int uuencode = 0;        // attachments are uuencoded inside the text: no multipart skeleton
    std::string copyAddress; // the automatic copy of every message, when copyAllMail is set
    int copyAllMail = 0;
};

// Reads the writer's settings for the configured user and host.
[[nodiscard]] WriterSettings ReadWriterSettings(SettingsStore& settings, const AppConfig& config,
                                                std::string fullName);

// The lookups the recipient lists make for names met in a list.
class RecipientDirectory {
public:
    virtual ~RecipientDirectory() = default;
    // Whether the local user `name` has a "MAILADDR" of its own.
    [[nodiscard]] virtual bool HasMailAddress(const std::string& name) = 0;
    // The server library's alias or list `name` of `host`: greater than 0 when known, with
    // its members in `members`.
    virtual int AliasMembers(const std::string& host, const std::string& name,
                             std::array<char, aliasMembersSize>& members) = 0;
    // The alias table's value for `name` (program aliases count as none); its length.
    virtual std::size_t LookupAlias(std::string_view name, std::string& value) = 0;
    // A distribution list file as text-mode reading gives it; nothing when unreadable.
    [[nodiscard]] virtual std::optional<std::string> ReadListFile(std::string_view path) = 0;
};

// The directory over the settings store, the server library and the list files.
class StoreDirectory final : public RecipientDirectory {
public:
    StoreDirectory(SettingsStore& settings, ServerLibrary& library, ListFiles& listFiles)
        : settings_(settings), library_(library), listFiles_(listFiles) {}
    bool HasMailAddress(const std::string& name) override;
    int AliasMembers(const std::string& host, const std::string& name,
                     std::array<char, aliasMembersSize>& members) override;
    std::size_t LookupAlias(std::string_view name, std::string& value) override;
    std::optional<std::string> ReadListFile(std::string_view path) override;

private:
    SettingsStore& settings_;
    ServerLibrary& library_;
    ListFiles& listFiles_;
};

}  // namespace velmar
