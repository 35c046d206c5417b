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

namespace {

// Who sends: the name shown, the address the message is from, and the user's own address.
struct Sender {
    std::string fullName;
    std::string address;
    std::string own;
};

Sender SenderOf(const MessageInput& input, const WriterSettings& settings) {
    const std::string& host = settings.hostName;
    Sender sender;
    if (EqualsNoCase(input.sender, "postmaster")) {
        sender.fullName = "Postmaster";
        sender.address = CutCopy("postmaster@" + host, cap::senderAddress);
        sender.own = sender.address;
    } else {
        sender.own = HasAt(settings.userId) ? settings.userId : settings.userId + "@" + host;
        sender.fullName = settings.fullName;
        EndAtLineBreak(sender.fullName);
        sender.address = input.sender;
    }
    return sender;
}

// An address without a domain gets the host's.
std::string Qualified(const std::string& address, const std::string& host) {
    return !HasAt(address) && !host.empty() ? address + "@" + host : address;
}

// The From, Reply-To and X-Sender lines in the stored style, then the receipt lines.
// `givenSender` is the sender as given, which X-Sender names with the host's domain.
void WriteSenderLines(std::string& text, std::string givenSender, const Sender& sender, bool receiptRequested,
                      const WriterSettings& settings, unsigned codePage) {
    const std::string& host = settings.hostName;
    const bool xSenderDue = !sender.own.empty() && !EqualsNoCase(sender.own, sender.address);
    if (xSenderDue && !HasAt(givenSender)) givenSender += "@" + host;
    if (settings.fromStyle != 1) {
        const std::string close = !HasAt(sender.address) && !host.empty() ? "@" + host + ">\n" : ">\n";
        if (sender.fullName.empty()) text += "From: <" + sender.address + close;
        else text += "From: \"" + DisplayName(sender.fullName, 4080, codePage) + "\" <" + sender.address + close;
        text += "Reply-To: <" + sender.address + close;
        if (xSenderDue) text += "X-Sender: <" + givenSender + ">\n";
    } else {
        // Each line may be replaced by a line of the user's; an empty one leaves its line
        // out rather than ending the header block.
        auto overridden = [&](const std::optional<std::string>& stored, std::string composed) {
            CutTo(composed, composedLine);
            std::string value = stored ? *stored : CutCopy(composed, overrideCapacity - 1);
            EndAtLineBreak(value);
            if (!value.empty()) text += value + "\n";
        };
        overridden(settings.fromHeader, sender.fullName.empty()
                                            ? "From: " + sender.address
                                            : "From: " + sender.address + " (" +
                                                  DisplayName(sender.fullName, 255, codePage) + ")");
        overridden(settings.replyHeader, "Reply-To: " + Qualified(sender.address, host));
        overridden(settings.senderHeader, xSenderDue ? "X-Sender: " + givenSender : std::string());
    }
    if (receiptRequested) {
        const std::string address = Qualified(sender.address, host);
        text += "X-Confirm-Reading-To: " + address + "\nReturn-receipt-to: " + address + "\nRegistered:   \n";
    }
}

// The Subject line. An 8-bit subject becomes encoded words that carry their own CR LF
// folds: the header text so far goes into `data` and the line follows byte for byte.
void WriteSubject(std::string& data, std::string& text, const MessageInput& input, unsigned codePage) {
    if (input.subject.empty()) return;
    // No header line over 998 octets: folded at blanks, else as encoded words.
    const bool eightBit = HasEightBit(input.subject);
    if (!eightBit) {
        if (std::string folded = FoldAtBlanks("Subject: " + input.subject); !folded.empty()) {
            text += folded + "\n";
            return;
        }
    }
    std::string encoded;
    if (!eightBit) {
        encoded = QEncodeFolded(input.subject, input.subject.size() * 5 + 1024, "us-ascii", codePage);
    } else if (input.headerCharset && *input.headerCharset != "ISO-2022-JP") {
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

// The X-Attachments list: the names, each ended by ";", as many as fit.
void WriteAttachmentNames(std::string& text, RecipientWriter& lists, const std::vector<std::string>& attachmentNames,
                          unsigned codePage) {
    if (attachmentNames.empty()) return;
    std::string names;
    for (std::string name : attachmentNames) {
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

// The control file's text: the data file, host, sender and every recipient.
std::string ControlText(MessageInput& input, const std::string& senderAddress, RecipientWriter& lists,
                        const WriterSettings& settings, std::string_view dataPath) {
    ReduceToBareAddresses(input.to);
    if (input.cc) ReduceToBareAddresses(*input.cc);
    if (input.bcc) ReduceToBareAddresses(*input.bcc);
    std::string envelope = "Q";
    envelope.append(dataPath).append("\nH").append(settings.hostName).append("\nA").append(senderAddress).append("\n");
    lists.WriteEnvelopeLine(envelope, 'S', senderAddress);
    lists.WriteEnvelopeRecipients(envelope, input.to);
    if (input.cc && !input.cc->empty()) lists.WriteEnvelopeRecipients(envelope, *input.cc);
    if (input.bcc && !input.bcc->empty()) lists.WriteEnvelopeRecipients(envelope, *input.bcc);
    if (settings.copyAllMail != 0 && !settings.copyAddress.empty())
        lists.WriteEnvelopeRecipients(envelope, settings.copyAddress);
    return envelope;
}

}  // namespace

MessageFileBytes FormatMessageFiles(MessageInput input, const WriterSettings& settings, RecipientDirectory& directory,
                                    const WritingMoment& moment, std::string_view dataPath) {
    const std::string& host = settings.hostName;
    const unsigned codePage = input.codePage != 0 ? input.codePage : moment.codePage;
    EndAtLineBreak(input.sender);
    // A list typed on several lines: each line break separates addresses.
    input.to = SeparateAtLineBreaks(input.to);
    if (input.cc) input.cc = SeparateAtLineBreaks(*input.cc);
    if (input.bcc) input.bcc = SeparateAtLineBreaks(*input.bcc);
    EndAtLineBreak(input.subject);
    CutTo(input.sender, cap::senderAddress);

    const bool charsetGiven = input.headerCharset.has_value() && input.bodyCharset.has_value();
    const std::string charset = charsetGiven             ? *input.bodyCharset
                                : input.bodyBeyondIsoLabel ? std::string(WindowsCharsetForCodePage(codePage))
                                                           : std::string(CharsetForCodePage(codePage));
    const Sender sender = SenderOf(input, settings);
    RecipientWriter lists(directory, settings, codePage);
    const bool multipart = !input.attachmentNames.empty() && settings.uuencode == 0;
    std::string data;
    std::string text;  // header text with "\n" line ends, flushed into `data` in text mode

    for (const auto& line : input.rawHeaderLines) text += line;
    text += FormatDateLine(moment.now, FormatZoneText(moment.zone)) + "\n";
    text += Printf("Message-Id: <%04d%02d%02d%02d%02d.AA%05llu@", moment.now.year % 10000, moment.now.month,
                   moment.now.day, moment.now.hour, moment.now.minute,
                   static_cast<unsigned long long>(moment.messageNumber)) +
            host + ">\n";
    text += "Mime-Version: 1.0\n";
    if (multipart) text += "Content-Type: multipart/mixed;boundary=\"" + std::string(mimeBoundary) + "\"\n";
    else text += TextPartHeaders(charset, charsetGiven, input.bodyEncoded, false);

    WriteSenderLines(text, input.sender, sender, input.receiptRequested, settings, codePage);
    if (!input.to.empty()) lists.WriteAddressHeader(text, "To:", input.to, ',');
    if (input.cc && !input.cc->empty()) lists.WriteAddressHeader(text, "CC:", *input.cc, ',');
    WriteSubject(data, text, input, codePage);
    text += "X-Mailer: <Velmar v8.22>\n";
    WriteAttachmentNames(text, lists, input.attachmentNames, codePage);
    text += "\n";

    if (multipart) {
        text += preamble;
        text += "--" + std::string(mimeBoundary) + "\n";
        text += TextPartHeaders(charset, charsetGiven, input.bodyEncoded, true) + "\n";
    }
    AppendText(data, text);

    MessageFileBytes files;
    files.data = std::move(data);
    AppendText(files.control, ControlText(input, sender.address, lists, settings, dataPath));
    return files;
}

}  // namespace velmar
