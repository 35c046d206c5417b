// The whole header block and control file from arbitrary sender, lists, subject and
// attachment names under the code pages of the server's users: every line ends in exactly
// one CR LF, every envelope line is one recipient line of a known kind, and no header line
// appears that the writer does not write itself (the input cannot add one). With bit 1 of
// the second byte set the fields are UTF-16 text, as the compose window reads it, put
// through the per-message charset decision: a message that goes out as UTF-8 has only
// encoded words that decode to whole UTF-8 characters.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "encoding/UnicodeText.h"
#include "message/MessageHeader.h"
#include "message/MessageTexts.h"

namespace {

using namespace velmar;

// A directory that knows no alias, list or local user.
class EmptyDirectory final : public RecipientDirectory {
public:
    bool HasMailAddress(const std::string&) override { return false; }
    int AliasMembers(const std::string&, const std::string&, std::array<char, aliasMembersSize>&) override { return 0; }
    std::size_t LookupAlias(std::string_view, std::string&) override { return 0; }
    std::optional<std::string> ReadListFile(std::string_view) override { return std::nullopt; }
};

constexpr std::string_view knownHeaders[] = {
    "Date: ", "Message-Id: ", "Mime-Version: ", "Content-Type: ", "Content-Transfer-Encoding: ", "From: ", "Reply-To: ",
    "X-Sender: ", "X-Confirm-Reading-To: ", "Return-receipt-to: ", "Registered: ", "To: ", "CC: ", "Subject: ",
    "X-Mailer: ", "X-Attachments: ", " ", "\t"};  // and folded lines

// Code page 1252 as far as it is Latin-1: what is typed beyond it goes out as UTF-8.
class Latin1Codec final : public AnsiCodec {
public:
    unsigned CodePage() const override { return 1252; }
    std::optional<std::string> ToAnsi(std::u16string_view text) const override {
        std::string out(text.begin(), text.end());
        for (const char16_t c : text)
            if (c >= 0x100) return std::nullopt;
        return out;
    }
    std::u16string FromAnsi(std::string_view bytes) const override {
        return {reinterpret_cast<const unsigned char*>(bytes.data()),
                reinterpret_cast<const unsigned char*>(bytes.data() + bytes.size())};
    }
};

int HexValue(char c) { return c <= '9' ? c - '0' : c - 'A' + 10; }

// Every "=?UTF-8?Q?" word decodes to whole UTF-8 characters.
void CheckUtf8Words(std::string_view text) {
    constexpr std::string_view opening = "=?UTF-8?Q?";
    for (std::size_t at = 0; (at = text.find(opening, at)) != std::string_view::npos;) {
        at += opening.size();
        const std::size_t end = text.find("?=", at);
        if (end == std::string_view::npos) std::abort();
        std::string decoded;
        for (std::size_t i = at; i < end; ++i) {
            const bool escape = text[i] == '=' && i + 2 < end;
            decoded += escape ? static_cast<char>(HexValue(text[i + 1]) * 16 + HexValue(text[i + 2]))
                              : text[i] == '_' ? ' ' : text[i];
            i += escape ? 2 : 0;
        }
        if (!IsValidUtf8(decoded)) std::abort();
        at = end + 2;
    }
}

void CheckLines(std::string_view text) {
    for (std::size_t at = 0; (at = text.find('\n', at)) != std::string_view::npos; ++at)
        if (at == 0 || text[at - 1] != '\r' || (at >= 2 && text[at - 2] == '\r')) std::abort();
    for (std::size_t at = 0; (at = text.find('\r', at)) != std::string_view::npos; ++at)
        if (at + 1 >= text.size() || text[at + 1] != '\n') std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    static const unsigned codePages[] = {1252, 932, 936, 949, 65001};
    const unsigned codePage = codePages[data[0] % 5];
    const bool withAttachment = (data[1] & 1) != 0;
    // Fields separated by 0xFF bytes: sender, to, cc, bcc, subject, attachment name.
    std::string fields[6];
    int field = 0;
    for (std::size_t i = 2; i < size && field < 6; ++i) {
        if (data[i] == 0xFF) ++field;
        else fields[field] += static_cast<char>(data[i]);
    }
    MessageInput input;
    const bool typed = (data[1] & 2) != 0;  // the fields as UTF-16 text
    if (typed) {
        std::vector<std::u16string> texts;
        for (const std::string& bytes : fields) {
            std::u16string text;
            for (std::size_t i = 0; i + 1 < bytes.size(); i += 2)
                text += static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) | (static_cast<unsigned char>(bytes[i + 1]) << 8));
            texts.push_back(std::move(text));
        }
        MessageTexts decided = EncodeMessageTexts(texts, Latin1Codec());
        for (int i = 0; i < 6; ++i) fields[i] = std::move(decided.texts[static_cast<std::size_t>(i)]);
        input.codePage = decided.codePage;
    }
    input.sender = fields[0].empty() ? "alice" : fields[0];
    input.to = fields[1], input.cc = fields[2], input.bcc = fields[3], input.subject = fields[4];
    if (withAttachment) input.attachmentNames.push_back(fields[5]);
    WriterSettings settings;
    settings.hostName = "example.com", settings.userId = "alice", settings.fullName = "Alice";
    EmptyDirectory directory;
    const MessageFileBytes files =
        FormatMessageFiles(input, settings, directory, WritingMoment{codePage, {}, {}, 1}, "C:\\spool\\D1.GSC");

    const std::string_view header(files.data.data(), files.data.find("\r\n\r\n") + 2);
    CheckLines(files.data);
    if (typed && input.codePage == utf8CodePage) CheckUtf8Words(header);
    for (std::size_t start = 0; start < header.size();) {
        const std::size_t end = header.find("\r\n", start);
        const std::string_view line = header.substr(start, end - start);
        if (std::none_of(std::begin(knownHeaders), std::end(knownHeaders),
                         [&](auto name) { return line.starts_with(name); }))
            std::abort();
        start = end + 2;
    }
    CheckLines(files.control);
    for (std::size_t start = 0; start < files.control.size();) {
        const std::size_t end = files.control.find("\r\n", start);
        const char kind = files.control[start];
        if (end == start || std::string_view("QHASNR").find(kind) == std::string_view::npos) std::abort();
        start = end + 2;
    }
    return 0;
}
