#include "common/HelpViewer_win.h"

#include <htmlhelp.h>

#include "common/HelpTopics.h"

namespace velmar {
namespace {

HelpViewer::HtmlHelpProc HtmlHelpOf(HelpViewer& viewer) {
    if (viewer.htmlHelp == nullptr && !viewer.loadTried) {
        viewer.loadTried = true;
        // Stays loaded for the life of the process: its windows may outlive any command.
        if (HMODULE library = LoadLibraryA("hhctrl.ocx"))
            viewer.htmlHelp = reinterpret_cast<HelpViewer::HtmlHelpProc>(
                reinterpret_cast<void*>(GetProcAddress(library, "HtmlHelpA")));
    }
    return viewer.htmlHelp;
}

void Refuse(HWND owner, const std::string& text, const std::string& caption) {
    MessageBoxA(owner, text.c_str(), caption.c_str(), MB_OK | MB_ICONINFORMATION);
}

}  // namespace

std::string HelpFilePath(const HelpViewer& viewer) {
    if (!viewer.filePath.empty()) return viewer.filePath;
    char module[MAX_PATH] = {};
    const DWORD n = GetModuleFileNameA(nullptr, module, MAX_PATH);
    std::string path(module, n < MAX_PATH ? n : 0);
    const std::size_t slash = path.find_last_of("\\/");
    path.erase(slash == std::string::npos ? 0 : slash + 1);
    path += kHelpFileName;
    return path;
}

bool ShowHelpTopic(HelpViewer& viewer, HWND owner, int context, const std::string& caption) {
    const std::string file = HelpFilePath(viewer);
    if (GetFileAttributesA(file.c_str()) == INVALID_FILE_ATTRIBUTES) {
        Refuse(owner, "The help file " + file + " was not found.", caption);
        return false;
    }
    HelpViewer::HtmlHelpProc htmlHelp = HtmlHelpOf(viewer);
    if (htmlHelp == nullptr) {
        Refuse(owner, "HTML Help (hhctrl.ocx) is not installed: the help file " + file + " cannot be shown.", caption);
        return false;
    }
    const std::string topic = HelpTopicUrl(file, context);
    if (htmlHelp(owner, topic.c_str(), HH_DISPLAY_TOPIC, 0) == nullptr) {
        Refuse(owner, "HTML Help could not open the help file " + file + ".", caption);
        return false;
    }
    viewer.opened = true;
    return true;
}

void CloseHelp(HelpViewer& viewer) {
    if (viewer.opened && viewer.htmlHelp != nullptr) viewer.htmlHelp(nullptr, nullptr, HH_CLOSE_ALL, 0);
    viewer.opened = false;
}

}  // namespace velmar
