// Stand-in for the server's delivery program. It records the whole command line it was
// started with (one line in "mqsend.log") and exits 0.
#include <windows.h>

#include "standins/common/RecordFile.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    return standin::AppendRecord(standin::RecordPath("mqsend.log"), GetCommandLineA()) ? 0 : 1;
}
