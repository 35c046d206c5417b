#include "queue/DeliveryPipe_win.h"

#include <windows.h>

#include <string>

#include "common/WinHandles_win.h"

namespace velmar {

namespace {

constexpr int connectAttempts = 120;
constexpr DWORD instanceWaitMs = 500;
constexpr DWORD writeWaitMs = 30000;

}  // namespace

bool NotifyDeliveryPipe(std::string_view message) {
    HANDLE pipe = INVALID_HANDLE_VALUE;
    for (int attempt = 0; attempt < connectAttempts && pipe == INVALID_HANDLE_VALUE; ++attempt) {
        if (!WaitNamedPipeA(deliveryPipeName, instanceWaitMs)) {
            // No pipe at all answers at once; a busy one has already waited.
            if (GetLastError() == ERROR_FILE_NOT_FOUND) Sleep(0);
            continue;
        }
        pipe = CreateFileA(deliveryPipeName, GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, FILE_FLAG_OVERLAPPED, nullptr);
    }
    if (pipe == INVALID_HANDLE_VALUE) return false;
    UniqueFile handle(pipe);

    std::string bytes(message);
    bytes.push_back('\0');
    UniqueHandle event(CreateEventA(nullptr, TRUE, FALSE, nullptr));
    if (!event) return false;
    OVERLAPPED overlapped{};
    overlapped.hEvent = event.Get();
    DWORD written = 0;
    if (!WriteFile(pipe, bytes.data(), static_cast<DWORD>(bytes.size()), &written, &overlapped)) {
        if (GetLastError() != ERROR_IO_PENDING) return false;
        if (WaitForSingleObject(event.Get(), writeWaitMs) != WAIT_OBJECT_0) {
            CancelIo(pipe);
            GetOverlappedResult(pipe, &overlapped, &written, TRUE);
            return false;
        }
        if (!GetOverlappedResult(pipe, &overlapped, &written, FALSE)) return false;
    }
    return written == bytes.size();
}

}  // namespace velmar
