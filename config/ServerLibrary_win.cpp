#include "config/ServerLibrary_win.h"

#include "config/ServerLibraryImports_win.h"

namespace velmar {

// The library writes into the whole buffer it is given; the last byte is forced to NUL
// afterwards so a record it left unterminated is never read past its end.

int VelmarsecLibrary::LookupDomain(DomainRecord& record, const std::string& host) {
    int result = VelmarDomainLookup(record.raw.data(), host.c_str());
    record.raw.back() = '\0';
    return result;
}

int VelmarsecLibrary::LookupUser(UserRecord& record, const DomainRecord& domain, const std::string& userId) {
    int result = VelmarUserLookup(record.raw.data(), domain.raw.data(), userId.c_str());
    record.raw.back() = '\0';
    return result;
}

int VelmarsecLibrary::LookupAliasMembers(const std::string& host, const std::string& name,
                                         std::array<char, aliasMembersSize>& members) {
    int result = VelmarAliasLookup(host.c_str(), name.c_str(), members.data(), 0);
    members.back() = '\0';
    return result;
}

}  // namespace velmar
