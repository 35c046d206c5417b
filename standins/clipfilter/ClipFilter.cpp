// Stand-in for a user-defined program (a spell checker or a signing tool): it takes the
// text on the clipboard and puts back its upper-case form, the way such a tool leaves its
// result for the client to paste. Exits 1 when the clipboard holds no text.
#include <windows.h>

#include <cstring>
#include <string>

namespace {

bool OpenClipboardSoon() {
    for (int attempt = 0; attempt < 50; ++attempt) {
        if (OpenClipboard(nullptr)) return true;
        Sleep(10);
    }
    return false;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    if (!OpenClipboardSoon()) return 1;
    std::string text;
    if (HANDLE data = GetClipboardData(CF_TEXT)) {
        if (const char* locked = static_cast<const char*>(GlobalLock(data))) {
            text = locked;
            GlobalUnlock(data);
        }
    }
    int result = 1;
    if (!text.empty()) {
        for (char& c : text)
            if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
        if (HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1)) {
            std::memcpy(GlobalLock(block), text.c_str(), text.size() + 1);
            GlobalUnlock(block);
            EmptyClipboard();
            if (SetClipboardData(CF_TEXT, block) != nullptr)
                result = 0;
            else
                GlobalFree(block);
        }
    }
    CloseClipboard();
    return result;
}
