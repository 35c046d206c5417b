#include "message/MessageHeader.h"

#include <array>
#include <cstdarg>
#include <cstdio>

#include "common/Text.h"
#include "encoding/Charset.h"
#include "encoding/HeaderWords.h"
#include "encoding/QuotedPrintable.h"
#include "message/RecipientLists.h"

namespace velmar {

namespace {

constexpr std::array<const char*, 7> dayNames = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
constexpr std::array<const char*, 12> monthNames = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                    "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
constexpr std::size_t overrideCapacity = 125;
constexpr std::size_t composedLine = 127;
constexpr char preamble[] =
    "------------------------------------------------------------------------\n"
    "This mail message contains standard MIME attachments.  If you see this\n"
    "note, your e-mail program does not support MIME.  You may need a MIME-\n"
    "compliant mail reader to read any non-text attachments in this message.\n"
    "------------------------------------------------------------------------\n"
    "\n";

// Text as the platform's text-mode output writes it: every LF becomes CR LF.
void AppendText(std::string& file, std::string_view text) {
    for (char c : text) {
        if (c == '\n') file += '\r';
        file += c;
    }
}

// A CR, LF or NUL ends a value: what follows would become a header line of its own.
void EndAtLineBreak(std::string& value) {
    value.erase(std::min(value.find_first_of(std::string_view("\r\n\0", 3)), value.size()));
}

void EndAtLineBreak(std::optional<std::string>& value) {
    if (value) EndAtLineBreak(*value);
}

bool HasAt(std::string_view text) { return text.find('@') != std::string_view::npos; }

// The name shown before the sender's address; encoded words for 8-bit text.
std::string DisplayName(const std::string& fullName, std::size_t capacity, unsigned codePage) {
    if (!HasEightBit(fullName)) return fullName;
    std::string source = fullName;
    std::string encoded = EncodeWordAfterAscii(source, capacity, codePage);
    TrimEncoderLineEnd(encoded);
    return encoded;
}

__attribute__((format(printf, 1, 2))) std::string Printf(const char* format, ...) {
    std::array<char, 512> buffer{};
    va_list args;
    va_start(args, format);
    const int n = std::vsnprintf(buffer.data(), buffer.size(), format, args);
    va_end(args);
    return std::string(buffer.data(), n < 0 ? 0 : std::min<std::size_t>(static_cast<std::size_t>(n), buffer.size() - 1));
}

}  // namespace

std::string FormatZoneText(const ZoneInfo& zone) {
    if (!zone.available) return CutCopy(zone.tzVariable.value_or("+0000"), cap::zoneText);
    const long offset = zone.bias + (zone.daylight ? zone.daylightBias : 0);
    const char sign = offset <= 0 ? '+' : '-';
    const long magnitude = offset < 0 ? -offset : offset;
    return Printf("%c%02ld%02ld", sign, (magnitude / 60) % 100, magnitude % 60);
}

std::string FormatDateLine(const LocalTime& now, std::string_view zoneText) {
    const std::string zone(zoneText);
    return Printf("Date: %s, %2u %s %u %02d:%02d:%02d %s", dayNames[static_cast<std::size_t>(now.dayOfWeek % 7)],
                  static_cast<unsigned>(now.day), monthNames[static_cast<std::size_t>((now.month + 11) % 12)],
                  static_cast<unsigned>(now.year), now.hour, now.minute, now.second, zone.c_str());
}

std::string TextPartHeaders(std::string_view charset, bool charsetGiven, bool encoded, bool inPart) {
    const bool japanese = EqualsNoCase(charset, "ISO-2022-JP");
    std::string text = "Content-Type: text/plain; charset=";
    text += !charsetGiven && !encoded ? std::string_view("us-ascii") : charset;
    text += "\n";
    if (encoded && !japanese) {
        text += "Content-Transfer-Encoding: quoted-printable\n";
    } else if (inPart && ((encoded && !charsetGiven) || (!encoded && charsetGiven))) {
        // A part says 7bit for converted Japanese text and for a named charset sent as it is.
        text += "Content-Transfer-Encoding: 7bit\n";
    }
    return text;
}

MessageFileBytes FormatMessageFiles(MessageInput input, const WriterSettings& settings, RecipientDirectory& directory,
                                    const WritingMoment& moment, std::string_view dataPath) {
    const std::string& host = settings.hostName;
    const unsigned codePage = input.codePage != 0 ? input.codePage : moment.codePage;
    EndAtLineBreak(input.sender);
    EndAtLineBreak(input.to);
    EndAtLineBreak(input.cc);
    EndAtLineBreak(input.bcc);
    EndAtLineBreak(input.subject);
    CutTo(input.sender, cap::senderAddress);

    const bool charsetGiven = input.headerCharset.has_value() && input.bodyCharset.has_value();
    const std::string charset = charsetGiven             ? *input.bodyCharset
                                : input.bodyBeyondIsoLabel ? std::string(WindowsCharsetForCodePage(codePage))
                                                           : std::string(CharsetForCodePage(codePage));
    const std::string zoneText = FormatZoneText(moment.zone);

    // Who is sending.
    std::string fullName;
    std::string senderAddress;
    std::string ownAddress;
    if (EqualsNoCase(input.sender, "postmaster")) {
        fullName = "Postmaster";
        senderAddress = CutCopy("postmaster@" + host, cap::senderAddress);
        ownAddress = senderAddress;
    } else {
        ownAddress = HasAt(settings.userId) ? settings.userId : settings.userId + "@" + host;
        fullName = settings.fullName;
        EndAtLineBreak(fullName);
        senderAddress = input.sender;
    }
    auto qualified = [&](const std::string& address) {
        return !HasAt(address) && !host.empty() ? address + "@" + host : address;
    };

    RecipientWriter lists(directory, settings, codePage);
    const bool multipart = !input.attachmentNames.empty() && settings.uuencode == 0;
    std::string data;
    std::string text;  // header text with "\n" line ends, flushed into `data` in text mode

    for (const auto& line : input.rawHeaderLines) text += line;
    text += FormatDateLine(moment.now, zoneText) + "\n";
    text += Printf("Message-Id: <%04d%02d%02d%02d%02d.AA%05llu@", moment.now.year % 10000, moment.now.month,
                   moment.now.day, moment.now.hour, moment.now.minute,
                   static_cast<unsigned long long>(moment.messageNumber)) +
            host + ">\n";
    text += "Mime-Version: 1.0\n";

    if (multipart) text += "Content-Type: multipart/mixed;boundary=\"" + std::string(mimeBoundary) + "\"\n";
    else text += TextPartHeaders(charset, charsetGiven, input.bodyEncoded, false);

    // Sender lines.
    const bool xSenderDue = !ownAddress.empty() && !EqualsNoCase(ownAddress, senderAddress);
    auto extendSender = [&] {
        if (!HasAt(input.sender)) input.sender += "@" + host;
    };
    if (settings.fromStyle != 1) {
        const std::string close = !HasAt(senderAddress) && !host.empty() ? "@" + host + ">\n" : ">\n";
        if (fullName.empty()) text += "From: <" + senderAddress + close;
        else text += "From: \"" + DisplayName(fullName, 4080, codePage) + "\" <" + senderAddress + close;
        text += "Reply-To: <" + senderAddress + close;
        if (xSenderDue) {
            extendSender();
            text += "X-Sender: <" + input.sender + ">\n";
        }
    } else {
        // Each line may be replaced by a line of the user's; an empty one leaves its line
        // out rather than ending the header block.
        auto overridden = [&](const std::optional<std::string>& stored, std::string composed) {
            CutTo(composed, composedLine);
            std::string value = stored ? *stored : CutCopy(composed, overrideCapacity - 1);
            EndAtLineBreak(value);
            if (!value.empty()) text += value + "\n";
        };
        overridden(settings.fromHeader, fullName.empty() ? "From: " + senderAddress
                                                         : "From: " + senderAddress + " (" +
                                                               DisplayName(fullName, 255, codePage) + ")");
        overridden(settings.replyHeader, "Reply-To: " + qualified(senderAddress));
        std::string composed;
        if (xSenderDue) {
            extendSender();
            composed = "X-Sender: " + input.sender;
        }
        overridden(settings.senderHeader, composed);
    }
    if (input.receiptRequested) {
        const std::string address = qualified(senderAddress);
        text += "X-Confirm-Reading-To: " + address + "\nReturn-receipt-to: " + address + "\nRegistered:   \n";
    }
    if (!input.to.empty()) lists.WriteAddressHeader(text, "To:", input.to, ',');
    if (input.cc && !input.cc->empty()) lists.WriteAddressHeader(text, "CC:", *input.cc, ',');

    if (!input.subject.empty()) {
        if (!HasEightBit(input.subject)) {
            text += "Subject: " + input.subject + "\n";
        } else {
            std::string encoded;
            if (input.headerCharset && *input.headerCharset != "ISO-2022-JP") {
                encoded = QEncodeFolded(input.subject, 4096, *input.headerCharset, codePage);
            } else {
                std::string source = input.subject;
                encoded = EncodeWordAfterAscii(source, 4095, codePage);
            }
            TrimEncoderLineEnd(encoded);
            // The encoded words carry their own CR LF folds: written byte for byte.
            text += "Subject: ";
            AppendText(data, text);
            text.clear();
            data += encoded;
            data += "\r\n";
        }
    }
    text += "X-Mailer: <Velmar v8.22>\n";

    if (!input.attachmentNames.empty()) {
        std::string names;
        for (std::string name : input.attachmentNames) {
            // A line break in a name would start a header line of its own.
            for (char& c : name)
                if (c == '\r' || c == '\n' || c == '\0') c = ' ';
            if (names.size() + name.size() + 2 < cap::attachmentNames + 1) names += name + ";";
        }
        if (HasEightBit(names)) {
            std::string source = names;
            names = EncodeWordWhole(source, cap::attachmentNames + 1, codePage);
            std::erase(names, '\r');
            while (!names.empty() && names.back() == '\n') names.pop_back();
            if (!names.empty() && names.back() != ';') {
                const std::size_t last = names.rfind(';');
                if (last != std::string::npos) names.erase(last + 1);
            }
        }
        lists.WriteFoldedList(text, "X-Attachments:", names, ';');
    }
    text += "\n";

    if (multipart) {
        text += preamble;
        text += "--" + std::string(mimeBoundary) + "\n";
        text += TextPartHeaders(charset, charsetGiven, input.bodyEncoded, true) + "\n";
    }
    AppendText(data, text);

    // The envelope.
    ReduceToBareAddresses(input.to);
    if (input.cc) ReduceToBareAddresses(*input.cc);
    if (input.bcc) ReduceToBareAddresses(*input.bcc);
    std::string envelope = "Q";
    envelope.append(dataPath).append("\nH").append(host).append("\nA").append(senderAddress).append("\n");
    lists.WriteEnvelopeLine(envelope, 'S', senderAddress);
    lists.WriteEnvelopeRecipients(envelope, input.to);
    if (input.cc && !input.cc->empty()) lists.WriteEnvelopeRecipients(envelope, *input.cc);
    if (input.bcc && !input.bcc->empty()) lists.WriteEnvelopeRecipients(envelope, *input.bcc);
    if (settings.copyAllMail != 0 && !settings.copyAddress.empty())
        lists.WriteEnvelopeRecipients(envelope, settings.copyAddress);

    MessageFileBytes files;
    files.data = std::move(data);
    AppendText(files.control, envelope);
    return files;
}

}  // namespace velmar
