// Stand-in for the server's delivery program. It records the whole command line it was
// started with (one line in "mqsend.log": in the ANSI code page, or in UTF-8 when the line
// holds characters beyond it) and exits 0.
#include <windows.h>

#include <string>

#include "standins/common/RecordFile.h"

namespace {

std::string CommandLineRecord() {
    const wchar_t* wide = GetCommandLineW();
    BOOL usedDefault = FALSE;
    WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide, -1, nullptr, 0, nullptr, &usedDefault);
    if (!usedDefault) return GetCommandLineA();
    const int size = WideCharToMultiByte(CP_UTF8, 0, wide, -1, nullptr, 0, nullptr, nullptr);
    std::string text(static_cast<std::size_t>(size > 0 ? size : 1), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide, -1, text.data(), size, nullptr, nullptr);
    text.resize(text.size() - 1);
    return text;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    return standin::AppendRecord(standin::RecordPath("mqsend.log"), CommandLineRecord()) ? 0 : 1;
}
