#include "common/Paths_win.h"

#include <windows.h>

#include <vector>

namespace velmar {

std::string FullPathName(const std::string& path) {
    if (path.empty()) return path;
    std::vector<char> buffer(MAX_PATH + 1);
    for (int attempt = 0; attempt < 2; ++attempt) {
        const DWORD n = GetFullPathNameA(path.c_str(), static_cast<DWORD>(buffer.size()), buffer.data(), nullptr);
        if (n == 0) return path;
        if (n < buffer.size()) return std::string(buffer.data(), n);
        buffer.resize(n + 1);
    }
    return path;
}

}  // namespace velmar
