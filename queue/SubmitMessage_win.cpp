#include "queue/SubmitMessage_win.h"

#include <windows.h>

#include <array>
#include <ctime>

#include "common/FileStreams_win.h"
#include "common/ResourceStrings_win.h"
#include "common/RunDetached_win.h"
#include "common/Text.h"
#include "common/TextMode.h"
#include "common/WinHandles_win.h"
#include "message/MessagePlatform_win.h"
#include "queue/ConsumedBody.h"
#include "queue/DeliveryPipe_win.h"
#include "queue/SpoolNames.h"

namespace velmar {

namespace {

constexpr UINT idsFileSendError = 11465;
constexpr std::size_t bodyPathCapacity = 143;
constexpr std::size_t failureCapacity = 511;
constexpr std::size_t commandCapacity = 511;

bool FileExists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

std::uint64_t CandidateNumber(std::uint32_t tick) {
    return SpoolNumber(static_cast<std::uint64_t>(std::time(nullptr)), GetCurrentThreadId(), tick);
}

// Appends the body file to the data file as the platform's text mode copies text: CR LF
// stays, a lone LF becomes CR LF, and the byte 0x1A ends the body.
bool AppendBody(HANDLE data, const std::string& bodyPath) {
    UniqueFile body(CreateFileA(bodyPath.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!body) return false;
    HandleSource in(body.Get());
    HandleSink out(data);
    return CopyAsTextMode(in, out);
}

bool WriteAll(HANDLE file, std::string_view bytes) {
    HandleSink sink(file);
    return sink.Write(bytes.data(), bytes.size());
}

void Notify(const std::string& controlPath, QueueContext& context) {
    const AppConfig& config = context.config;
    std::string lowerName = config.sendName;
    for (char& c : lowerName) c = AsciiLower(c);
    if (lowerName.find("mqsend") != std::string::npos) {
        NotifyDeliveryPipe(controlPath);
        return;
    }
    const std::string command =
        CutCopy(config.sendName + (config.optVerify != 0 ? " -v " : " ") + controlPath, commandCapacity);
    RunDetached(command, config.verbose != 0 ? SW_SHOWNORMAL : SW_SHOWMINNOACTIVE);
}

}  // namespace

Outcome SubmitMessage(const MessageInput& message, const std::string& bodyPathIn, QueueContext& context) {
    const std::string bodyPath = CutCopy(bodyPathIn, bodyPathCapacity);
    const std::string& spoolDir = context.config.spoolDir;
    std::string created;  // the data file, once it exists
    UniqueFile data;
    auto fail = [&] {
        data.Reset();
        if (!created.empty()) DeleteFileA(created.c_str());
        const std::string format =
            LoadResourceString(GetModuleHandleA(nullptr), idsFileSendError, 255, "File send error of %s");
        return Outcome::Failure(FormatWithText(format, bodyPath, failureCapacity));
    };
    if (spoolDir.empty() || spoolDir.size() > maxSpoolDirLength) return fail();

    // The control file's name: the first candidate that no file holds.
    std::uint32_t tick = GetTickCount();
    std::string controlPath = MakeSpoolName(spoolDir, 'Q', CandidateNumber(tick));
    int retries = spoolNameRetries;
    while (FileExists(controlPath)) {
        if (retries < 1) return fail();
        tick = NextSpoolTick(tick, retries--);
        controlPath = MakeSpoolName(spoolDir, 'Q', CandidateNumber(tick));
    }

    // The data file's name, claimed by creating the file exclusively.
    std::uint64_t dataNumber = CandidateNumber(tick);
    std::string dataPath = MakeSpoolName(spoolDir, 'D', dataNumber);
    for (retries = spoolNameRetries;;) {
        data = UniqueFile(CreateFileA(dataPath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL,
                                      nullptr));
        if (data) break;
        if (GetLastError() != ERROR_FILE_EXISTS && GetLastError() != ERROR_ALREADY_EXISTS) return fail();
        if (retries < 1) return fail();
        tick = NextSpoolTick(tick, retries--);
        dataNumber = CandidateNumber(tick);
        dataPath = MakeSpoolName(spoolDir, 'D', dataNumber);
    }
    created = dataPath;

    // The data file: header block, then the body, on disk before the control file exists.
    const WritingMoment moment{GetACP(), CurrentLocalTime(), CurrentZone(), dataNumber};
    const MessageFileBytes files = FormatMessageFiles(message, context.writer, context.directory, moment, dataPath);
    if (!WriteAll(data.Get(), files.data) || !AppendBody(data.Get(), bodyPath) || !FlushFileBuffers(data.Get()))
        return fail();
    data.Reset();

    // The control file, written under a temporary name and then given a free "Q" name; a
    // rename never replaces an existing file.
    std::array<char, MAX_PATH + 1> tempPath{};
    if (GetTempFileNameA(spoolDir.c_str(), "tmp", 0, tempPath.data()) == 0) return fail();
    {
        UniqueFile control(CreateFileA(tempPath.data(), GENERIC_WRITE, 0, nullptr, TRUNCATE_EXISTING,
                                       FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!control || !WriteAll(control.Get(), files.control) || !FlushFileBuffers(control.Get())) {
            control.Reset();
            DeleteFileA(tempPath.data());
            return fail();
        }
    }
    for (retries = spoolNameRetries;;) {
        if (MoveFileExA(tempPath.data(), controlPath.c_str(), MOVEFILE_WRITE_THROUGH)) break;
        const DWORD error = GetLastError();
        if ((error != ERROR_ALREADY_EXISTS && error != ERROR_FILE_EXISTS) || retries < 1) {
            DeleteFileA(tempPath.data());
            return fail();
        }
        tick = NextSpoolTick(tick, retries--);
        controlPath = MakeSpoolName(spoolDir, 'Q', CandidateNumber(tick));
    }

    if (!context.queueForLater) Notify(controlPath, context);
    if (IsConsumedBody(bodyPath)) DeleteFileA(bodyPath.c_str());
    return Outcome::Success();
}

}  // namespace velmar
