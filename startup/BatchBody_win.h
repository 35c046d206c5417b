// The body file of a batch send: copied, or encoded when it holds 8-bit text, into a
// temporary file in the spool directory, with the attachment parts and the closing MIME
// boundary after it.
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
};

// Whether the body file `path` is the sender's to consume: a name holding ".tmp", or a
// file in the spool directory (compared without regard to case).
[[nodiscard]] bool IsConsumedBodyFile(std::string_view path, std::string_view spoolDir);

// Prepares `body` for submission. On success body.path names the prepared temporary file.
// When no temporary file can be made, the given file is submitted as it is, marked as not
// encoded. Fails, with the text to show and nothing left behind, when the given body file
// cannot be read or the prepared file cannot be written.
Outcome PrepareBatchBody(BatchBody& body, AttachmentList& attachments, SettingsStore& settings,
                         const AppConfig& config, std::string_view boundary);

}  // namespace velmar
