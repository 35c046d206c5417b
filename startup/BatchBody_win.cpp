#include "startup/BatchBody_win.h"

#include <windows.h>

#include <array>

#include "common/Text.h"
#include "encoding/AttachmentParts_win.h"
#include "encoding/QuotedPrintable_win.h"
#include "encoding/ShiftJis_win.h"
#include "common/BufferedFile_win.h"

namespace velmar {

namespace {

// Copies the body piece by piece as it is read, every byte kept (a NUL byte included).
bool CopyBody(BufferedFile& in, BufferedFile& out) {
    std::array<char, 128> piece{};
    for (;;) {
        const int n = ReadBufferedLine(in, piece.data(), piece.size());
        if (n < 1) return true;
        if (!WriteBuffered(out, piece.data(), n)) return false;
    }
}

bool AppendClosingBoundary(const std::string& path, std::string_view boundary) {
    BufferedFile file;
    if (!OpenBufferedFile(file, path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, OPEN_EXISTING)) return false;
    const std::string closing = "\r\n--" + std::string(boundary) + "--\r\n";
    const bool written = WriteBuffered(file, closing);
    return CloseBufferedFile(file) && written;
}

}  // namespace

bool IsConsumedBodyFile(std::string_view path, std::string_view spoolDir) {
    if (path.find(".tmp") != std::string_view::npos) return true;
    return !spoolDir.empty() && path.size() >= spoolDir.size() && EqualsNoCase(path.substr(0, spoolDir.size()), spoolDir);
}

Outcome PrepareBatchBody(BatchBody& body, AttachmentList& attachments, SettingsStore& settings,
                         const AppConfig& config, std::string_view boundary) {
    body.temporary = false;
    std::array<char, MAX_PATH + 1> tempPath{};
    if (GetTempFileNameA(config.spoolDir.c_str(), "tmp", 0, tempPath.data()) == 0) {
        // No temporary file: the body goes as it is, unencoded.
        body.encoded = false;
        return Outcome::Success();
    }
    const std::string temp = tempPath.data();
    auto fail = [&](std::string text) {
        DeleteFileA(temp.c_str());
        return Outcome::Failure(std::move(text));
    };

    if (!body.encoded && !body.path.empty()) body.encoded = FileHasEightBit(body.path.c_str());

    {
        BufferedFile out;
        if (!OpenBufferedFile(out, temp.c_str(), GENERIC_WRITE, FILE_SHARE_READ, CREATE_ALWAYS)) {
            DeleteFileA(temp.c_str());
            body.encoded = false;
            return Outcome::Success();
        }
        bool written = true;
        if (!body.path.empty()) {
            BufferedFile in;
            if (!OpenBufferedFile(in, body.path.c_str())) {
                CloseBufferedFile(out);
                return fail("Cannot read the body file " + body.path);
            }
            if (!body.encoded) {
                written = CopyBody(in, out);
            } else {
                if (!attachments.Empty()) written = WriteBuffered(out, "\r\n");
                if (written)
                    written = EqualsNoCase(body.charset, "ISO-2022-JP") ? SjisToJisHandle(in, out)
                                                                        : QpEncodeHandle(in, out);
            }
        } else {
            // No body file at all: an empty body.
            body.encoded = false;
        }
        if (!CloseBufferedFile(out) || !written) return fail("File send error of " + temp);
    }

    if (!attachments.Empty()) {
        if (!WriteAttachmentParts(attachments, settings, config, temp, boundary))
            return fail("File send error of " + temp);
        if (config.uuencode == 0 && !AppendClosingBoundary(temp, boundary)) return fail("File send error of " + temp);
    }
    body.path = temp;
    body.temporary = true;
    return Outcome::Success();
}

}  // namespace velmar
