// Stand-in for the server's user-database library. It answers the client's three lookups
// from a small registry subtree (see docs/standins.md):
//
//   HKLM\SOFTWARE\VelmarStandIn\Domains\<host>            "Name", "TopDir"
//   HKLM\SOFTWARE\VelmarStandIn\Domains\<host>\Users\<id>  "FullName", "MailAddr"
//   HKLM\SOFTWARE\VelmarStandIn\Domains\<host>\Aliases     one value per alias: its members
//
// With no such subtree every lookup fails, which leaves the client on its settings.
#include <windows.h>

#include <cstring>
#include <string>

#include "config/ServerLibraryImports_win.h"

namespace {

constexpr char rootKey[] = "SOFTWARE\\VelmarStandIn\\Domains\\";
constexpr size_t domainRecordSize = 3524;
constexpr size_t domainTopDirOffset = 784;
constexpr size_t userRecordSize = 1340;
constexpr size_t userFullNameOffset = 64;
constexpr size_t userMailOffset = 614;
constexpr size_t membersSize = 480;

// Reads a string value of any length; false when the key or value is missing.
bool ReadValue(const std::string& keyPath, const char* name, std::string& out) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, keyPath.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    DWORD size = 0;
    LONG rc = RegQueryValueExA(key, name, nullptr, nullptr, nullptr, &size);
    std::string buffer(size, '\0');
    if (rc == ERROR_SUCCESS && size > 0)
        rc = RegQueryValueExA(key, name, nullptr, nullptr, reinterpret_cast<BYTE*>(buffer.data()), &size);
    RegCloseKey(key);
    if (rc != ERROR_SUCCESS) return false;
    buffer.resize(strnlen(buffer.data(), size < buffer.size() ? size : buffer.size()));
    out = buffer;
    return true;
}

bool KeyExists(const std::string& keyPath) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, keyPath.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    RegCloseKey(key);
    return true;
}

// Copies text into a field of `room` bytes, always terminated.
void PutField(char* field, size_t room, const std::string& text) {
    size_t n = text.size() < room ? text.size() : room - 1;
    std::memcpy(field, text.data(), n);
    field[n] = '\0';
}

bool SafeName(const char* text) {
    // A name becomes part of a key path: no separators, not empty.
    return text != nullptr && *text != '\0' && std::strchr(text, '\\') == nullptr && std::strlen(text) < 256;
}

}  // namespace

VELMARSEC_API int WINAPI VelmarDomainLookup(char* domainRecord, const char* hostName) {
    if (domainRecord == nullptr) return 0;
    std::memset(domainRecord, 0, domainRecordSize);
    if (!SafeName(hostName)) return 0;
    const std::string key = std::string(rootKey) + hostName;
    if (!KeyExists(key)) return 0;
    std::string name = hostName;
    std::string topDir;
    ReadValue(key, "Name", name);
    ReadValue(key, "TopDir", topDir);
    PutField(domainRecord, domainTopDirOffset, name);
    PutField(domainRecord + domainTopDirOffset, domainRecordSize - domainTopDirOffset, topDir);
    return 1;
}

VELMARSEC_API int WINAPI VelmarUserLookup(char* userRecord, const char* domainRecord, const char* userId) {
    if (userRecord == nullptr || domainRecord == nullptr) return 0;
    std::memset(userRecord, 0, userRecordSize);
    const std::string domain(domainRecord, strnlen(domainRecord, domainTopDirOffset));
    if (!SafeName(domain.c_str()) || !SafeName(userId)) return 0;
    const std::string key = std::string(rootKey) + domain + "\\Users\\" + userId;
    if (!KeyExists(key)) return 0;
    std::string fullName;
    std::string mail;
    ReadValue(key, "FullName", fullName);
    ReadValue(key, "MailAddr", mail);
    PutField(userRecord + userFullNameOffset, userMailOffset - userFullNameOffset, fullName);
    PutField(userRecord + userMailOffset, userRecordSize - userMailOffset, mail);
    return 1;
}

VELMARSEC_API int WINAPI VelmarAliasLookup(const char* hostName, const char* name, char* members, int) {
    if (members == nullptr) return 0;
    std::memset(members, 0, membersSize);
    if (!SafeName(hostName) || !SafeName(name)) return 0;
    std::string value;
    if (!ReadValue(std::string(rootKey) + hostName + "\\Aliases", name, value) || value.empty()) return 0;
    PutField(members, membersSize, value);
    return static_cast<int>(std::strlen(members));
}

BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID) { return TRUE; }
