// pixelnook-probe: looks at a running Pixelnook from outside, for scripts/run.
//
//   pixelnook-probe title [SECONDS]   waits for the main window, prints its title
//   pixelnook-probe hotkey            presses Win+F10 as a person would
//   pixelnook-probe tray              says whether Wine's system tray holds icons
//   pixelnook-probe close [SECONDS]   closes the main window, waits for the exit
//   pixelnook-probe demo [SECONDS]    shows a sample window, presses Win+F10 over
//                                     it and prints the grab file that appears
//                                     in the current directory
//   pixelnook-probe stats             prints Pixelnook's GDI objects, USER
//                                     objects, handles and pagefile bytes
//   pixelnook-probe grabs COUNT EVERY FILE|- [area]
//                                     shows the sample window and presses
//                                     Win+F10 over it COUNT times (twice per
//                                     grab for an area), waiting for each grab
//                                     to be stored: FILE and its thumbnail "t"
//                                     FILE in the current directory (read,
//                                     then deleted), or "-" for the clipboard.
//                                     Every EVERY grabs it prints the grabs,
//                                     how many were stored, the stats and the
//                                     seconds so far.
#include <windows.h>

#include <psapi.h>
#include <winternl.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

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

// Wine answers GetGuiResources and GetProcessHandleCount with 0, so there
// the counts are taken another way: GDI objects from the process's GDI handle
// table (PEB GdiSharedHandleTable; an entry's type byte is 0 once the object
// is deleted, and an icon's bitmaps are GDI objects too), USER objects as the
// windows the process owns, and handles from the system's handle list.
struct ProcessStats {
    DWORD gdiObjects = 0;
    DWORD userObjects = 0;
    DWORD handles = 0;
    SIZE_T pagefileBytes = 0;  // Wine reports no private bytes: its PrivateUsage is 0
};

constexpr size_t kGdiTableOffset = sizeof(void*) == 8 ? 0xF8 : 0x94;
constexpr size_t kGdiEntries = 0x10000;
constexpr size_t kGdiEntryBytes = 24;
constexpr size_t kGdiTypeByte = 14;
constexpr ULONG kSystemHandleInformation = 16;

DWORD CountGdiTable(HANDLE process) {
    PROCESS_BASIC_INFORMATION basic = {};
    ULONG length = 0;
    void* table = nullptr;
    if (NtQueryInformationProcess(process, ProcessBasicInformation, &basic, sizeof basic,
                                  &length) != 0 ||
        !ReadProcessMemory(process, reinterpret_cast<BYTE*>(basic.PebBaseAddress) + kGdiTableOffset,
                           &table, sizeof table, nullptr) ||
        table == nullptr) {
        return 0;
    }
    std::vector<BYTE> entries(kGdiEntries * kGdiEntryBytes);
    if (!ReadProcessMemory(process, table, entries.data(), entries.size(), nullptr)) {
        return 0;
    }
    DWORD count = 0;
    for (size_t at = kGdiTypeByte; at < entries.size(); at += kGdiEntryBytes) {
        count += entries[at] != 0;
    }
    return count;
}

struct WindowCount {
    DWORD processId;
    DWORD windows;
};

BOOL CALLBACK CountChild(HWND, LPARAM count) {
    ++reinterpret_cast<WindowCount*>(count)->windows;
    return TRUE;
}

BOOL CALLBACK CountTopLevel(HWND window, LPARAM count) {
    auto* windows = reinterpret_cast<WindowCount*>(count);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == windows->processId) {
        ++windows->windows;
        EnumChildWindows(window, CountChild, count);
    }
    return TRUE;
}

DWORD CountWindows(DWORD processId) {
    WindowCount count = {processId, 0};
    EnumWindows(CountTopLevel, reinterpret_cast<LPARAM>(&count));
    for (HWND window = FindWindowExA(HWND_MESSAGE, nullptr, nullptr, nullptr); window != nullptr;
         window = FindWindowExA(HWND_MESSAGE, window, nullptr, nullptr)) {
        CountTopLevel(window, reinterpret_cast<LPARAM>(&count));
    }
    return count.windows;
}

DWORD CountSystemHandles(DWORD processId) {
    struct Entry {
        ULONG processId;
        BYTE type;
        BYTE flags;
        USHORT handle;
        void* object;
        ACCESS_MASK access;
    };
    std::vector<BYTE> list(1 << 20);
    ULONG length = 0;
    while (NtQuerySystemInformation(static_cast<SYSTEM_INFORMATION_CLASS>(kSystemHandleInformation),
                                    list.data(), static_cast<ULONG>(list.size()), &length) != 0) {
        if (list.size() >= (64u << 20)) {
            return 0;
        }
        list.resize(list.size() * 2);
    }
    const ULONG entries = *reinterpret_cast<ULONG*>(list.data());
    const auto* entry = reinterpret_cast<const Entry*>(list.data() + sizeof(void*));
    DWORD count = 0;
    for (ULONG i = 0; i < entries; ++i) {
        count += entry[i].processId == processId;
    }
    return count;
}

bool ReadStats(HWND mainWindow, ProcessStats& stats) {
    DWORD processId = 0;
    GetWindowThreadProcessId(mainWindow, &processId);
    HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, processId);
    if (process == nullptr) {
        return false;
    }
    stats.gdiObjects = GetGuiResources(process, GR_GDIOBJECTS);
    if (stats.gdiObjects == 0) {
        stats.gdiObjects = CountGdiTable(process);
    }
    stats.userObjects = GetGuiResources(process, GR_USEROBJECTS);
    if (stats.userObjects == 0) {
        stats.userObjects = CountWindows(processId);
    }
    if (!GetProcessHandleCount(process, &stats.handles) || stats.handles == 0) {
        stats.handles = CountSystemHandles(processId);
    }
    PROCESS_MEMORY_COUNTERS memory = {};
    memory.cb = sizeof memory;
    if (GetProcessMemoryInfo(process, &memory, sizeof memory)) {
        stats.pagefileBytes = memory.PagefileUsage;
    }
    CloseHandle(process);
    return true;
}

void PrintStats(const ProcessStats& stats) {
    printf("%lu %lu %lu %llu", stats.gdiObjects, stats.userObjects, stats.handles,
           static_cast<unsigned long long>(stats.pagefileBytes));
}

int Stats() {
    ProcessStats stats;
    if (!ReadStats(FindWindowA(kMainWindowClass, nullptr), stats)) {
        fprintf(stderr, "pixelnook-probe: Pixelnook is not running\n");
        return 1;
    }
    PrintStats(stats);
    printf("\n");
    return 0;
}

// The first bytes each stored file type starts with.
bool HasPictureSignature(const std::string& head) {
    for (const char* signature : {"BM", "GIF8", "\xFF\xD8\xFF", "\x89PNG", "II*", "MM"}) {
        if (head.compare(0, strlen(signature), signature) == 0) {
            return true;
        }
    }
    return false;
}

// The file's first bytes once the writer has let go of it; empty while it is
// missing or still open.
std::string ClosedFileHead(const std::string& name) {
    HANDLE file = CreateFileA(name.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return "";
    }
    char head[8] = {};
    DWORD read = 0;
    ReadFile(file, head, sizeof head, &read, nullptr);
    CloseHandle(file);
    return std::string(head, read);
}

constexpr DWORD kStoreTimeoutMs = 60000;

// Waits for one grab to be stored: the file and then its thumbnail, each
// whole and of a picture type, both deleted again so that the next grab
// takes the same name; or a new picture on the clipboard.
bool WaitForStore(const std::string& file, DWORD clipboardBefore) {
    const std::string thumbnail = "t" + file;
    for (const DWORD start = GetTickCount(); GetTickCount() - start < kStoreTimeoutMs;) {
        PumpFor(20);
        if (file == "-") {
            // Closed again: the store has put everything there.
            if (GetClipboardSequenceNumber() != clipboardBefore &&
                GetOpenClipboardWindow() == nullptr && IsClipboardFormatAvailable(CF_DIB)) {
                return true;
            }
            continue;
        }
        const std::string thumbnailHead = ClosedFileHead(thumbnail);
        if (!thumbnailHead.empty()) {
            const bool stored =
                HasPictureSignature(ClosedFileHead(file)) && HasPictureSignature(thumbnailHead);
            DeleteFileA(file.c_str());
            DeleteFileA(thumbnail.c_str());
            return stored;
        }
    }
    return false;
}

// The rectangular-area popup is the main window, shown for the first press.
bool WaitForAreaPopup(HWND mainWindow) {
    for (const DWORD start = GetTickCount(); GetTickCount() - start < kStoreTimeoutMs;) {
        PumpFor(20);
        if (IsWindowVisible(mainWindow)) {
            return true;
        }
    }
    return false;
}

HWND ShowSample() {
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
    return sample;
}

int Grabs(int count, int every, const std::string& file, bool area) {
    HWND mainWindow = WaitForMainWindow(20);
    if (mainWindow == nullptr) {
        fprintf(stderr, "pixelnook-probe: Pixelnook is not running\n");
        return 1;
    }
    HWND sample = ShowSample();
    // A control of the sample window under the cursor, for the control grab.
    CreateWindowExA(0, "STATIC", "control", WS_CHILD | WS_VISIBLE | SS_BLACKRECT, 60, 50, 100, 40,
                    sample, nullptr, GetModuleHandleA(nullptr), nullptr);
    const DWORD start = GetTickCount();
    int stored = 0;
    for (int grab = 1; grab <= count; ++grab) {
        SetCursorPos(kSampleLeft + 110, kSampleTop + 70);
        PumpFor(20);
        const DWORD clipboardBefore = GetClipboardSequenceNumber();
        bool pressed = true;
        if (area) {
            // The first press shows the popup and the second takes it. A popup
            // already shown is taken as it is, so that a press that was lost
            // cannot put the two out of step for the rest of the run.
            if (!IsWindowVisible(mainWindow)) {
                PressHotKey();
            }
            pressed = WaitForAreaPopup(mainWindow);
        }
        if (!pressed) {
            fprintf(stderr, "pixelnook-probe: grab %d: no area popup appeared\n", grab);
        } else if (PressHotKey() == 0 && WaitForStore(file, clipboardBefore)) {
            ++stored;
        } else {
            fprintf(stderr, "pixelnook-probe: grab %d was not stored\n", grab);
        }
        ProcessStats stats;
        if (grab % every == 0 && ReadStats(mainWindow, stats)) {
            printf("%d %d ", grab, stored);
            PrintStats(stats);
            printf(" %lu\n", (GetTickCount() - start) / 1000);
            fflush(stdout);
        }
    }
    DestroyWindow(sample);
    return stored == count ? 0 : 1;
}

int Demo(DWORD seconds) {
    if (WaitForMainWindow(seconds) == nullptr) {
        fprintf(stderr, "pixelnook-probe: Pixelnook is not running\n");
        return 1;
    }
    HWND sample = ShowSample();
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
        fprintf(stderr,
                "usage: pixelnook-probe title|hotkey|tray|close|demo [SECONDS]\n"
                "       pixelnook-probe stats\n"
                "       pixelnook-probe grabs COUNT EVERY FILE|- [area]\n");
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
    if (strcmp(argv[1], "stats") == 0)
        return Stats();
    if (strcmp(argv[1], "grabs") == 0 && argc >= 5) {
        const int every = atoi(argv[3]);
        return Grabs(atoi(argv[2]), every > 0 ? every : 1, argv[4],
                     argc > 5 && strcmp(argv[5], "area") == 0);
    }
    fprintf(stderr, "pixelnook-probe: unknown command %s\n", argv[1]);
    return 2;
}
