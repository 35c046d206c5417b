// A server library answering from fixed data, for native tests.
#pragma once

#include <map>
#include <string>

#include "config/ServerLibrary.h"

namespace velmar::testing {

class FakeServerLibrary final : public ServerLibrary {
public:
    struct Domain { std::string name, topDir; };
    struct User { std::string fullName, mailAddress; };
    std::map<std::string, Domain> domains;                     // by host name
    std::map<std::string, User> users;                         // by "domain/user id"
    std::map<std::string, std::string> aliases;                // by "host/name"
    int domainCalls = 0;

    int LookupDomain(DomainRecord& record, const std::string& host) override {
        ++domainCalls;
        record.Clear();
        auto it = domains.find(host);
        if (it == domains.end()) return 0;
        record.PutText(DomainRecord::nameOffset, DomainRecord::topDirOffset, it->second.name);
        record.PutText(DomainRecord::topDirOffset, 3524 - DomainRecord::topDirOffset, it->second.topDir);
        return 1;
    }
    int LookupUser(UserRecord& record, const DomainRecord& domain, const std::string& userId) override {
        record.Clear();
        auto it = users.find(std::string(domain.Name()) + "/" + userId);
        if (it == users.end()) return 0;
        record.PutText(UserRecord::fullNameOffset, UserRecord::mailAddressOffset - UserRecord::fullNameOffset,
                       it->second.fullName);
        record.PutText(UserRecord::mailAddressOffset, 1340 - UserRecord::mailAddressOffset, it->second.mailAddress);
        return 1;
    }
    int LookupAliasMembers(const std::string& host, const std::string& name,
                           std::array<char, aliasMembersSize>& members) override {
        members.fill('\0');
        auto it = aliases.find(host + "/" + name);
        if (it == aliases.end()) return 0;
        std::size_t n = std::min(it->second.size(), members.size() - 1);
        it->second.copy(members.data(), n);
        return static_cast<int>(n);
    }
};

}  // namespace velmar::testing
