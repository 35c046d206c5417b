// Records that cross the boundary to the server's user-database library. The library owns
// their layout; the client reserves the buffers and reads only the named fields, each a
// zero-terminated text at a fixed position, always within the buffer.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <string_view>

#include "common/Text.h"

namespace velmar {

template <std::size_t Size>
struct LibraryRecord {
    std::array<char, Size> raw{};

    void Clear() { raw.fill('\0'); }
    [[nodiscard]] std::string_view TextAt(std::size_t offset) const {
        return offset < Size ? TextInArea(raw.data() + offset, Size - offset) : std::string_view{};
    }
    // Used by the library stand-in and by tests to fill a record.
    void PutText(std::size_t offset, std::size_t room, std::string_view text) {
        if (offset >= Size || room == 0) return;
        room = std::min(room, Size - offset);
        std::size_t n = std::min(text.size(), room - 1);
        for (std::size_t i = 0; i < n; ++i) raw[offset + i] = text[i];
        raw[offset + n] = '\0';
    }
};

// Filled by the domain lookup (library ordinal 100).
struct DomainRecord : LibraryRecord<3524> {
    static constexpr std::size_t nameOffset = 0;
    static constexpr std::size_t topDirOffset = 784;
    [[nodiscard]] std::string_view Name() const { return TextAt(nameOffset); }
    [[nodiscard]] std::string_view TopDir() const { return TextAt(topDirOffset); }
};

// Filled by the user lookup (library ordinal 210).
struct UserRecord : LibraryRecord<1340> {
    static constexpr std::size_t fullNameOffset = 64;
    static constexpr std::size_t mailAddressOffset = 614;
    [[nodiscard]] std::string_view FullName() const { return TextAt(fullNameOffset); }
    [[nodiscard]] std::string_view MailAddress() const { return TextAt(mailAddressOffset); }
};

// The alias lookup (library ordinal 421) fills a plain buffer of this size with members.
inline constexpr std::size_t aliasMembersSize = 480;

}  // namespace velmar
