#include "startup/BatchBody_win.h"

#include <windows.h>

#include <array>
#include <vector>

#include "common/BufferedFile_win.h"
#include "common/ByteSearch.h"
#include "common/Paths_win.h"
#include "common/Text.h"
#include "encoding/AttachmentParts.h"
#include "queue/ConsumedBody.h"
#include "queue/PreparedBody_win.h"

namespace velmar {

namespace {

// Copies the body in large blocks, every byte kept (a NUL byte included), up to the byte
// 0x1A, where a text file ends: the queue's text-mode copy of the body would stop there and
// lose the attachment parts written after it. A read failure ends the copy, as it ends a
// text-mode read.
bool CopyBody(BufferedFile& in, BufferedFile& out) {
    BufferedFileSource source(in);
    std::vector<char> block(kStreamBufferSize);
    for (std::size_t n; (n = source.Read(block.data(), block.size())) > 0;) {
        const std::string_view bytes(block.data(), n);
        const std::size_t end = FindByte(bytes, '\x1A');
        if (!out.Write(bytes.substr(0, end))) return false;
        if (end != std::string_view::npos) return true;
    }
    return true;
}

}  // namespace

bool IsConsumedBodyFile(std::string_view path, std::string_view spoolDir) {
    if (IsConsumedBody(path, TmpMark::Anywhere)) return true;
    if (spoolDir.empty()) return false;
    return IsSpoolCopy(FullPathName(std::string(path)), FullPathName(std::string(spoolDir)));
}

Outcome CheckBatchFiles(std::string_view bodyPath, const AttachmentList& attachments, bool attachmentPathCut,
                        std::string_view spoolDir) {
    if (attachmentPathCut) return Outcome::Failure("An attachment file name is too long");
    if (IsSpoolQueueFile(bodyPath, spoolDir))
        return Outcome::Failure("A queued message cannot be sent as a body: " + std::string(bodyPath));
    return CheckAttachmentFiles(attachments, spoolDir);
}

Outcome PrepareBatchBody(BatchBody& body, AttachmentList& attachments, SettingsStore& settings,
                         const AppConfig& config, std::string_view boundary) {
    body.temporary = false;
    if (!body.encoded && !body.path.empty()) body.encoded = FileHasEightBit(body.path.c_str());
    if (!body.encoded && !body.path.empty() && attachments.Empty()) {
        // A plain body with nothing after it goes to the queue as it is: the queue's
        // text-mode copy into the data file is the only copy made.
        BufferedFile in;
        if (!in.Open(body.path.c_str())) return Outcome::Failure("Cannot read the body file " + body.path);
        return Outcome::Success();
    }
    const std::string temp = NewSpoolTempFile(config.spoolDir);
    if (temp.empty()) {
        // No temporary file: the body goes as it is, unencoded.
        body.encoded = false;
        return Outcome::Success();
    }
    auto fail = [&](std::string text) {
        DeleteFileA(temp.c_str());
        return Outcome::Failure(std::move(text));
    };

    {
        BufferedFile out;
        if (!out.Open(temp.c_str(), GENERIC_WRITE, FILE_SHARE_READ, CREATE_ALWAYS)) {
            DeleteFileA(temp.c_str());
            body.encoded = false;
            return Outcome::Success();
        }
        bool written = true;
        if (!body.path.empty()) {
            BufferedFile in;
            if (!in.Open(body.path.c_str())) {
                (void)out.Close();
                return fail("Cannot read the body file " + body.path);
            }
            if (!body.encoded) {
                written = CopyBody(in, out);
            } else {
                if (!attachments.Empty()) written = out.Write("\r\n");
                if (written) written = EncodeBody(in, out, body.charset);
            }
        } else {
            // No body file at all: an empty body.
            body.encoded = false;
        }
        if (!out.Close() || !written) return fail("File send error of " + temp);
    }

    if (Outcome appended = AppendMessageParts(temp, attachments, settings, config, boundary, {}, body.codePage); !appended)
        return fail(std::move(appended.failure));
    body.path = temp;
    body.temporary = true;
    return Outcome::Success();
}

}  // namespace velmar
