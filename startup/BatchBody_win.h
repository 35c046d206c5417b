// The body file of a batch send: encoded when it holds 8-bit text, or copied when
// attachments follow it, into a temporary file in the spool directory, with the attachment
// parts and the closing MIME boundary after it. A plain body with no attachments is
// submitted as it is.
#pragma once

#include <string>
#include <string_view>

#include "common/Outcome.h"
#include "config/AppConfig.h"
#include "config/SettingsStore.h"
#include "encoding/AttachmentList.h"

namespace velmar {

struct BatchBody {
    std::string path;         // in: the caller's body file (may be empty); out: the file to submit
    bool encoded = false;     // in: "-e" was given; out: the submitted body is encoded
    std::string charset;      // the body's charset; "ISO-2022-JP" converts instead of encoding
    bool temporary = false;   // out: path is a temporary file of ours, removed after the send
    unsigned codePage = 0;    // 65001 for a message in UTF-8 (attachment names converted); else 0
};

// Whether the body file `path` is the sender's to consume: a temporary file marked anywhere
// in its path (IsConsumedBody), or a file whose full path lies inside the spool directory
// (compared without regard to case).
[[nodiscard]] bool IsConsumedBodyFile(std::string_view path, std::string_view spoolDir);

// The files of a batch send that must not go out: an attachment path that was too long
// for its field (it would name another file), a body or attachment that is a queued
// message of the spool directory, an attachment that cannot be read (CheckAttachmentFiles).
Outcome CheckBatchFiles(std::string_view bodyPath, const AttachmentList& attachments, bool attachmentPathCut,
                        std::string_view spoolDir);

// Prepares `body` for submission. On success body.path names the prepared temporary file,
// or still the given file when it is plain text with no attachments after it. When no
// temporary file can be made, the given file is submitted as it is, marked as not encoded. Fails, with the text to show and nothing left behind, when the given body file
// cannot be read or the prepared file cannot be written.
Outcome PrepareBatchBody(BatchBody& body, AttachmentList& attachments, SettingsStore& settings,
                         const AppConfig& config, std::string_view boundary);

}  // namespace velmar
