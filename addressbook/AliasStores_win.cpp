#include "addressbook/AliasStores_win.h"

#include <array>

#include "addressbook/AddressEntry.h"
#include "addressbook/StoreFiles.h"
#include "common/FileStreams_win.h"
#include "common/ResourceStrings_win.h"
#include "common/Text.h"
#include "common/WholeFiles_win.h"
#include "common/WindowText_win.h"
#include "common/WinHandles_win.h"
#include "resources/resource.h"

namespace velmar {
namespace {

// Inserts `text` at the caret of an edit box.
void InsertAtCaret(HWND box, const std::string& text) {
    SendMessageA(box, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()));
}

}  // namespace

bool AddNameToListFile(const std::string& name, const std::string& path) {
    const std::string old = ReadFileBytes(path).value_or(std::string());
    const std::optional<std::string> bytes = NameIndexWith(old, name);
    if (!bytes) return false;
    // Appending leaves the lines the server may be reading in place.
    UniqueFile file(CreateFileA(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return false;
    HandleSink sink(file.Get());
    const std::string_view added = std::string_view(*bytes).substr(old.size());
    return sink.Write(added.data(), added.size()) && FlushFileBuffers(file.Get());
}

bool RemoveNameFromListFile(const std::string& name, const std::string& path, const FailureNotice& notice) {
    const std::optional<std::string> old = ReadFileBytes(path);
    if (!old) {
        notice(IDS_INDEX_OPEN_FAILED, path);
        return false;
    }
    const NameIndexRewrite rewrite = NameIndexWithout(*old, name);
    const std::string newPath = SiblingPath(path, ".new");
    if (!WriteNewFile(newPath, rewrite.bytes)) {
        notice(IDS_INDEX_OPEN_FAILED, newPath);
        return false;
    }
    if (!rewrite.seen) return false;
    const std::string backup = SiblingPath(path, ".bak");
    DeleteFileA(backup.c_str());
    return MoveFileA(path.c_str(), backup.c_str()) && MoveFileA(newPath.c_str(), path.c_str());
}

void LoadListContents(const std::string& path, HWND box) {
    if (const auto bytes = ReadFileBytes(path)) InsertAtCaret(box, ListFileToBoxText(*bytes));
}

void CopyRecipientsToContents(HWND box, const std::vector<std::string>& recipients) {
    for (const std::string& r : recipients) InsertAtCaret(box, r + "\r\n");
}

bool SaveListContents(HWND box, const std::string& aliasName, const std::string& path, const FailureNotice& notice) {
    const std::string text = WindowText(box);
    if (aliasName.empty() || path.empty() || text.empty()) return false;
    if (ReplaceFileSafely(path, text)) return true;
    notice(IDS_LIST_OPEN_FAILED, path);
    return false;
}

std::string Win32AliasStores::PersonalAliasPath() {
    return context_.config.usersDir + "\\" + context_.config.userId + "\\aliases.txt";
}

std::string Win32AliasStores::SharedAliasPath() {
    std::string shared;
    context_.settings.GetConfigString("_GLOBAL", "SHARED", "", shared, cap::sharedPath + 1, ProfileShared);
    return shared.empty() ? context_.config.cfgDir + "\\aliases.txt" : shared;
}

std::string Win32AliasStores::FileStamp(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return {};
    const auto number = [](DWORD high, DWORD low) { return std::to_string((std::uint64_t{high} << 32) | low); };
    return number(data.nFileSizeHigh, data.nFileSizeLow) + ":" +
           number(data.ftLastWriteTime.dwHighDateTime, data.ftLastWriteTime.dwLowDateTime);
}

std::vector<std::pair<std::string, std::string>> Win32AliasStores::ListServerAliases() {
    std::vector<std::pair<std::string, std::string>> aliases;
    UniqueRegKey key;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kAliasListKey, 0, KEY_READ, key.Put()) != ERROR_SUCCESS) return aliases;
    for (DWORD index = 0;; ++index) {
        std::array<char, 256> name{};
        std::array<char, 256> data{};
        DWORD nameSize = static_cast<DWORD>(name.size());
        DWORD dataSize = static_cast<DWORD>(data.size());
        DWORD type = 0;
        const LONG rc = RegEnumValueA(key.Get(), index, name.data(), &nameSize, nullptr, &type,
                                      reinterpret_cast<BYTE*>(data.data()), &dataSize);
        if (rc == ERROR_MORE_DATA) continue;  // a value too long for its area is left out
        if (rc != ERROR_SUCCESS) break;
        if (type != REG_SZ && type != REG_EXPAND_SZ) continue;
        aliases.emplace_back(std::string(TextInArea(name.data(), nameSize)),
                             std::string(TextInArea(data.data(), dataSize)));
    }
    return aliases;
}

std::string Win32AliasStores::ServerAliasTarget(const std::string& name) {
    std::string target;
    context_.settings.GetConfigString("_aliases", name, "", target, cap::aliasTarget, ProfileShared);
    return target;
}

void Win32AliasStores::PutServerAlias(const std::string& name, const char* target) {
    context_.settings.PutConfigString("_aliases", name, target);
}

std::string Win32AliasStores::FullName(const std::string& userId) {
    std::string fullName;
    context_.settings.GetConfigString(userId, "FULLNAME", "", fullName, cap::fullName + 1, ProfileShared);
    return fullName;
}

FailureNotice NoticeFor(const AddressBookContext& context, HWND owner) {
    if (context.notice) return context.notice;
    const HINSTANCE instance = context.instance;
    return [owner, instance](unsigned textId, const std::string& path) {
        const char* fallback = textId == IDS_OPEN_FAILED        ? "Open failed"
                               : textId == IDS_LIST_OPEN_FAILED ? "Failed to open the file!"
                                                                : "failed to open";
        const std::string text = LoadResourceString(instance, textId, 255, fallback);
        HWND shownOver = owner != nullptr ? owner : GetActiveWindow();
        if (textId == IDS_OPEN_FAILED)
            MessageBoxA(shownOver, path.c_str(), text.c_str(), MB_OK | MB_ICONERROR);
        else
            MessageBoxA(shownOver, text.c_str(), path.c_str(), MB_OK | MB_ICONERROR);
    };
}

}  // namespace velmar
