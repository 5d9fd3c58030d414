// pixelnook-probe: looks at a running Pixelnook from outside and acts as its
// user would, for scripts/run, scripts/make-screenshots and the package test.
//
//   pixelnook-probe title [SECONDS]   waits for the main window, prints its title
//   pixelnook-probe hotkey            presses Win+F10 as a person would
//   pixelnook-probe tray              says whether Wine's system tray holds icons
//   pixelnook-probe close [SECONDS]   closes the main window, waits for the exit
//   pixelnook-probe demo [SECONDS]    shows a sample window, presses Win+F10 over
//                                     it and prints the grab file that appears
//                                     in the current directory
//   pixelnook-probe sample SECONDS    shows the sample window that long
//   pixelnook-probe command ID        sends the main window a menu command
//   pixelnook-probe press TITLE ID [SECONDS]
//                                     clicks button ID of the dialog TITLE once
//                                     it is shown, and waits until it is gone
//   pixelnook-probe page INDEX TITLE [SECONDS]
//                                     clicks item INDEX of the settings dialog's
//                                     page list, scrolling it into view first,
//                                     and waits until the page TITLE shows
//   pixelnook-probe rect TITLE [SECONDS]
//                                     prints LEFT TOP WIDTH HEIGHT of the shown
//                                     window TITLE
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

#include <commctrl.h>
#include <psapi.h>
#include <winternl.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "resources/resource_ids.h"
#include "tools/desktop_user_win.h"

namespace {

using desktop::ClickAt;
using desktop::Pump;
using desktop::WindowText;

constexpr char kMainWindowClass[] = "PixelnookClass";
constexpr char kDialogClass[] = "#32770";
constexpr char kSettingsTitle[] = "Pixelnook Settings";
// The page list shows this many items at a time.
constexpr int kVisiblePageItems = 5;

// Polls every tenth of a second until found returns true or the seconds are up.
template <typename Found>
bool WaitFor(DWORD seconds, Found found) {
    for (DWORD waited = 0; waited <= seconds * 10; ++waited) {
        if (found()) {
            return true;
        }
        Sleep(100);
    }
    return false;
}

HWND WaitForMainWindow(DWORD seconds) {
    HWND window = nullptr;
    WaitFor(seconds, [&] { return (window = FindWindowA(kMainWindowClass, nullptr)) != nullptr; });
    return window;
}

// A shown top-level window with that title, of the class when one is given.
HWND WaitForShown(const char* className, const char* title, DWORD seconds) {
    HWND window = nullptr;
    WaitFor(seconds, [&] {
        window = FindWindowA(className, title);
        return window != nullptr && IsWindowVisible(window);
    });
    return window != nullptr && IsWindowVisible(window) ? window : nullptr;
}

int PrintTitle(DWORD seconds) {
    HWND window = WaitForMainWindow(seconds);
    if (window == nullptr) {
        fprintf(stderr, "pixelnook-probe: no Pixelnook window appeared\n");
        return 1;
    }
    // The window exists a moment before its title is set.
    std::string title;
    WaitFor(seconds, [&] { return !(title = WindowText(window)).empty(); });
    printf("%s\n", title.c_str());
    return 0;
}

int CountTrayIcons() {
    const size_t icons = desktop::TrayIcons().size();
    printf("%zu\n", icons);
    return icons > 0 ? 0 : 1;
}

int PressHotKey() {
    return desktop::PressKeys({VK_LWIN, VK_F10}) ? 0 : 1;
}

// The sample window: a sky from deep to pale blue, a sun, and a band of every
// hue along the bottom, so that grabs of it show what a colour reduction does.
constexpr int kSampleLeft = 120;
constexpr int kSampleTop = 90;
constexpr int kSampleWidth = 420;
constexpr int kSampleHeight = 260;
constexpr int kHueBandHeight = 40;
constexpr char kGrabPattern[] = "screencap_*.*";

void Fill(HDC dc, RECT rect, COLORREF colour) {
    HBRUSH brush = CreateSolidBrush(colour);
    FillRect(dc, &rect, brush);
    DeleteObject(brush);
}

// Fully saturated hue at position x of width: red, yellow, green, cyan, blue,
// magenta and back to red.
COLORREF Hue(int x, int width) {
    const int h = x * 6 * 255 / width;
    const int rise = h % 255, fall = 255 - rise;
    switch (h / 255) {
        case 0:
            return RGB(255, rise, 0);
        case 1:
            return RGB(fall, 255, 0);
        case 2:
            return RGB(0, 255, rise);
        case 3:
            return RGB(0, fall, 255);
        case 4:
            return RGB(rise, 0, 255);
        default:
            return RGB(255, 0, fall);
    }
}

void PaintSample(HWND window) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    RECT client;
    GetClientRect(window, &client);
    const int sky = client.bottom - kHueBandHeight;
    for (int y = 0; y < sky; ++y) {
        Fill(dc, {0, y, client.right, y + 1},
             RGB(20 + 140 * y / sky, 60 + 150 * y / sky, 150 + 95 * y / sky));
    }
    for (int x = 0; x < client.right; ++x) {
        Fill(dc, {x, sky, x + 1, client.bottom}, Hue(x, client.right));
    }
    HBRUSH yellow = CreateSolidBrush(RGB(250, 210, 60));
    HGDIOBJ old = SelectObject(dc, yellow);
    Ellipse(dc, client.right - 110, 20, client.right - 30, 100);
    SelectObject(dc, old);
    DeleteObject(yellow);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(255, 255, 255));
    TextOutA(dc, 20, 20, "Grabbed by Pixelnook", 20);
    EndPaint(window, &paint);
}

LRESULT CALLBACK SampleProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PAINT) {
        PaintSample(window);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
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
    Pump(500);
    return sample;
}

// The names of the grab files in the current directory.
std::vector<std::string> GrabFiles() {
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(kGrabPattern, &found);
    if (search == INVALID_HANDLE_VALUE) {
        return names;
    }
    do {
        names.push_back(found.cFileName);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return names;
}

// The name of a grab file that is not among EARLIER (the folder may hold the
// grabs of earlier runs), or empty.
std::string FindNewGrabFile(const std::vector<std::string>& earlier) {
    for (const std::string& name : GrabFiles()) {
        if (std::find(earlier.begin(), earlier.end(), name) == earlier.end()) {
            return name;
        }
    }
    return "";
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
        Pump(20);
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
        Pump(20);
        if (IsWindowVisible(mainWindow)) {
            return true;
        }
    }
    return false;
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
        Pump(20);
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
            // What Pixelnook shows meanwhile, to tell a lost press from a lost store.
            fprintf(stderr,
                    "pixelnook-probe: grab %d was not stored (popup %s, clipboard %s, "
                    "DIB %s, menu %s)\n",
                    grab, IsWindowVisible(mainWindow) ? "shown" : "hidden",
                    GetClipboardSequenceNumber() != clipboardBefore ? "changed" : "unchanged",
                    IsClipboardFormatAvailable(CF_DIB) ? "offered" : "missing",
                    FindWindowA("#32768", nullptr) != nullptr ? "open" : "none");
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
    Pump(200);
    const std::vector<std::string> earlier = GrabFiles();
    PressHotKey();
    std::string file;
    for (DWORD waited = 0; waited < seconds * 10 && file.empty(); ++waited) {
        Pump(100);
        file = FindNewGrabFile(earlier);
    }
    Pump(300);  // let the store finish writing
    DestroyWindow(sample);
    if (file.empty()) {
        fprintf(stderr, "pixelnook-probe: no grab file appeared\n");
        return 1;
    }
    printf("%s\n", file.c_str());
    return 0;
}

int Sample(DWORD seconds) {
    HWND sample = ShowSample();
    printf("%d %d %d %d\n", kSampleLeft, kSampleTop, kSampleWidth, kSampleHeight);
    fflush(stdout);
    Pump(seconds * 1000);
    DestroyWindow(sample);
    return 0;
}

int Command(int id) {
    HWND window = WaitForMainWindow(20);
    return window != nullptr && PostMessageA(window, WM_COMMAND, id, 0) ? 0 : 1;
}

int Press(const char* title, int id, DWORD seconds) {
    HWND dialog = WaitForShown(kDialogClass, title, seconds);
    HWND button = dialog != nullptr ? GetDlgItem(dialog, id) : nullptr;
    if (button == nullptr) {
        fprintf(stderr, "pixelnook-probe: no button %d in a dialog \"%s\"\n", id, title);
        return 1;
    }
    DWORD_PTR ignored = 0;
    SendMessageTimeoutA(button, BM_CLICK, 0, 0, SMTO_ABORTIFHUNG, seconds * 1000, &ignored);
    if (!WaitFor(seconds, [&] { return !IsWindow(dialog); })) {
        fprintf(stderr, "pixelnook-probe: \"%s\" is still open\n", title);
        return 1;
    }
    return 0;
}

// The title of the settings page shown, found among the frame's child dialogs.
std::string ShownPage(HWND dialog) {
    for (HWND page = FindWindowExA(dialog, nullptr, kDialogClass, nullptr); page != nullptr;
         page = FindWindowExA(dialog, page, kDialogClass, nullptr)) {
        if (IsWindowVisible(page)) {
            return WindowText(page);
        }
    }
    return "";
}

// The page list is a list-view inside a clipping container; scrolling moves
// the list-view up by one item height per item, so the item at the top of
// the visible part follows from the two windows' places.
int TopPageItem(HWND dialog, HWND list, int itemHeight) {
    RECT box = {}, listRect = {};
    GetWindowRect(GetDlgItem(dialog, IDC_PAGE_LIST_CLIP), &box);
    GetWindowRect(list, &listRect);
    POINT first = {box.left, box.top};
    ScreenToClient(dialog, &first);
    return (box.top + first.y - listRect.top) / itemHeight;
}

void ClickArrow(HWND dialog, int arrow) {
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(arrow, STN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, arrow)));
}

int ShowPage(int item, const char* title, DWORD seconds) {
    HWND dialog = WaitForShown(kDialogClass, kSettingsTitle, seconds);
    HWND list = GetDlgItem(GetDlgItem(dialog, IDC_PAGE_LIST_CLIP), IDC_PAGE_LIST);
    const int itemHeight = LOWORD(SendMessageA(list, LVM_GETITEMSPACING, FALSE, 0));
    if (dialog == nullptr || list == nullptr || itemHeight == 0) {
        fprintf(stderr, "pixelnook-probe: no settings dialog with its page list\n");
        return 1;
    }
    for (int top = TopPageItem(dialog, list, itemHeight); top > item; --top) {
        ClickArrow(dialog, IDC_UP_ARROW);
    }
    for (int top = TopPageItem(dialog, list, itemHeight); top + kVisiblePageItems <= item; ++top) {
        ClickArrow(dialog, IDC_DOWN_ARROW);
    }
    // The item's icon lies in the upper part of its square cell.
    RECT listRect = {};
    GetWindowRect(list, &listRect);
    ClickAt({listRect.left + itemHeight / 2, listRect.top + item * itemHeight + itemHeight / 3});
    if (!WaitFor(seconds, [&] { return ShownPage(dialog) == title; })) {
        fprintf(stderr, "pixelnook-probe: page \"%s\" did not show\n", title);
        return 1;
    }
    return 0;
}

int PrintRect(const char* title, DWORD seconds) {
    HWND window = WaitForShown(nullptr, title, seconds);
    RECT rect = {};
    if (window == nullptr || !GetWindowRect(window, &rect)) {
        fprintf(stderr, "pixelnook-probe: no window \"%s\" shown\n", title);
        return 1;
    }
    printf("%ld %ld %ld %ld\n", rect.left, rect.top, rect.right - rect.left,
           rect.bottom - rect.top);
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

int Usage() {
    fprintf(stderr,
            "usage: pixelnook-probe title|hotkey|tray|close|demo [SECONDS]\n"
            "       pixelnook-probe sample SECONDS | command ID\n"
            "       pixelnook-probe press TITLE ID | page INDEX TITLE | rect TITLE [SECONDS]\n"
            "       pixelnook-probe stats | grabs COUNT EVERY FILE|- [area]\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        return Usage();
    }
    const std::string command = argv[1];
    // The seconds to wait, where given after `taken` other arguments.
    auto seconds = [&](int taken) {
        return argc > 2 + taken ? static_cast<DWORD>(atoi(argv[2 + taken])) : 20;
    };
    if (command == "title")
        return PrintTitle(seconds(0));
    if (command == "hotkey")
        return PressHotKey();
    if (command == "tray")
        return CountTrayIcons();
    if (command == "close")
        return Close(seconds(0));
    if (command == "demo")
        return Demo(seconds(0));
    if (command == "sample" && argc == 3)
        return Sample(seconds(0));
    if (command == "command" && argc == 3)
        return Command(atoi(argv[2]));
    if (command == "press" && argc >= 4)
        return Press(argv[2], atoi(argv[3]), seconds(2));
    if (command == "page" && argc >= 4)
        return ShowPage(atoi(argv[2]), argv[3], seconds(2));
    if (command == "rect" && argc >= 3)
        return PrintRect(argv[2], seconds(1));
    if (command == "stats")
        return Stats();
    if (command == "grabs" && argc >= 5) {
        const int every = atoi(argv[3]);
        return Grabs(atoi(argv[2]), every > 0 ? every : 1, argv[4],
                     argc > 5 && strcmp(argv[5], "area") == 0);
    }
    return Usage();
}
