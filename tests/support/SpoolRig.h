// A spool directory and a listening delivery side for tests that send through the real
// client: the queue file sets that land, and what the pipe server stand-in received.
#pragma once

#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/support/Golden.h"
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

    [[nodiscard]] const std::string& Path() const { return path_; }
    // The sorted names; with `letter`, those starting with it ('Q' control, 'D' data files).
    [[nodiscard]] std::vector<std::string> FilesOf(char letter = '\0') const {
        auto names = ListFiles(path_);
        std::erase_if(names, [&](const std::string& n) { return letter != '\0' && n[0] != letter; });
        std::sort(names.begin(), names.end());
        return names;
    }
    [[nodiscard]] std::vector<std::string> Files() const { return FilesOf(); }
    [[nodiscard]] std::string Read(const std::string& name) const { return ReadWholeFile(path_ + "\\" + name); }
    void Empty() const {
        for (const auto& name : ListFiles(path_)) DeleteFileA((path_ + "\\" + name).c_str());
    }

private:
    std::string path_ = "C:\\MAIL\\spool";
};

// The one queue file set in the spool (no temporary file left behind) compared with the golden
// files <name>.Q.ref and <name>.D.ref; returns the control file's name.
inline std::string ExpectOneGoldenSet(const DefaultSpool& spool, const std::string& name) {
    const auto control = spool.FilesOf('Q'), data = spool.FilesOf('D');
    EXPECT_TRUE(control.size() == 1 && data.size() == 1 && spool.Files().size() == 2) << "one set, nothing else";
    if (control.size() != 1 || data.size() != 1) return {};
    EXPECT_EQ("D" + control[0].substr(1), data[0]);
    ExpectGolden(name + ".Q.ref", spool.Read(control[0]));
    ExpectGolden(name + ".D.ref", spool.Read(data[0]));
    return control[0];
}

// The delivery side's pipe server stand-in, serving \\.\pipe\STMPQUEUE until destroyed.
class ListeningPipeServer {
public:
    explicit ListeningPipeServer(const RecordDir& records)
        : records_(records) {
        // Ready once the pipe exists (a missing pipe fails at once with error 2).
        for (int i = 0; i < 200; ++i, Sleep(25))
            if (WaitNamedPipeA("\\\\.\\pipe\\STMPQUEUE", 10) || GetLastError() != ERROR_FILE_NOT_FOUND) break;
    }
    // Each message the server received (one CR LF line each), once there are `atLeast`.
    [[nodiscard]] std::vector<std::string> Received(std::size_t atLeast = 0, int timeoutMs = 10000) const {
        for (int waited = 0;; waited += 50, Sleep(50)) {
            std::vector<std::string> lines;
            const std::string text = records_.Read("pipeserver.log");
            for (std::size_t start = 0, end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
                lines.push_back(text.substr(start, end - start));
            if (lines.size() >= atLeast || waited >= timeoutMs) return lines;
        }
    }

private:
    const RecordDir& records_;
    ChildProcess process_{"pipeserver.exe", "pipeserver.exe"};
};

}  // namespace velmar::wintest
