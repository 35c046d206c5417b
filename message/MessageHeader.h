// The message writer's core: from the fields of one message, the bytes of the data file's
// header block (with the MIME skeleton of a multipart message) and of the control file,
// exactly as they land on disk (every line end CR LF). Formatting is a function of the
// message, the resolved settings, the recipient directory and the moment of writing.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/Capacities.h"
#include "message/WriterSettings.h"

namespace velmar {

// The multipart boundary of every message.
inline constexpr std::string_view mimeBoundary = "==Velmar_v8.2==";

struct LocalTime {
    int year = 1970, month = 1, day = 1, dayOfWeek = 4;  // dayOfWeek: Sunday = 0
    int hour = 0, minute = 0, second = 0;
};

// What the platform says of the local time zone.
struct ZoneInfo {
    bool available = true;     // the zone information could be read
    long bias = 0;             // minutes, UTC minus local standard time
    long daylightBias = 0;
    bool daylight = false;     // daylight time is in effect
    std::optional<std::string> tzVariable;  // "TZ" from the environment
};

// The Date line's zone: "+0000", "-0500", "+0530"; the TZ variable unchanged (at most 11
// characters) or "+0000" when the zone information is missing.
[[nodiscard]] std::string FormatZoneText(const ZoneInfo& zone);

// The "Date: ..." line (without its line end).
[[nodiscard]] std::string FormatDateLine(const LocalTime& now, std::string_view zoneText);

struct MessageInput {
    std::string sender;  // with or without a host part; "postmaster" sends as the server
    std::string to;
    std::optional<std::string> cc;
    std::optional<std::string> bcc;  // reaches the control file only
    std::string subject;
    bool receiptRequested = false;
    bool bodyEncoded = false;  // the body was encoded (quoted-printable, or ISO-2022-JP)
    std::optional<std::string> headerCharset;  // both given, or neither
    std::optional<std::string> bodyCharset;
    std::vector<std::string> attachmentNames;  // display names, in attachment-list order
    std::vector<std::string> rawHeaderLines;   // written first, exactly as they are
    // The code page of every text above: 0 for the machine's ANSI code page, 65001 for a
    // message whose texts the ANSI code page cannot hold (MessageTexts).
    unsigned codePage = 0;
    // The body holds a byte that the code page's ISO label does not cover (BeyondIsoLabel):
    // its part announces the code page's Windows charset name instead.
    bool bodyBeyondIsoLabel = false;
};

// The moment of writing and what the platform says of it.
struct WritingMoment {
    unsigned codePage;  // the machine's ANSI code page; MessageInput::codePage replaces it
    LocalTime now;
    ZoneInfo zone;
    std::uint64_t messageNumber;  // unique per message: the Message-Id's number
};

struct MessageFileBytes {
    std::string data;     // the header block (and multipart skeleton)
    std::string control;  // the whole control file
};

// The Content-Type (and Content-Transfer-Encoding) lines of a text part, with "\n" line
// ends: of the message itself (`inPart` false) or of the first part of a multipart
// message. `charset` is the body's charset when the caller named one, else the code page's.
[[nodiscard]] std::string TextPartHeaders(std::string_view charset, bool charsetGiven, bool encoded, bool inPart);

// Formats both files. A CR or LF inside the sender or the subject ends that value; inside a
// recipient list it separates addresses (SeparateAtLineBreaks).
[[nodiscard]] MessageFileBytes FormatMessageFiles(MessageInput input, const WriterSettings& settings,
                                                  RecipientDirectory& directory, const WritingMoment& moment,
                                                  std::string_view dataPath);

}  // namespace velmar
