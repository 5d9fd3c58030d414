// pixelnook-probe: looks at a running Pixelnook from outside, for scripts/run.
//
//   pixelnook-probe title [SECONDS]   waits for the main window, prints its title
//   pixelnook-probe hotkey            presses Win+F10 as a person would
//   pixelnook-probe close [SECONDS]   closes the main window, waits for the exit
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

constexpr char kMainWindowClass[] = "PixelnookClass";

HWND WaitForMainWindow(DWORD seconds) {
    for (DWORD waited = 0; waited < seconds * 10; ++waited) {
        HWND window = FindWindowA(kMainWindowClass, nullptr);
        if (window != nullptr) {
            return window;
        }
        Sleep(100);
    }
    return nullptr;
}

int PrintTitle(DWORD seconds) {
    HWND window = WaitForMainWindow(seconds);
    if (window == nullptr) {
        fprintf(stderr, "pixelnook-probe: no Pixelnook window appeared\n");
        return 1;
    }
    char title[512] = "";
    GetWindowTextA(window, title, sizeof title);
    printf("%s\n", title);
    return 0;
}

int PressHotKey() {
    INPUT inputs[4] = {};
    const WORD keys[4] = {VK_LWIN, VK_F10, VK_F10, VK_LWIN};
    for (int i = 0; i < 4; ++i) {
        inputs[i].type = INPUT_KEYBOARD;
        inputs[i].ki.wVk = keys[i];
        inputs[i].ki.dwFlags = i < 2 ? 0 : KEYEVENTF_KEYUP;
    }
    return SendInput(4, inputs, sizeof(INPUT)) == 4 ? 0 : 1;
}

int Close(DWORD seconds) {
    HWND window = FindWindowA(kMainWindowClass, nullptr);
    if (window == nullptr) {
        return 1;
    }
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    HANDLE process = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION, FALSE, processId);
    PostMessageA(window, WM_CLOSE, 0, 0);
    if (process == nullptr) {
        return 0;
    }
    DWORD exitCode = 1;
    if (WaitForSingleObject(process, seconds * 1000) == WAIT_OBJECT_0) {
        GetExitCodeProcess(process, &exitCode);
        printf("Pixelnook exited with code %lu\n", exitCode);
    }
    CloseHandle(process);
    return exitCode == 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        fprintf(stderr, "usage: pixelnook-probe title|hotkey|close [SECONDS]\n");
        return 2;
    }
    DWORD seconds = argc > 2 ? static_cast<DWORD>(atoi(argv[2])) : 20;
    if (strcmp(argv[1], "title") == 0)
        return PrintTitle(seconds);
    if (strcmp(argv[1], "hotkey") == 0)
        return PressHotKey();
    if (strcmp(argv[1], "close") == 0)
        return Close(seconds);
    fprintf(stderr, "pixelnook-probe: unknown command %s\n", argv[1]);
    return 2;
}
