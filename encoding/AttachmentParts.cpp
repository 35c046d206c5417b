#include "encoding/AttachmentParts.h"

#include <array>

#include "common/Text.h"
#include "common/TextMode.h"
#include "encoding/Base64.h"
#include "encoding/HeaderWords.h"
#include "encoding/Uuencode.h"
#include "common/LineText.h"

namespace velmar {
namespace {

constexpr std::size_t kDisplayNameCapacity = 779;
constexpr std::size_t kExtensionLineLimit = 127;
constexpr std::size_t kExtensionListLimit = 1 << 20;

// Writes texts to the message and remembers whether every write succeeded.
class PartWriter {
public:
    explicit PartWriter(ByteSink& sink) : sink_(sink) {}
    void Put(std::string_view text) {
        if (ok_ && !text.empty()) ok_ = sink_.Write(text.data(), text.size());
    }
    void Fail() { ok_ = false; }
    [[nodiscard]] bool Ok() const { return ok_; }
    [[nodiscard]] ByteSink& Sink() { return sink_; }

private:
    ByteSink& sink_;
    bool ok_ = true;
};

std::string ReadAll(ByteSource& source, std::size_t limit) {
    std::string bytes;
    char buffer[4096];
    while (bytes.size() < limit) {
        const std::size_t got = source.Read(buffer, sizeof buffer);
        if (got == 0) break;
        bytes.append(buffer, got);
    }
    return bytes;
}

bool CopyAll(ByteSource& in, ByteSink& out, const std::function<void()>& onRefill) {
    std::string buffer(kStreamBufferSize, '\0');
    for (;;) {
        if (onRefill) onRefill();
        const std::size_t got = in.Read(buffer.data(), buffer.size());
        if (got == 0) return !in.Failed();
        if (!out.Write(buffer.data(), got)) return false;
    }
}

std::string ShownName(const AttachmentEntry& entry, const AttachmentPartOptions& options) {
    return options.nameInMessage ? options.nameInMessage(entry.displayName) : entry.displayName;
}

void WriteInlinePart(PartWriter& out, ByteSource& file, const AttachmentEntry& entry,
                     const AttachmentPartOptions& options) {
    TextModeSource text(file);
    out.Put("--");
    out.Put(options.boundary);
    out.Put("\n");
    out.Put("Content-Type: text/plain; name=" + QuotedParameter(EncodedDisplayName(ShownName(entry, options), options.codePage)) +
            "\n");
    out.Put("Content-Transfer-Encoding: 7bit\n\n");
    if (out.Ok() && !CopyAll(text, out.Sink(), options.onRefill)) out.Fail();
    out.Put("\n");
}

void WriteEncodedPart(PartWriter& out, ByteSource& file, const AttachmentEntry& entry,
                      const AttachmentPartOptions& options) {
    // Base64 carries a file's exact bytes, CR LF included; a uuencoded text file is read
    // as text.
    TextModeSource text(file);
    ByteSource& data = entry.isBinary || !options.uuencode ? file : static_cast<ByteSource&>(text);
    const std::string name = EncodedDisplayName(ShownName(entry, options), options.codePage);
    if (options.uuencode) {
        out.Put("begin 644 " + name + "\n");
        if (out.Ok() && !UuencodeStream(data, out.Sink(), options.onRefill)) out.Fail();
        out.Put("end\n\n");
        return;
    }
    out.Put("--");
    out.Put(options.boundary);
    out.Put("\n");
    out.Put(std::string("Content-Type: ") + (entry.isBinary ? "application/octet-stream" : "text/plain") +
            "; name=" + QuotedParameter(name) + "\n");
    out.Put("Content-Transfer-Encoding: base64\n\n");
    if (out.Ok() && !Base64EncodeStream(data, out.Sink(), options.onRefill)) out.Fail();
}

// What a whole read of an attachment the first kilobyte called text shows: whether every
// byte is text, and whether a line would read as this message's boundary.
struct TextScan {
    bool allText = true;
    bool boundaryLine = false;
};

TextScan ScanText(ByteSource& file, std::string_view boundary) {
    TextScan scan;
    const std::string marker = "--" + std::string(boundary);
    std::string lineStart;  // the first bytes of the current line, up to the marker's length
    bool atLineStart = true;
    std::array<char, kStreamBufferSize> buffer{};
    for (std::size_t got; (got = file.Read(buffer.data(), buffer.size())) > 0;) {
        for (std::size_t i = 0; i < got; ++i) {
            const char c = buffer[i];
            if (!IsTextByte(static_cast<unsigned char>(c))) scan.allText = false;
            if (c == '\n' || c == '\r') {
                atLineStart = true;
                lineStart.clear();
            } else if (atLineStart) {
                lineStart += c;
                if (lineStart == marker) scan.boundaryLine = true;
                if (lineStart.size() >= marker.size()) atLineStart = false;
            }
        }
        if (!scan.allText) break;
    }
    return scan;
}

}  // namespace

std::string_view FileExtension(std::string_view path) {
    const std::size_t dot = path.rfind('.');
    return dot == std::string_view::npos ? std::string_view() : path.substr(dot);
}

bool ExtensionListed(std::string_view list, std::string_view extension) {
    if (extension.empty()) return false;
    std::size_t pos = 0;
    while (pos < list.size()) {
        std::size_t end = list.find('\n', pos);
        const bool ended = end != std::string_view::npos;
        if (!ended) end = list.size();
        if (end - pos + (ended ? 1 : 0) >= kExtensionLineLimit) return false;
        std::string_view line = list.substr(pos, end - pos);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (EqualsNoCase(line, extension)) return true;
        pos = end + 1;
    }
    return false;
}

bool IsSpoolCopy(std::string_view path, std::string_view spoolDir) {
    if (spoolDir.empty() || path.size() <= spoolDir.size() || !StartsWithNoCase(path, spoolDir)) return false;
    const auto separator = [](char c) { return c == '\\' || c == '/'; };
    return separator(spoolDir.back()) || separator(path[spoolDir.size()]);
}

bool IsOwnSpoolCopy(std::string_view path, std::string_view spoolDir) {
    constexpr std::string_view suffix = kTempFileMark;
    return IsSpoolCopy(path, spoolDir) && path.size() >= suffix.size() &&
           EqualsNoCase(path.substr(path.size() - suffix.size()), suffix);
}

std::string EncodedDisplayName(std::string_view displayName, unsigned codePage) {
    std::string text(displayName);
    std::string name = EncodeWordWhole(text, kDisplayNameCapacity, codePage);
    TrimLineEnds(name);
    RemoveCarriageReturns(name);
    // A line break or NUL left inside would end the header line early.
    for (char& c : name)
        if (c == '\n' || c == '\0') c = ' ';
    return name;
}

std::string QuotedParameter(std::string_view value) {
    std::string quoted = "\"";
    for (char c : value) {
        if (c == '"' || c == '\\') quoted += '\\';
        quoted += c;
    }
    return quoted + "\"";
}

bool WriteAttachmentParts(AttachmentList& list, ByteSink& message, AttachmentFiles& files,
                          const AttachmentPartOptions& options) {
    PartWriter out(message);
    out.Put("\n");
    bool listRead = false;
    std::string extensionList;
    for (std::size_t i = 0; i < list.Count(); ++i) {
        const std::string_view extension = FileExtension(list.Entries()[i].path);
        if (!extension.empty() && !options.binextPath.empty()) {
            if (!listRead) {
                listRead = true;
                if (auto source = files.OpenForReading(options.binextPath))
                    extensionList = ReadAll(*source, kExtensionListLimit);
            }
            if (ExtensionListed(extensionList, extension)) list.MarkBinary(i);
        }
        // A file whose first kilobyte looked like text goes as text only when all of it is;
        // inline only when no line of it would end the part early.
        bool encodeText = false;
        if (!list.Entries()[i].isBinary) {
            auto whole = files.OpenForReading(list.Entries()[i].path);
            if (!whole) continue;
            const TextScan scan = ScanText(*whole, options.boundary);
            if (!scan.allText) list.MarkBinary(i);
            encodeText = scan.boundaryLine;
        }
        const AttachmentEntry& entry = list.Entries()[i];
        auto file = files.OpenForReading(entry.path);
        if (!file) continue;
        PartWriter part(message);
        if (!entry.isBinary && !encodeText && !options.optAttach && !options.uuencode)
            WriteInlinePart(part, *file, entry, options);
        else
            WriteEncodedPart(part, *file, entry, options);
        file.reset();
        if (!part.Ok()) {
            out.Fail();
            continue;
        }
        // Only a copy whose part is safely in the message may go.
        if (IsOwnSpoolCopy(entry.path, options.spoolDir)) files.Delete(entry.path);
    }
    return out.Ok();
}

}  // namespace velmar
