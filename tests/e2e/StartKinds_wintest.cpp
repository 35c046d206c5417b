// The start kinds of the real client: velmar1.exe started with exact command lines (the
// classification itself is tested natively; here one line of each kind goes the whole way).
#include <windows.h>

#include <gtest/gtest.h>

#include "tests/support/WinTestSupport.h"

namespace velmar {
namespace {

using wintest::ChildProcess;

// A window start shows the compose window, which closes on WM_CLOSE with exit code 0; a
// hand-off exits 0 at once and starts "mqsend" with the whole command line (a second blank
// included); a batch start hands nothing off. No setting is read before a hand-off: a
// configured delivery program is not used for it.
TEST(StartKinds, EachKindOfCommandLine) {
    enum class Start { Window, HandOff, Batch };
    const struct {
        const char* arguments;  // after "velmar1.exe "; null: the program name alone
        Start want;
    } cases[] = {{nullptr, Start::Window}, {"send", Start::HandOff}, {" mailto:a@example.com", Start::HandOff},
                 {"-t a@example.com", Start::Batch}};
    wintest::ForgetServerConfiguration();
    wintest::SetRegistryString("SOFTWARE\\Brindle\\Velmar\\Global", "SendName", "C:\\nowhere\\deliver.exe");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments ? c.arguments : "(none)");
        wintest::RecordDir records;
        ChildProcess client("velmar1.exe", c.arguments ? std::string("velmar1.exe ") + c.arguments : "velmar1.exe");
        ASSERT_TRUE(client.Started());
        if (c.want == Start::HandOff) {
            EXPECT_EQ(client.Wait(), 0);
            EXPECT_EQ(records.WaitFor("mqsend.log"), std::string("mqsend ") + c.arguments + "\r\n");
            continue;
        }
        HWND window = c.want == Start::Window ? client.WaitForShownWindow("VELMAR1")
                                              : client.WaitForWindow("VELMAR1", 5000);
        EXPECT_TRUE(c.want != Start::Window || (window != nullptr && IsWindowVisible(window)));
        if (window != nullptr) PostMessageA(window, WM_CLOSE, 0, 0);
        const long code = client.Wait();
        EXPECT_TRUE(c.want == Start::Window ? code == 0 : code != -1) << code;
        Sleep(200);
        EXPECT_EQ(records.Read("mqsend.log"), "");
    }
    wintest::ForgetServerConfiguration();
}

}  // namespace
}  // namespace velmar
