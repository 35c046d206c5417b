// Loading the body from a file, saving it to one, and pasting a whole file through the
// clipboard.
#include <windows.h>
#include <cderr.h>
#include <commdlg.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <new>
#include <optional>

#include "common/FileStreams_win.h"
#include "common/ResourceStrings_win.h"
#include "common/WholeFiles_win.h"
#include "common/WideText_win.h"
#include "common/WinHandles_win.h"
#include "common/WindowText_win.h"
#include "compose/BodyOps_win.h"
#include "compose/BodyText.h"
#include "compose/WindowTexts.h"
#include "encoding/AttachmentParts_win.h"
#include "encoding/UnicodeText.h"
#include "queue/ConsumedBody.h"
#include "resources/resource.h"

namespace velmar {
namespace {

constexpr std::size_t kMessageChars = 255;

// Shared by the Load, Save As and Paste File dialogs, so each opens with the name chosen
// last.
std::array<char, kFileNameCapacity + 1> fileNameBuffer{};

std::string WindowString(const ComposeWindow& w, int id) {
    return LoadResourceString(w.context.instance, static_cast<unsigned>(id), kMessageChars, WindowTextFallback(id));
}

void ShowBox(const ComposeWindow& w, const std::string& text, const std::string& caption, UINT style) {
    MessageBoxA(w.window, text.c_str(), caption.c_str(), style);
}

void ShowOpenFailed(const ComposeWindow& w, const std::string& path, const std::string& caption) {
    ShowBox(w, WindowString(w, IDS_OPEN_FAILED) + "\n" + path, caption, MB_OK | MB_ICONEXCLAMATION);
}

// Asks for a file with the shared file name. Empty when the user cancelled, or when the
// chosen path does not fit the name (the user is told so: a cut name would open a
// different file).
std::optional<std::string> ChooseFile(ComposeWindow& w, bool save, int filterId, int titleId) {
    const std::string filter = FilterList(WindowString(w, filterId));
    const std::string title = WindowString(w, titleId);
    std::array<char, kFileNameCapacity + 1> directory{};
    const DWORD dirLength = GetCurrentDirectoryA(static_cast<DWORD>(directory.size()), directory.data());
    if (dirLength >= directory.size()) directory[0] = '\0';  // too long: the dialog picks its own

    OPENFILENAMEA dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = w.window;
    dialog.lpstrFilter = filter.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = fileNameBuffer.data();
    dialog.nMaxFile = static_cast<DWORD>(fileNameBuffer.size());
    dialog.lpstrInitialDir = directory[0] != '\0' ? directory.data() : nullptr;
    dialog.lpstrTitle = title.c_str();
    dialog.Flags = save ? OFN_OVERWRITEPROMPT : OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST;
    const BOOL chosen = save ? GetSaveFileNameA(&dialog) : GetOpenFileNameA(&dialog);
    if (!chosen) {
        if (CommDlgExtendedError() == FNERR_BUFFERTOOSMALL) {
            fileNameBuffer[0] = '\0';
            ShowWindowText(w, IDS_NAME_TOO_LONG, MB_OK | MB_ICONEXCLAMATION);
        }
        return std::nullopt;
    }
    std::string path(TextInArea(fileNameBuffer.data(), fileNameBuffer.size()));
    if (!FitsFileName(path)) return std::nullopt;
    return path;
}

enum class ReadStatus { Ok, OpenFailed, NoMemory };

// The first `limit` bytes of the file (all of them when it is shorter); `size` receives
// the file's whole size.
ReadStatus ReadFileStart(const std::string& path, std::uint64_t limit, std::string& bytes, std::uint64_t& size) {
    UniqueFile file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    LARGE_INTEGER fileSize{};
    if (!file || !GetFileSizeEx(file.Get(), &fileSize)) return ReadStatus::OpenFailed;
    size = static_cast<std::uint64_t>(fileSize.QuadPart);
    try {
        bytes.assign(static_cast<std::size_t>(std::min(size, limit)), '\0');
    } catch (const std::bad_alloc&) {
        return ReadStatus::NoMemory;
    }
    HandleSource source(file.Get());
    std::size_t got = 0;
    while (got < bytes.size()) {
        const std::size_t n = source.Read(bytes.data() + got, bytes.size() - got);
        if (n == 0) break;
        got += n;
    }
    if (source.Failed()) return ReadStatus::OpenFailed;
    bytes.resize(got);  // a file that shrank meanwhile gives what it still holds
    return ReadStatus::Ok;
}

// The text an edit control gets for the file bytes read: UTF-8 for a file that starts with
// a byte-order mark, else the file's bytes in the ANSI code page.
ReadStatus ConvertForEditControl(const std::string& bytes, std::string& text) {
    try {
        text = TextForEditControl(DetectBom(bytes) != TextBom::None ? Utf8OfMarkedFile(bytes) : bytes);
    } catch (const std::bad_alloc&) {
        return ReadStatus::NoMemory;
    }
    return ReadStatus::Ok;
}

void LoadBody(ComposeWindow& w) {
    std::optional<std::string> path = ChooseFile(w, false, IDS_MESSAGE_FILTER, IDS_LOAD_TITLE);
    if (!path || w.Body() == nullptr) return;
    IncludeFileText(w, w.Body(), *path);
    if (path->empty()) fileNameBuffer[0] = '\0';  // the file was consumed
}

void SaveBodyAs(ComposeWindow& w) {
    std::optional<std::string> path = ChooseFile(w, true, IDS_MESSAGE_FILTER, IDS_SAVE_TITLE);
    if (path && w.Body() != nullptr) (void)WriteBodyToFile(w, *path);
}

void PasteFile(ComposeWindow& w) {
    HWND field = w.CurrentField();
    if (field == nullptr) return;
    SendMessageA(field, EM_EMPTYUNDOBUFFER, 0, 0);
    if (ImportFileToClipboard(w)) PasteClipboard(field);
}

}  // namespace

void ShowWindowText(ComposeWindow& w, int textId, UINT style, int captionId) {
    const std::string caption = captionId != 0 ? WindowString(w, captionId) : w.context.appTitle;
    ShowBox(w, WindowString(w, textId), caption, style);
}

IncludeResult IncludeFileText(ComposeWindow& w, HWND field, std::string& path) {
    std::string bytes;
    std::uint64_t size = 0;
    ReadStatus status = ReadFileStart(path, kIncludeLimit, bytes, size);
    if (status == ReadStatus::Ok && PlanInclude(size).tooLong &&
        MessageBoxA(w.window, WindowString(w, IDS_INCLUDE_TRUNCATED).c_str(), w.context.appTitle.c_str(),
                    MB_YESNO | MB_ICONSTOP) == IDYES) {
        ComposeContext& c = w.context;
        if (!AddAttachment(c.draft.attachments, c.settings, c.config, path, DisplayNameOfPath(path, GetACP()))) {
            ShowWindowText(w, IDS_ALLOC_FAILED, MB_OK | MB_ICONEXCLAMATION);
            return IncludeResult::Unchanged;
        }
        ShowAttachmentList(w);
        return IncludeResult::Attached;
    }
    std::string text;
    if (status == ReadStatus::Ok) status = ConvertForEditControl(bytes, text);
    if (status == ReadStatus::OpenFailed) {
        ShowOpenFailed(w, path, w.context.appTitle);
        return IncludeResult::Unchanged;
    }
    if (status == ReadStatus::NoMemory) {
        ShowWindowText(w, IDS_ALLOC_FAILED, MB_OK | MB_ICONEXCLAMATION);
        return IncludeResult::Unchanged;
    }
    // A file with a byte-order mark is Unicode text; any other is in the ANSI code page.
    if (DetectBom(bytes) != TextBom::None) SetWindowTextW(field, Utf8ToWide(text).c_str());
    else SetWindowTextA(field, text.c_str());
    if (IsConsumedBody(path)) {
        DeleteFileA(path.c_str());
        path.clear();
    }
    return IncludeResult::Loaded;
}

bool WriteBodyToFile(ComposeWindow& w, const std::string& path) {
    std::string text;
    try {
        // The ANSI code page's bytes when the text fits it, else UTF-8 behind its mark.
        const std::wstring typed = WindowTextW(w.Body());
        std::optional<std::string> ansi = WideToAnsiExact(typed);
        text = ansi ? std::move(*ansi) : std::string(utf8Bom) + WideToUtf8(typed);
    } catch (const std::bad_alloc&) {
        ShowWindowText(w, IDS_ALLOC_FAILED, MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    if (!ReplaceFileSafely(path, text)) {
        ShowOpenFailed(w, path, w.context.appTitle);
        return false;
    }
    return true;
}

bool ImportFileToClipboard(ComposeWindow& w) {
    if (OpenClipboard(w.window)) {
        EmptyClipboard();
        CloseClipboard();
    }
    const std::optional<std::string> path = ChooseFile(w, false, IDS_TEXT_FILTER, IDS_IMPORT_TITLE);
    if (!path) return false;
    std::string bytes;
    std::uint64_t size = 0;
    std::string text;
    ReadStatus status = ReadFileStart(*path, UINT64_MAX, bytes, size);
    if (status == ReadStatus::Ok) status = ConvertForEditControl(bytes, text);
    if (status == ReadStatus::OpenFailed) {
        ShowOpenFailed(w, *path, WindowString(w, IDS_PASTE_FILE_CAPTION));
        return false;
    }
    // A Unicode file goes on the clipboard as Unicode text.
    const bool unicode = DetectBom(bytes) != TextBom::None;
    std::wstring wide;
    if (unicode && status == ReadStatus::Ok) {
        wide = Utf8ToWide(text);
        text.assign(reinterpret_cast<const char*>(wide.data()), wide.size() * sizeof(wchar_t));
    }
    HGLOBAL memory = status == ReadStatus::Ok ? GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, text.size() + 2) : nullptr;
    if (memory == nullptr) {
        ShowWindowText(w, IDS_PASTE_ALLOC_FAILED, MB_OK | MB_ICONEXCLAMATION, IDS_PASTE_FILE_CAPTION);
        return false;
    }
    char* target = static_cast<char*>(GlobalLock(memory));
    if (target == nullptr) {
        ShowWindowText(w, IDS_PASTE_LOCK_FAILED, MB_OK | MB_ICONEXCLAMATION, IDS_PASTE_FILE_CAPTION);
        GlobalFree(memory);
        return false;
    }
    CopyMemory(target, text.data(), text.size());
    target[text.size()] = '\0';
    target[text.size() + 1] = '\0';
    GlobalUnlock(memory);
    bool handedOver = false;
    if (OpenClipboard(w.window)) {
        EmptyClipboard();
        handedOver = SetClipboardData(unicode ? CF_UNICODETEXT : CF_TEXT, memory) != nullptr;
        CloseClipboard();
    }
    if (!handedOver) GlobalFree(memory);
    return handedOver;
}

void RunBodyFileCommand(ComposeWindow& w, int id) {
    switch (id) {
    case IDM_LOAD: LoadBody(w); break;
    case IDM_SAVE_AS: SaveBodyAs(w); break;
    case IDM_PASTE_FILE: PasteFile(w); break;
    default: break;
    }
}

}  // namespace velmar
