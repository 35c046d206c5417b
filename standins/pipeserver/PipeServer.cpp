// Stand-in for the delivery side's pipe server. It serves \\.\pipe\STMPQUEUE, reads each
// client's message up to its terminating NUL and records it as one line in
// "pipeserver.log". Usage: pipeserver [-n COUNT]  (stop after COUNT messages; default: run
// until killed).
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "standins/common/RecordFile.h"

namespace {

constexpr char pipeName[] = "\\\\.\\pipe\\STMPQUEUE";
constexpr size_t maxMessage = 4096;

// Reads one message: the bytes before the first NUL, or all bytes until the client closes.
std::string ReadMessage(HANDLE pipe) {
    std::string message;
    char chunk[512];
    for (;;) {
        DWORD got = 0;
        if (!ReadFile(pipe, chunk, sizeof chunk, &got, nullptr) || got == 0) break;
        const void* nul = std::memchr(chunk, '\0', got);
        size_t take = nul != nullptr ? static_cast<size_t>(static_cast<const char*>(nul) - chunk) : got;
        message.append(chunk, take);
        if (nul != nullptr || message.size() > maxMessage) break;
    }
    return message;
}

}  // namespace

int main(int argc, char** argv) {
    long limit = -1;
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], "-n") == 0) limit = std::strtol(argv[i + 1], nullptr, 10);
    const std::string record = standin::RecordPath("pipeserver.log");
    for (long served = 0; limit < 0 || served < limit; ++served) {
        HANDLE pipe = CreateNamedPipeA(pipeName, PIPE_ACCESS_INBOUND, PIPE_TYPE_BYTE | PIPE_READMODE_BYTE | PIPE_WAIT,
                                       PIPE_UNLIMITED_INSTANCES, 0, 4096, 0, nullptr);
        if (pipe == INVALID_HANDLE_VALUE) {
            std::fprintf(stderr, "pipeserver: cannot create %s (error %lu)\n", pipeName, GetLastError());
            return 1;
        }
        if (ConnectNamedPipe(pipe, nullptr) || GetLastError() == ERROR_PIPE_CONNECTED) {
            if (!standin::AppendRecord(record, ReadMessage(pipe)))
                std::fprintf(stderr, "pipeserver: cannot write %s\n", record.c_str());
        }
        DisconnectNamedPipe(pipe);
        CloseHandle(pipe);
    }
    return 0;
}
