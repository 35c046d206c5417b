// The capacities of the program's text areas, in characters (the terminator not counted).
// A value longer than its area is cut to it (CutTo, CutCopy in common/Text.h); nothing
// else sizes a buffer from these.
#pragma once

#include <cstddef>

namespace velmar::cap {

// Command lines
inline constexpr std::size_t commandCopy = 511;   // the copy of the command line that is examined
inline constexpr std::size_t bodyPath = 127;
inline constexpr std::size_t attachPath = 260;
inline constexpr std::size_t charsetName = 78;    // "LS:" and "LB:" values
inline constexpr std::size_t charset = 63;
inline constexpr std::size_t hostOverride = 127;  // "-h" and "H:"
inline constexpr std::size_t userOverride = 39;   // "-u" and "U:"

// Process-wide texts
inline constexpr std::size_t appTitle = 127;
inline constexpr std::size_t messageBuffer = 511;
inline constexpr std::size_t replyFilePath = 255;

// Start-up configuration
inline constexpr std::size_t sharedProfilePath = 95;
inline constexpr std::size_t hostName = 127;
inline constexpr std::size_t userId = 63;
inline constexpr std::size_t mailDir = 79;
inline constexpr std::size_t usersDir = 99;
inline constexpr std::size_t cfgDir = 127;
inline constexpr std::size_t spoolDir = 127;
inline constexpr std::size_t usersSysPath = 119;
inline constexpr std::size_t aliasesSysPath = 119;
inline constexpr std::size_t userProfilePath = 255;
inline constexpr std::size_t sendName = 149;
inline constexpr std::size_t copyAddress = 255;
inline constexpr std::size_t specProg = 255;

// Attachments
inline constexpr std::size_t attachmentListText = 1023;  // the display text's area, 1024 bytes

// Message fields
inline constexpr std::size_t addressField = 510;  // to, cc, bcc
inline constexpr std::size_t subjectField = 510;

// Message writer
inline constexpr std::size_t senderAddress = 127;
inline constexpr std::size_t zoneText = 11;
inline constexpr std::size_t attachmentNames = 1023;

}  // namespace velmar::cap
