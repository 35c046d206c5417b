// The steps of body preparation that the batch driver and the compose window's send share:
// temporary files in the spool directory, the 8-bit body's conversion, the parts appended
// after the body, and the submission with the writer's settings read for the sending user.
#pragma once

#include <string>
#include <string_view>

#include "common/BufferedFile_win.h"
#include "common/Outcome.h"
#include "config/AppConfig.h"
#include "config/ServerLibrary.h"
#include "config/SettingsStore.h"
#include "encoding/AttachmentList.h"
#include "message/MessageHeader.h"

namespace velmar {

// A new, empty file "tmp….tmp" in the spool directory; empty when none can be made.
[[nodiscard]] std::string NewSpoolTempFile(const std::string& spoolDir);

// Whether `path`, resolved to its full path, names a queue file ("Q…" or "D….GSC") directly
// in the spool directory: a message already queued, which must not be sent or consumed.
[[nodiscard]] bool IsSpoolQueueFile(std::string_view path, std::string_view spoolDir);

// The attachments that must not go out, checked before anything is written: a queued
// message of the spool directory ("A queued message cannot be attached: <path>") and a
// file that cannot be opened for reading now, missing, locked or a directory ("Cannot read
// the attachment <path>"). Both faces refuse the send with that text.
Outcome CheckAttachmentFiles(const AttachmentList& attachments, std::string_view spoolDir);

// Converts a body holding 8-bit text from `in` to `out`: to ISO-2022-JP when `charset`
// names it (compared without regard to case), else to quoted-printable, whose first line
// feed ends the header block in front of it. True when every read and write succeeded.
[[nodiscard]] bool EncodeBody(BufferedFile& in, BufferedFile& out, std::string_view charset);

// Converts the body file `path` with EncodeBody into a new temporary file of the spool
// directory and deletes `path`; `encodedPath` then names the new file. When no temporary
// file can be made or either file cannot be opened, `encodedPath` stays empty and `path`
// is left as it is (it goes out unencoded). Fails, with the new file removed and `path`
// kept, when a read or write of the conversion fails.
Outcome EncodeBodyFile(const std::string& path, std::string_view charset, const std::string& spoolDir,
                       std::string& encodedPath);

// Appends to the prepared body file `path`: the part of every attachment, then `trailer`
// (bytes as they are to land on disk), then, when the attachments go out as MIME parts
// (config.uuencode 0), the closing boundary. Without attachments only the trailer is
// written; with neither the file is not opened. Fails with "File send error of <path>"
// when the file cannot be opened or a write fails.
Outcome AppendMessageParts(const std::string& path, AttachmentList& attachments, SettingsStore& settings,
                           const AppConfig& config, std::string_view boundary, std::string_view trailer = {},
                           unsigned codePage = 0);

// SubmitMessage with the writer's settings read for the configured user and host
// (`senderName` shown beside the sender's address), the recipient directory over the
// settings store, the server library and the list files on disk. For a message in UTF-8
// (message.codePage 65001) the sender's name and the attachment names, which are in the
// ANSI code page, are converted to UTF-8 first.
Outcome SubmitWithStoredSettings(const MessageInput& message, const std::string& bodyPath, SettingsStore& settings,
                                 ServerLibrary& library, const AppConfig& config, std::string senderName,
                                 bool queueForLater);

}  // namespace velmar
