#include "encoding/Charset.h"

#include <array>
#include <cstdint>

namespace velmar {

namespace {

// The Windows code pages whose ISO label names other characters for some of their bytes;
// bit n of `beyond` marks the byte 0x80 + n.
struct WindowsPage {
    unsigned codePage;
    const char* name;
    std::array<std::uint32_t, 4> beyond;
};

constexpr WindowsPage kWindowsPages[] = {
    {1250, "windows-1250", {0xFFFFFFFFu, 0x5AE25A62u, 0x00000000u, 0x00000000u}},
    {1251, "windows-1251", {0xFFFFFFFFu, 0xFFFFDFFEu, 0xFFFFFFFFu, 0xFFFFFFFFu}},
    {1252, "windows-1252", {0xFFFFFFFFu, 0x00000000u, 0x00000000u, 0x00000000u}},
    {1253, "windows-1253", {0xFFFFFFFFu, 0x00604436u, 0x00040000u, 0x80000000u}},
    {1254, "windows-1254", {0xFFFFFFFFu, 0x00000000u, 0x00000000u, 0x00000000u}},
    {1255, "windows-1255", {0xFFFFFFFFu, 0x80000012u, 0xFFFFFFFFu, 0x98000000u}},
    {1256, "windows-1256", {0xFFFFFFFFu, 0x7FFFDFEEu, 0xFF800001u, 0xFFFFFFFFu}},
    {1257, "windows-1257", {0xFFFFFFFFu, 0xFFEEDF6Eu, 0x6F1FFCCFu, 0x6F1FFCCFu}},
};

const WindowsPage* WindowsPageOf(unsigned codePage) {
    for (const WindowsPage& page : kWindowsPages)
        if (page.codePage == codePage) return &page;
    return nullptr;
}

}  // namespace

const char* HeaderCharsetForCodePage(unsigned codePage) {
    switch (codePage) {
    case 1252:
    case 874:
    case 936:
    case 949:
    case 950:
    case 1361: return "ISO-8859-1";
    case 1250: return "ISO-8859-2";
    case 1251: return "ISO-8859-5";
    case 1253: return "ISO-8859-7";
    case 1254: return "ISO-8859-9";
    case 1255: return "ISO-8859-8";
    case 1256: return "ISO-8859-6";
    case 1257: return "ISO-8859-4";
    case 932: return "ISO-2022-JP";
    case 65001: return "UTF-8";
    default: return nullptr;
    }
}

const char* CharsetForCodePage(unsigned codePage) {
    const char* name = HeaderCharsetForCodePage(codePage);
    return name != nullptr ? name : "us-ascii";
}

bool BeyondIsoLabel(unsigned codePage, std::string_view text) {
    const WindowsPage* page = WindowsPageOf(codePage);
    if (page == nullptr) return false;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80) continue;
        const unsigned n = byte - 0x80u;
        if ((page->beyond[n / 32] >> (n % 32)) & 1u) return true;
    }
    return false;
}

const char* CharsetForText(unsigned codePage, std::string_view text) {
    return BeyondIsoLabel(codePage, text) ? WindowsCharsetForCodePage(codePage) : CharsetForCodePage(codePage);
}

const char* HeaderCharsetForText(unsigned codePage, std::string_view text) {
    return BeyondIsoLabel(codePage, text) ? WindowsCharsetForCodePage(codePage) : HeaderCharsetForCodePage(codePage);
}

const char* WindowsCharsetForCodePage(unsigned codePage) {
    const WindowsPage* page = WindowsPageOf(codePage);
    return page != nullptr ? page->name : CharsetForCodePage(codePage);
}

bool IsLeadByte(unsigned codePage, unsigned char c) {
    switch (codePage) {
    case 932: return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
    case 936:
    case 949:
    case 950: return c >= 0x81 && c <= 0xFE;
    case 1361: return (c >= 0x84 && c <= 0xD3) || (c >= 0xD8 && c <= 0xDE) || (c >= 0xE0 && c <= 0xF9);
    default: return false;
    }
}

}  // namespace velmar
