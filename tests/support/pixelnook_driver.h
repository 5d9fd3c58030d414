// Helpers for the end-to-end tests: start pixelnook.exe in a scratch folder,
// find its windows and message boxes, press keys, and wait for it to exit.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "tests/support/file_bytes.h"
#include "tests/support/test_windows.h"
#include "tools/desktop_user_win.h"

namespace e2e {

constexpr DWORD kDefaultTimeoutMs = 20000;
// What PixelnookProcess reports for a process that did not end in time.
constexpr DWORD kNoExit = 0xFFFFFFFF;

// A fresh empty folder under the prefix's temporary folder, removed with the
// files it holds when the object goes.
class ScratchDir {
public:
    ScratchDir();
    ~ScratchDir();
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

    const std::string& Path() const { return path_; }
    std::string FilePath(const std::string& name) const { return path_ + "\\" + name; }
    void WriteFile(const std::string& name, const std::string& contents) const;
    std::vector<std::string> List() const;

private:
    std::string path_;
};

// A Wine setting for pixelnook.exe alone while the object lives, under
// HKCU\Software\Wine\AppDefaults\pixelnook.exe: the Windows version it sees,
// AppDefault version("", "Version", "win98"), or a DLL it cannot load, as on
// a system without it, AppDefault noGdiplus("DllOverrides", "gdiplus", "").
class AppDefault {
public:
    AppDefault(const char* subKey, const char* name, const char* value);
    ~AppDefault();
    AppDefault(const AppDefault&) = delete;
    AppDefault& operator=(const AppDefault&) = delete;

private:
    HKEY key_ = nullptr;
    std::string name_;
};

// One running copy of pixelnook.exe. A copy still running when the object
// goes is ended by force, so a failing test leaves nothing behind.
class PixelnookProcess {
public:
    PixelnookProcess() = default;
    ~PixelnookProcess();
    PixelnookProcess(const PixelnookProcess&) = delete;
    PixelnookProcess& operator=(const PixelnookProcess&) = delete;

    // Starts the program with the folder as its current directory; writes
    // Pixelnook.ini there first when iniText is not empty.
    bool Start(const ScratchDir& dir, const std::string& iniText = "");
    bool IsRunning() const;
    // A top-level window of the process with that class (and caption, when given).
    HWND Find(const char* className, const char* caption = nullptr) const;
    // The same once it exists: the hidden main window, or a dialog or message
    // box, WaitFor("#32770", caption).
    HWND WaitFor(const char* className, const char* caption = nullptr) const;
    HWND WaitForMainWindow() const { return WaitFor("PixelnookClass"); }
    // Waits for the process to end: its exit code, or kNoExit on timeout.
    DWORD ExitCode();
    // Closes the main window as the system would, and waits for the exit code.
    DWORD Close();

private:
    HANDLE process_ = nullptr;
    DWORD processId_ = 0;
};

using desktop::ClickAt;
using desktop::Mouse;
using desktop::PressKeys;
using desktop::TrayIcons;
using desktop::WindowText;

// The message text of a message box.
std::string MessageBoxText(HWND box);

// Polls until the condition holds or the time runs out.
template <typename Condition>
bool WaitUntil(Condition condition, DWORD timeoutMs = kDefaultTimeoutMs) {
    for (const DWORD start = GetTickCount(); !condition(); Sleep(50)) {
        if (GetTickCount() - start > timeoutMs)
            return false;
    }
    return true;
}

// A Pixelnook.ini past the first run: these [Properties] keys, grabs stored
// in the start folder as the [FileStore] keys say, then further sections.
inline std::string IniAfterFirstRun(const std::string& properties, const std::string& fileStore,
                                    const std::string& sections = "") {
    return "[Properties]\r\nFirstTime=0\r\n" + properties + "[FileStore]\r\nDir=.\\\r\n" +
           fileStore + sections;
}
// A quiet start (no dialog) past the first run, with grabs stored as numbered
// BMP files "screencap_###.bmp"; properties: further [Properties] keys, or
// further sections.
inline std::string QuietBmpIni(const std::string& properties) {
    return IniAfterFirstRun("SettingsOnStart=0\r\n" + properties,
                            "Name=screencap_\r\nExt=bmp\r\nDigits=3\r\n");
}

// Pixelnook as on a system without GDI+ (gdiplus.dll fails to load): it
// writes its grabs as BMP files itself, which the tests read back.
struct BmpPixelnook {
    // Starts it in the folder and waits for its main window.
    bool Start(const std::string& iniText) {
        return pixelnook.Start(dir, iniText) && pixelnook.WaitForMainWindow() != nullptr;
    }

    AppDefault noGdiplus{"DllOverrides", "gdiplus", ""};
    ScratchDir dir;
    PixelnookProcess pixelnook;
};

// Moves the mouse there and presses Win+F10, keeping the test's windows painted.
inline void PressHotKeyAt(POINT at) {
    SetCursorPos(at.x, at.y);
    testwin::Pump(200);
    PressKeys({VK_LWIN, VK_F10});
}

// A BMP file as Pixelnook writes it: 32 bits per pixel, rows bottom-up.
struct Bmp {
    static constexpr size_t kHeaderBytes = 54;
    std::string bytes;

    uint32_t U32(size_t at) const {
        return uint8_t(bytes[at]) | uint8_t(bytes[at + 1]) << 8 | uint8_t(bytes[at + 2]) << 16 |
               uint32_t(uint8_t(bytes[at + 3])) << 24;
    }
    int32_t Width() const { return static_cast<int32_t>(U32(18)); }
    int32_t Height() const { return static_cast<int32_t>(U32(22)); }
    // The pixel at (x, y) from the top-left, as 0xAARRGGBB.
    uint32_t Argb(int32_t x, int32_t y) const {
        return U32(kHeaderBytes + 4 * (size_t(Height() - 1 - y) * size_t(Width()) + size_t(x)));
    }
    COLORREF Pixel(int32_t x, int32_t y) const {
        const uint32_t argb = Argb(x, y);
        return RGB(argb >> 16 & 0xFF, argb >> 8 & 0xFF, argb & 0xFF);
    }
};

// Waits (keeping the test's windows painted) until the file is complete: as
// long as its header says.
inline bool WaitForBmp(const std::string& path, Bmp& bmp) {
    return WaitUntil([&] {
        testwin::Pump(20);
        bmp.bytes = FileBytes(path);
        return bmp.bytes.size() >= Bmp::kHeaderBytes && bmp.bytes.size() == bmp.U32(2);
    });
}

}  // namespace e2e
