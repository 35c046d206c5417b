// The server library as Velmarsec.dll answers it.
#pragma once

#include "config/ServerLibrary.h"

namespace velmar {

class VelmarsecLibrary final : public ServerLibrary {
public:
    int LookupDomain(DomainRecord& record, const std::string& host) override;
    int LookupUser(UserRecord& record, const DomainRecord& domain, const std::string& userId) override;
    int LookupAliasMembers(const std::string& host, const std::string& name,
                           std::array<char, aliasMembersSize>& members) override;
};

}  // namespace velmar
