#include "queue/PreparedBody_win.h"

#include <windows.h>

#include <array>

#include "common/Paths_win.h"
#include "common/Text.h"
#include "encoding/AttachmentFiles_win.h"
#include "encoding/AttachmentParts_win.h"
#include "encoding/QuotedPrintable_win.h"
#include "encoding/ShiftJis_win.h"
#include "message/MessagePlatform_win.h"
#include "queue/SpoolNames.h"
#include "queue/SubmitMessage_win.h"

namespace velmar {

namespace {

Outcome FileSendError(const std::string& path) { return Outcome::Failure("File send error of " + path); }

bool AppendBytes(const std::string& path, std::string_view bytes) {
    BufferedFile file;
    if (!file.Open(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, OPEN_EXISTING)) return false;
    const bool written = file.Write(bytes);
    return file.Close() && written;
}

}  // namespace

std::string NewSpoolTempFile(const std::string& spoolDir) {
    std::array<char, MAX_PATH + 1> tempPath{};
    if (GetTempFileNameA(spoolDir.c_str(), "tmp", 0, tempPath.data()) == 0) return {};
    return tempPath.data();
}

bool EncodeBody(BufferedFile& in, BufferedFile& out, std::string_view charset) {
    return EqualsNoCase(charset, "ISO-2022-JP") ? SjisToJisHandle(in, out) : QpEncodeHandle(in, out);
}

bool IsSpoolQueueFile(std::string_view path, std::string_view spoolDir) {
    if (spoolDir.empty() || path.empty()) return false;
    const std::string full = FullPathName(std::string(path));
    const std::size_t slash = full.find_last_of("\\/");
    if (slash == std::string::npos || !IsQueueFileName(std::string_view(full).substr(slash + 1))) return false;
    std::string dir = FullPathName(std::string(spoolDir));
    while (!dir.empty() && (dir.back() == '\\' || dir.back() == '/')) dir.pop_back();
    return EqualsNoCase(std::string_view(full).substr(0, slash), dir);
}

Outcome CheckAttachmentFiles(const AttachmentList& attachments, std::string_view spoolDir) {
    Win32AttachmentFiles files;
    for (const AttachmentEntry& entry : attachments.Entries()) {
        if (IsSpoolQueueFile(entry.path, spoolDir))
            return Outcome::Failure("A queued message cannot be attached: " + entry.path);
        if (!files.OpenForReading(entry.path)) return Outcome::Failure("Cannot read the attachment " + entry.path);
    }
    return Outcome::Success();
}

Outcome EncodeBodyFile(const std::string& path, std::string_view charset, const std::string& spoolDir,
                       std::string& encodedPath) {
    encodedPath.clear();
    const std::string temp = NewSpoolTempFile(spoolDir);
    if (temp.empty()) return Outcome::Success();
    bool written = false;
    {
        BufferedFile in, out;
        if (!in.Open(path.c_str()) || !out.Open(temp.c_str(), GENERIC_WRITE, FILE_SHARE_READ, CREATE_ALWAYS)) {
            DeleteFileA(temp.c_str());
            return Outcome::Success();
        }
        written = EncodeBody(in, out, charset);
        written = out.Close() && written;
    }
    if (!written) {
        DeleteFileA(temp.c_str());
        return FileSendError(temp);
    }
    DeleteFileA(path.c_str());
    encodedPath = temp;
    return Outcome::Success();
}

Outcome AppendMessageParts(const std::string& path, AttachmentList& attachments, SettingsStore& settings,
                           const AppConfig& config, std::string_view boundary, std::string_view trailer,
                           unsigned codePage) {
    if (!attachments.Empty() && !WriteAttachmentParts(attachments, settings, config, path, boundary, codePage))
        return FileSendError(path);
    std::string rest(trailer);
    if (!attachments.Empty() && config.uuencode == 0) rest += "\r\n--" + std::string(boundary) + "--\r\n";
    if (!rest.empty() && !AppendBytes(path, rest)) return FileSendError(path);
    return Outcome::Success();
}

Outcome SubmitWithStoredSettings(const MessageInput& message, const std::string& bodyPath, SettingsStore& settings,
                                 ServerLibrary& library, const AppConfig& config, std::string senderName,
                                 bool queueForLater) {
    // The stored name and the attachment names are in the ANSI code page: a UTF-8 message
    // gets them in UTF-8.
    const PlatformAnsiCodec codec;
    const WriterSettings writer =
        ReadWriterSettings(settings, config, AnsiInMessage(senderName, message.codePage, codec));
    Win32ListFiles listFiles;
    StoreDirectory directory(settings, library, listFiles);
    QueueContext queue{config, writer, directory, queueForLater};
    if (message.codePage != utf8CodePage) return SubmitMessage(message, bodyPath, queue);
    MessageInput converted = message;
    for (std::string& name : converted.attachmentNames) name = AnsiInMessage(name, utf8CodePage, codec);
    return SubmitMessage(converted, bodyPath, queue);
}

}  // namespace velmar
