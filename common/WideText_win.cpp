#include "common/WideText_win.h"

namespace velmar {

namespace {

std::string FromWide(UINT codePage, DWORD flags, std::wstring_view text, BOOL* usedDefault) {
    if (text.empty()) return {};
    const int length = static_cast<int>(text.size());
    const int size = WideCharToMultiByte(codePage, flags, text.data(), length, nullptr, 0, nullptr, usedDefault);
    std::string out(static_cast<std::size_t>(size > 0 ? size : 0), '\0');
    if (size > 0) WideCharToMultiByte(codePage, flags, text.data(), length, out.data(), size, nullptr, usedDefault);
    return out;
}

std::wstring ToWide(UINT codePage, std::string_view bytes) {
    if (bytes.empty()) return {};
    const int length = static_cast<int>(bytes.size());
    const int size = MultiByteToWideChar(codePage, 0, bytes.data(), length, nullptr, 0);
    std::wstring out(static_cast<std::size_t>(size > 0 ? size : 0), L'\0');
    if (size > 0) MultiByteToWideChar(codePage, 0, bytes.data(), length, out.data(), size);
    return out;
}

}  // namespace

std::string WideToUtf8(std::wstring_view text) { return FromWide(CP_UTF8, 0, text, nullptr); }

std::wstring Utf8ToWide(std::string_view text) { return ToWide(CP_UTF8, text); }

std::wstring AnsiToWide(std::string_view bytes) { return ToWide(CP_ACP, bytes); }

std::optional<std::string> WideToAnsiExact(std::wstring_view text) {
    if (GetACP() == CP_UTF8) return WideToUtf8(text);
    BOOL usedDefault = FALSE;
    std::string bytes = FromWide(CP_ACP, WC_NO_BEST_FIT_CHARS, text, &usedDefault);
    // The way back must give the same text: no look-alike slipped through.
    if (usedDefault || AnsiToWide(bytes) != text) return std::nullopt;
    return bytes;
}

std::wstring CharactersBeyondAnsi(std::wstring_view text) {
    std::wstring beyond;
    for (std::size_t i = 0; i < text.size();) {
        const bool pair = text[i] >= 0xD800 && text[i] <= 0xDBFF && i + 1 < text.size();
        const std::wstring_view character = text.substr(i, pair ? 2 : 1);
        i += character.size();
        if (WideToAnsiExact(character)) continue;
        if (beyond.find(character) != std::wstring::npos) continue;
        if (!beyond.empty()) beyond += L' ';
        beyond += character;
    }
    return beyond;
}

std::string AnsiPathOf(std::string_view utf8Path) {
    const std::wstring path = Utf8ToWide(utf8Path);
    if (std::optional<std::string> ansi = WideToAnsiExact(path)) return *ansi;
    const DWORD size = GetShortPathNameW(path.c_str(), nullptr, 0);
    if (size > 0) {
        std::wstring shortPath(size, L'\0');
        const DWORD got = GetShortPathNameW(path.c_str(), shortPath.data(), size);
        shortPath.resize(got < size ? got : 0);
        if (std::optional<std::string> ansi = WideToAnsiExact(shortPath); ansi && !shortPath.empty()) return *ansi;
    }
    return FromWide(CP_ACP, 0, path, nullptr);
}

}  // namespace velmar
