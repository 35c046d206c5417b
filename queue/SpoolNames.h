// Names of the queue files in the spool directory: "<spoolDir>\<letter><16 hex digits>.GSC",
// letter 'Q' for the control file and 'D' for the data file.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace velmar {

// The spool directory must leave room for a name in 144 bytes.
inline constexpr std::size_t maxSpoolDirLength = 121;
// How many earlier tick values are tried when a name is taken.
inline constexpr int spoolNameRetries = 1000;

// The 64-bit number of a name: the low 16 bits of the calendar time in seconds, the
// 32-bit thread identifier, and the low 16 bits of the tick value.
[[nodiscard]] std::uint64_t SpoolNumber(std::uint64_t unixSeconds, std::uint32_t threadId, std::uint32_t tick);

[[nodiscard]] std::string MakeSpoolName(std::string_view spoolDir, char letter, std::uint64_t number);

// The tick value of the next candidate after `tick` when `retriesLeft` retries remain
// (counting down from spoolNameRetries): 3 less, then 6 less again, and so on.
[[nodiscard]] std::uint32_t NextSpoolTick(std::uint32_t tick, int retriesLeft);

// Whether `fileName` (without its directory) has the form of a queue file name:
// 'Q' or 'D', 16 hexadecimal digits and ".GSC", in any case.
[[nodiscard]] bool IsQueueFileName(std::string_view fileName);

}  // namespace velmar
