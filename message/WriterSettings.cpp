#include "message/WriterSettings.h"

#include "common/Text.h"

namespace velmar {

namespace {

constexpr std::size_t settingCapacity = 120;
constexpr std::size_t senderCapacity = 120;
constexpr std::size_t fullNameCapacity = 256;
constexpr std::size_t overrideCapacity = 125;
// A profile default no stored line can equal: it tells a missing line from an empty one.
constexpr std::string_view notStored = "\x01";

std::optional<std::string> StoredLine(SettingsStore& settings, const std::string& userId, std::string_view name) {
    std::string value;
    settings.GetConfigString(userId, name, notStored, value, overrideCapacity, ProfileUser);
    if (value == notStored) return std::nullopt;
    return value;
}

}  // namespace

SenderIdentity ResolveSender(SettingsStore& settings, ServerLibrary& library, const AppConfig& config) {
    SenderIdentity sender;
    DomainRecord domain;
    UserRecord user;
    if (!config.hostName.empty() && library.LookupDomain(domain, config.hostName) != 0 &&
        library.LookupUser(user, domain, config.userId) != 0) {
        sender.address = std::string(user.MailAddress());
        sender.fullName = CutCopy(user.FullName(), fullNameCapacity - 1);
        return sender;
    }
    settings.GetConfigString(config.userId, "MAILADDR", config.userId, sender.address, senderCapacity, ProfileShared);
    settings.GetConfigString(config.userId, "FULLNAME", "", sender.fullName, fullNameCapacity, ProfileShared);
    return sender;
}

WriterSettings ReadWriterSettings(SettingsStore& settings, const AppConfig& config, std::string fullName) {
    WriterSettings out;
    // A host from the configuration ends at a line break: the control file's "H" line and
    // the Message-Id must stay one line each.
    out.hostName = config.hostName.substr(0, config.hostName.find_first_of(std::string_view("\r\n\0", 3)));
    out.userId = config.userId;
    out.fullName = std::move(fullName);
    out.fromStyle = settings.GetConfigInt("_MAIL", "FROMSTYLE", 0, ProfileShared);
    if (out.fromStyle == 1) {
        out.fromHeader = StoredLine(settings, config.userId, "FROMHDR");
        out.replyHeader = StoredLine(settings, config.userId, "REPLYHDR");
        out.senderHeader = StoredLine(settings, config.userId, "SENDERHDR");
    }
    out.expandTo = settings.GetConfigInt("_MAIL", "EXPANDTO", 1, ProfileShared) != 0;
    settings.GetConfigString("_GLOBAL", "DefHost", "", out.defaultHost, settingCapacity, ProfileShared);
    out.sendWrap = config.sendWrap;
    out.uuencode = config.uuencode;
    out.copyAddress = config.copyAddress;
    out.copyAllMail = config.copyAllMail;
    return out;
}

bool StoreDirectory::HasMailAddress(const std::string& name) {
    std::string value;
    return settings_.GetConfigString(name, "MAILADDR", "", value, settingCapacity, ProfileShared) >= 1;
}

int StoreDirectory::AliasMembers(const std::string& host, const std::string& name,
                                 std::array<char, aliasMembersSize>& members) {
    return library_.LookupAliasMembers(host, name, members);
}

std::size_t StoreDirectory::LookupAlias(std::string_view name, std::string& value) {
    return settings_.LookupAlias(name, value, 0);
}

std::optional<std::string> StoreDirectory::ReadListFile(std::string_view path) { return listFiles_.ReadText(path); }

}  // namespace velmar
