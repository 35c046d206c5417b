// A spool directory and a listening delivery side for tests that send through the real
// client: the queue file sets that land, and what the pipe server stand-in received.
#pragma once

#include <windows.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "tests/support/WinTestSupport.h"

namespace velmar::wintest {

// The client's built-in spool directory (no configuration: C:\MAIL\spool), made empty.
class DefaultSpool {
public:
    DefaultSpool() {
        CreateDirectoryA("C:\\MAIL", nullptr);
        CreateDirectoryA(path_.c_str(), nullptr);
        Empty();
    }
    ~DefaultSpool() { Empty(); }
    DefaultSpool(const DefaultSpool&) = delete;
    DefaultSpool& operator=(const DefaultSpool&) = delete;

    [[nodiscard]] const std::string& Path() const { return path_; }
    [[nodiscard]] std::vector<std::string> Files() const {
        auto names = ListFiles(path_);
        std::sort(names.begin(), names.end());
        return names;
    }
    // The names starting with `letter` ('Q' control files, 'D' data files).
    [[nodiscard]] std::vector<std::string> FilesOf(char letter) const {
        std::vector<std::string> names;
        for (const auto& name : Files())
            if (!name.empty() && name[0] == letter) names.push_back(name);
        return names;
    }
    [[nodiscard]] std::string Read(const std::string& name) const { return ReadWholeFile(path_ + "\\" + name); }
    void Empty() const {
        for (const auto& name : ListFiles(path_)) DeleteFileA((path_ + "\\" + name).c_str());
    }

private:
    std::string path_ = "C:\\MAIL\\spool";
};

// The delivery side's pipe server stand-in, serving \\.\pipe\STMPQUEUE until destroyed.
class ListeningPipeServer {
public:
    explicit ListeningPipeServer(const RecordDir& records) : records_(records) {
        process_ = std::make_unique<ChildProcess>("pipeserver.exe", "pipeserver.exe");
        // Ready once the pipe exists (a missing pipe fails at once with error 2).
        for (int i = 0; i < 200; ++i) {
            if (WaitNamedPipeA("\\\\.\\pipe\\STMPQUEUE", 10) || GetLastError() != ERROR_FILE_NOT_FOUND) break;
            Sleep(25);
        }
    }
    // Each message the server received, one per element, in order.
    [[nodiscard]] std::vector<std::string> Received(std::size_t atLeast = 0, int timeoutMs = 10000) const {
        std::vector<std::string> lines;
        for (int waited = 0;; waited += 50) {
            lines.clear();
            const std::string text = records_.Read("pipeserver.log");
            std::size_t start = 0;
            while (start < text.size()) {
                const std::size_t end = text.find("\r\n", start);
                if (end == std::string::npos) break;
                lines.push_back(text.substr(start, end - start));
                start = end + 2;
            }
            if (lines.size() >= atLeast || waited >= timeoutMs) return lines;
            Sleep(50);
        }
    }

private:
    const RecordDir& records_;
    std::unique_ptr<ChildProcess> process_;
};

}  // namespace velmar::wintest
