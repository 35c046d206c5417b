// The three questions the client asks the server's user-database library. The Windows
// build answers them through Velmarsec.dll (imported by ordinal); tests answer them with
// fixed data. Every caller treats a failure as "not known" and falls back to its settings.
#pragma once

#include <array>
#include <string>

#include "config/ServerRecords.h"

namespace velmar {

class ServerLibrary {
public:
    virtual ~ServerLibrary() = default;

    // Ordinal 100: non-zero when `host` belongs to a domain the server serves; `record`
    // then holds that domain.
    virtual int LookupDomain(DomainRecord& record, const std::string& host) = 0;

    // Ordinal 210: non-zero when `userId` exists in `domain`; `record` then holds the user.
    virtual int LookupUser(UserRecord& record, const DomainRecord& domain, const std::string& userId) = 0;

    // Ordinal 421: greater than 0 when `name` (no "@") is an alias or list the server knows
    // for `host`; `members` then holds its comma-separated members.
    virtual int LookupAliasMembers(const std::string& host, const std::string& name,
                                   std::array<char, aliasMembersSize>& members) = 0;
};

// A library that knows nothing: every lookup fails, so every caller uses its settings.
class NoServerLibrary final : public ServerLibrary {
public:
    int LookupDomain(DomainRecord&, const std::string&) override { return 0; }
    int LookupUser(UserRecord&, const DomainRecord&, const std::string&) override { return 0; }
    int LookupAliasMembers(const std::string&, const std::string&, std::array<char, aliasMembersSize>&) override {
        return 0;
    }
};

}  // namespace velmar
