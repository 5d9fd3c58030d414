// pixelnook-probe: looks at a running Pixelnook from outside, for scripts/run.
//
//   pixelnook-probe title [SECONDS]   waits for the main window, prints its title
//   pixelnook-probe hotkey            presses Win+F10 as a person would
//   pixelnook-probe tray              says whether Wine's system tray holds icons
//   pixelnook-probe close [SECONDS]   closes the main window, waits for the exit
//   pixelnook-probe demo [SECONDS]    shows a sample window, presses Win+F10 over
//                                     it and prints the grab file that appears
//                                     in the current directory
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

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
    // The window exists a moment before its title is set.
    char title[512] = "";
    for (DWORD waited = 0; waited < seconds * 10 && title[0] == '\0'; ++waited) {
        GetWindowTextA(window, title, sizeof title);
        Sleep(title[0] == '\0' ? 100 : 0);
    }
    printf("%s\n", title);
    return 0;
}

// Without a desktop shell Wine shows tray icons in a window of its own, one
// child per icon. (Another process cannot read an icon's tip there.)
int CountTrayIcons() {
    HWND tray = FindWindowA("__winex11_standalone_tray", nullptr);
    int icons = 0;
    for (HWND icon = FindWindowExA(tray, nullptr, "__winex11_tray_icon", nullptr);
         tray != nullptr && icon != nullptr;
         icon = FindWindowExA(tray, icon, "__winex11_tray_icon", nullptr)) {
        ++icons;
    }
    printf("%d\n", icons);
    return icons > 0 ? 0 : 1;
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

constexpr int kSampleLeft = 120;
constexpr int kSampleTop = 90;
constexpr int kSampleWidth = 420;
constexpr int kSampleHeight = 260;
constexpr char kGrabPattern[] = "screencap_*.*";

LRESULT CALLBACK SampleProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PAINT) {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window, &paint);
        RECT client;
        GetClientRect(window, &client);
        HBRUSH sky = CreateSolidBrush(RGB(70, 130, 200));
        FillRect(dc, &client, sky);
        DeleteObject(sky);
        RECT sun = {client.right - 110, 20, client.right - 30, 100};
        HBRUSH yellow = CreateSolidBrush(RGB(250, 210, 60));
        HGDIOBJ old = SelectObject(dc, yellow);
        Ellipse(dc, sun.left, sun.top, sun.right, sun.bottom);
        SelectObject(dc, old);
        DeleteObject(yellow);
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, RGB(255, 255, 255));
        TextOutA(dc, 20, 20, "Grabbed by Pixelnook", 20);
        EndPaint(window, &paint);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

void PumpFor(DWORD milliseconds) {
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < milliseconds) {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            DispatchMessageA(&message);
        }
        Sleep(20);
    }
}

// The name of the first grab file in the current directory, or empty.
std::string FindGrabFile() {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(kGrabPattern, &found);
    if (search == INVALID_HANDLE_VALUE) {
        return "";
    }
    FindClose(search);
    return found.cFileName;
}

int Demo(DWORD seconds) {
    if (WaitForMainWindow(seconds) == nullptr) {
        fprintf(stderr, "pixelnook-probe: Pixelnook is not running\n");
        return 1;
    }
    WNDCLASSA sampleClass = {};
    sampleClass.lpfnWndProc = SampleProc;
    sampleClass.hInstance = GetModuleHandleA(nullptr);
    sampleClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    sampleClass.lpszClassName = "PixelnookSample";
    RegisterClassA(&sampleClass);
    HWND sample =
        CreateWindowExA(0, sampleClass.lpszClassName, "Pixelnook sample window",
                        WS_POPUP | WS_BORDER | WS_VISIBLE, kSampleLeft, kSampleTop, kSampleWidth,
                        kSampleHeight, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    PumpFor(500);
    SetCursorPos(kSampleLeft + kSampleWidth / 2, kSampleTop + kSampleHeight / 2);
    PumpFor(200);
    PressHotKey();
    std::string file;
    for (DWORD waited = 0; waited < seconds * 10 && file.empty(); ++waited) {
        PumpFor(100);
        file = FindGrabFile();
    }
    PumpFor(300);  // let the store finish writing
    DestroyWindow(sample);
    if (file.empty()) {
        fprintf(stderr, "pixelnook-probe: no grab file appeared\n");
        return 1;
    }
    printf("%s\n", file.c_str());
    return 0;
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
        fprintf(stderr, "usage: pixelnook-probe title|hotkey|tray|close|demo [SECONDS]\n");
        return 2;
    }
    DWORD seconds = argc > 2 ? static_cast<DWORD>(atoi(argv[2])) : 20;
    if (strcmp(argv[1], "title") == 0)
        return PrintTitle(seconds);
    if (strcmp(argv[1], "hotkey") == 0)
        return PressHotKey();
    if (strcmp(argv[1], "tray") == 0)
        return CountTrayIcons();
    if (strcmp(argv[1], "close") == 0)
        return Close(seconds);
    if (strcmp(argv[1], "demo") == 0)
        return Demo(seconds);
    fprintf(stderr, "pixelnook-probe: unknown command %s\n", argv[1]);
    return 2;
}
