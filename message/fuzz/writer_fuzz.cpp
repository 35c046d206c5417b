// The whole header block and control file from arbitrary sender, lists, subject and
// attachment names under the code pages of the server's users: every line ends in exactly
// one CR LF, every envelope line is one recipient line of a known kind, and no header line
// appears that the writer does not write itself (the input cannot add one).
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "message/MessageHeader.h"

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
    "Date: ", "Message-Id: ", "Mime-Version: ", "Content-Type: ", "Content-Transfer-Encoding: ", "From: ",
    "Reply-To: ", "X-Sender: ", "X-Confirm-Reading-To: ", "Return-receipt-to: ", "Registered: ", "To: ",
    "CC: ", "Subject: ", "X-Mailer: ", "X-Attachments: "};

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
    input.sender = fields[0].empty() ? "alice" : fields[0];
    input.to = fields[1];
    input.cc = fields[2];
    input.bcc = fields[3];
    input.subject = fields[4];
    if (withAttachment) input.attachmentNames.push_back(fields[5]);
    WriterSettings settings;
    settings.hostName = "example.com";
    settings.userId = "alice";
    settings.fullName = "Alice";
    EmptyDirectory directory;
    const WritingMoment moment{codePage, {}, {}, 1};
    const MessageFileBytes files = FormatMessageFiles(input, settings, directory, moment, "C:\\spool\\D1.GSC");

    const std::string_view header(files.data.data(), files.data.find("\r\n\r\n") + 2);
    CheckLines(files.data);
    for (std::size_t start = 0; start < header.size();) {
        const std::size_t end = header.find("\r\n", start);
        const std::string_view line = header.substr(start, end - start);
        bool known = line.starts_with(" ") || line.starts_with("\t");
        for (std::string_view name : knownHeaders) known = known || line.starts_with(name);
        if (!known) std::abort();
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
