// The activation glue against Wine's windows: which of the thread's windows count as
// its dialogs, and bringing a window forward.
#include "shell/activation_win.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace {

HWND MakeWindow(const char* className) {
    return CreateWindowExA(0, className, "activation test", WS_OVERLAPPEDWINDOW, 10, 10, 200, 100,
                           nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
}

}  // namespace

TEST(ThreadDialogs, OnlyDialogClassWindowsCountAndHiddenWindowsStayHidden) {
    HWND plain = MakeWindow("Static");
    ASSERT_NE(plain, nullptr);
    EXPECT_FALSE(HasThreadDialog(plain));
    EXPECT_EQ(FindThreadDialog(plain), nullptr);

    // A window of the system dialog class on the same thread counts, as a
    // message box or the settings dialog would.
    HWND dialog = MakeWindow("#32770");
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(HasThreadDialog(plain));
    EXPECT_EQ(FindThreadDialog(plain), dialog);

    DestroyWindow(dialog);
    EXPECT_FALSE(HasThreadDialog(plain));

    // Bringing a hidden window forward leaves it hidden.
    BringToForeground(plain);
    EXPECT_FALSE(IsWindowVisible(plain));
    DestroyWindow(plain);
}
