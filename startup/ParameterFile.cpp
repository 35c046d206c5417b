#include "startup/ParameterFile.h"

#include "common/Text.h"
#include "common/TextMode.h"
#include "encoding/AttachmentList.h"
#include "encoding/Charset.h"

namespace velmar {

namespace {

// The first "::" of `line` that starts at a character boundary.
std::size_t FindDisplayNameMark(std::string_view line, unsigned codePage) {
    for (std::size_t i = 0; i + 1 < line.size(); ++i) {
        const auto c = static_cast<unsigned char>(line[i]);
        if (IsLeadByte(codePage, c)) {
            ++i;
            continue;
        }
        if (c == ':' && line[i + 1] == ':') return i;
    }
    return std::string_view::npos;
}

// Each backslash-n pair becomes a line feed; a backslash before anything else stays,
// together with the character after it.
std::string RawHeaderText(std::string_view value) {
    std::string text;
    text.reserve(value.size());
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] == '\\' && i + 1 < value.size()) {
            if (value[i + 1] == 'n') {
                text += '\n';
            } else {
                text += value[i];
                text += value[i + 1];
            }
            ++i;
        } else {
            text += value[i];
        }
    }
    return text;
}

}  // namespace

bool ReadWholeLine(ByteReader& in, std::string& line) {
    line.clear();
    int c = in.Get();
    if (c < 0) return false;
    while (c >= 0) {
        line += static_cast<char>(c);
        if (c == '\n') break;
        c = in.Get();
    }
    return true;
}

void CutLineEnd(std::string& text) {
    for (char end : {'\n', '\r'})
        if (const auto at = text.find(end); at != std::string::npos) text.erase(at);
}

void ApplyParameterLine(std::string_view line, ParsedCommandLine& parsed, unsigned codePage) {
    // A NUL ends the line's value, as a line break does.
    line = line.substr(0, line.find('\0'));
    auto starts = [&](std::string_view key) { return line.substr(0, key.size()) == key; };
    auto value = [&](std::string_view key) { return line.substr(key.size()); };
    CommandRequest& request = parsed.request;

    auto setBodyPath = [&](std::string_view path) {
        request.bodyPath = CutCopy(path, cap::bodyPath);
        request.bodyPathCut = path.size() > cap::bodyPath;
    };
    if (starts("I:")) {
        setBodyPath(value("I:"));
    } else if (starts("R:")) {
        parsed.rawHeaderLines.push_back(RawHeaderText(value("R:")));
    } else if (starts("F:")) {
        setBodyPath(value("F:"));
        request.sendNow = true;
    } else if (starts("S:")) {
        parsed.fields.subject = CutCopy(value("S:"), cap::subjectField);
    } else if (starts("T:")) {
        request.toText = std::string(value("T:"));
        request.toGiven = true;
    } else if (starts("C:")) {
        request.ccText = std::string(value("C:"));
    } else if (starts("B:")) {
        request.bccText = std::string(value("B:"));
    } else if (starts("U:")) {
        parsed.userId = CutCopy(value("U:"), cap::userOverride);
    } else if (starts("A:")) {
        // The first "::" of the whole line ends the path; the display name follows it.
        std::string_view whole = line;
        std::optional<std::string> name;
        const std::size_t mark = FindDisplayNameMark(whole, codePage);
        if (mark != std::string_view::npos) {
            name = std::string(whole.substr(mark + 2));
            whole = whole.substr(0, mark);
        }
        AttachmentRequest attachment;
        attachment.path = whole.size() > 2 ? CutCopy(whole.substr(2), cap::attachPath) : std::string();
        attachment.pathCut = whole.size() > 2 + cap::attachPath;
        if (attachment.path.empty()) return;  // names no file
        attachment.displayName = name.has_value() ? *name : DisplayNameOfPath(attachment.path, codePage);
        if (attachment.displayName.empty()) attachment.displayName = attachment.path;
        parsed.attachments.push_back(std::move(attachment));
    } else if (starts("H:")) {
        parsed.hostName = CutCopy(value("H:"), cap::hostOverride);
    } else if (starts("LS:")) {
        request.headerCharset = CutCopy(value("LS:"), cap::charsetName);
    } else if (starts("LB:")) {
        request.bodyCharset = CutCopy(value("LB:"), cap::charsetName);
    }
}

void ReadParameterFile(ByteSource& file, ParsedCommandLine& parsed, unsigned codePage) {
    TextModeSource text(file);
    ByteReader in(text);
    std::string line;
    while (ReadWholeLine(in, line)) {
        CutLineEnd(line);
        ApplyParameterLine(line, parsed, codePage);
    }
}

}  // namespace velmar
