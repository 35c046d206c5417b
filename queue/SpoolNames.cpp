#include "queue/SpoolNames.h"

#include <cstdio>

namespace velmar {

std::uint64_t SpoolNumber(std::uint64_t unixSeconds, std::uint32_t threadId, std::uint32_t tick) {
    return ((unixSeconds & 0xFFFFu) << 48) | (static_cast<std::uint64_t>(threadId) << 16) | (tick & 0xFFFFu);
}

std::string MakeSpoolName(std::string_view spoolDir, char letter, std::uint64_t number) {
    char digits[17] = {};
    std::snprintf(digits, sizeof digits, "%016llx", static_cast<unsigned long long>(number));
    std::string name(spoolDir);
    name += '\\';
    name += letter;
    name += digits;
    name += ".GSC";
    return name;
}

std::uint32_t NextSpoolTick(std::uint32_t tick, int retriesLeft) {
    return tick - static_cast<std::uint32_t>(spoolNameRetries + 1 - retriesLeft) * 3u;
}

bool IsQueueFileName(std::string_view fileName) {
    if (fileName.size() != 21) return false;
    const char letter = static_cast<char>(fileName[0] & ~0x20);
    if (letter != 'Q' && letter != 'D') return false;
    for (char c : fileName.substr(1, 16))
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'))) return false;
    const std::string_view ext = fileName.substr(17);
    return (ext[0] == '.') && (ext[1] & ~0x20) == 'G' && (ext[2] & ~0x20) == 'S' && (ext[3] & ~0x20) == 'C';
}

}  // namespace velmar
