#include "common/WholeFiles_win.h"

#include <windows.h>

#include <array>

#include "common/FileStreams_win.h"
#include "common/WinHandles_win.h"

namespace velmar {

namespace {

std::string DirectoryOf(const std::string& path) {
    const std::size_t slash = path.find_last_of("\\/:");
    if (slash == std::string::npos) return ".";
    if (path[slash] == ':') return path.substr(0, slash + 1);
    return slash == 0 ? path.substr(0, 1) : path.substr(0, slash);
}

}  // namespace

std::optional<std::string> ReadFileBytes(const std::string& path) {
    UniqueFile file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return std::nullopt;
    std::string bytes;
    std::array<char, 4096> piece{};
    DWORD got = 0;
    while (ReadFile(file.Get(), piece.data(), static_cast<DWORD>(piece.size()), &got, nullptr) && got > 0)
        bytes.append(piece.data(), got);
    return bytes;
}

bool WriteNewFile(const std::string& path, std::string_view bytes) {
    UniqueFile file(
        CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return false;
    HandleSink sink(file.Get());
    return sink.Write(bytes.data(), bytes.size()) && FlushFileBuffers(file.Get());
}

bool ReplaceFileSafely(const std::string& path, std::string_view bytes) {
    std::array<char, MAX_PATH> temp{};
    if (GetTempFileNameA(DirectoryOf(path).c_str(), "tmp", 0, temp.data()) == 0) return false;
    if (WriteNewFile(temp.data(), bytes) &&
        MoveFileExA(temp.data(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return true;
    DeleteFileA(temp.data());
    return false;
}

}  // namespace velmar
