// Helpers for the end-to-end tests: start pixelnook.exe in a scratch folder,
// find its windows and message boxes, press keys, and wait for it to exit.
// PIXELNOOK_EXE_UNIX_PATH names the program under test.
#pragma once

#include <windows.h>

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "base/handles_win.h"
#include "tests/support/file_bytes.h"
#include "tests/support/test_windows.h"
#include "tools/desktop_user_win.h"

namespace e2e {

// The person at the desktop and the test's own windows, by their short names.
using namespace desktop;
using namespace testwin;

constexpr DWORD kDefaultTimeoutMs = 20000;
// What PixelnookProcess reports for a process that did not end in time.
constexpr DWORD kNoExit = 0xFFFFFFFF;

// Polls until the condition holds or the time runs out.
template <typename Condition>
bool WaitUntil(Condition condition, DWORD timeoutMs = kDefaultTimeoutMs) {
    for (const DWORD start = GetTickCount(); !condition(); Sleep(50)) {
        if (GetTickCount() - start > timeoutMs)
            return false;
    }
    return true;
}

// A fresh empty folder under the prefix's temporary folder, removed with the
// files it holds when the object goes.
class ScratchDir {
public:
    ScratchDir() {
        static unsigned counter = 0;  // test-only: unique names in this process
        char temp[MAX_PATH] = "";
        GetTempPathA(sizeof temp, temp);
        path_ = temp + ("pixelnook-e2e-" + std::to_string(GetCurrentProcessId()) + "-" +
                        std::to_string(++counter));
        CreateDirectoryA(path_.c_str(), nullptr);
    }
    ~ScratchDir() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

    const std::string& Path() const { return path_; }
    std::string FilePath(const std::string& name) const { return path_ + "\\" + name; }
    void WriteFile(const std::string& name, const std::string& contents) const {
        std::ofstream(FilePath(name), std::ios::binary) << contents;
    }
    std::vector<std::string> List() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(path_))
            names.push_back(entry.path().filename().string());
        return names;
    }

private:
    std::string path_;
};

// A Wine setting for pixelnook.exe alone while the object lives, under
// HKCU\Software\Wine\AppDefaults\pixelnook.exe: the Windows version it sees,
// AppDefault version("", "Version", "win98"), or a DLL it cannot load, as on
// a system without it, AppDefault noGdiplus("DllOverrides", "gdiplus", "").
class AppDefault {
public:
    AppDefault(const char* subKey, const char* name, const char* value) : name_(name) {
        const std::string path = std::string("Software\\Wine\\AppDefaults\\pixelnook.exe") +
                                 (*subKey != '\0' ? "\\" : "") + subKey;
        RegCreateKeyA(HKEY_CURRENT_USER, path.c_str(), &key_);
        RegSetValueExA(key_, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value),
                       static_cast<DWORD>(strlen(value) + 1));
    }
    ~AppDefault() {
        RegDeleteValueA(key_, name_.c_str());
        RegCloseKey(key_);
    }
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
    ~PixelnookProcess() {
        if (IsRunning()) {
            TerminateProcess(process_.Get(), 99);
            WaitForSingleObject(process_.Get(), 5000);
        }
    }

    // Starts the program with the folder as its current directory; writes
    // Pixelnook.ini there first when iniText is not empty.
    bool Start(const ScratchDir& dir, const std::string& iniText = "") {
        if (!iniText.empty())
            dir.WriteFile("Pixelnook.ini", iniText);
        // The build tree is on the Linux file system, which Wine shows as drive Z:.
        const std::string exe =
            std::filesystem::path("Z:" PIXELNOOK_EXE_UNIX_PATH).make_preferred().string();
        STARTUPINFOA startup = {};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION info = {};
        if (!CreateProcessA(exe.c_str(), nullptr, nullptr, nullptr, FALSE, 0, nullptr,
                            dir.Path().c_str(), &startup, &info))
            return false;
        CloseHandle(info.hThread);
        process_.Reset(info.hProcess);
        processId_ = info.dwProcessId;
        return true;
    }
    bool IsRunning() const { return WaitForSingleObject(process_.Get(), 0) == WAIT_TIMEOUT; }
    // A top-level window of the process with that class (and caption, when given).
    HWND Find(const char* className, const char* caption = nullptr) const {
        HWND window = nullptr;
        while ((window = FindWindowExA(nullptr, window, className, caption)) != nullptr) {
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if (owner == processId_)
                return window;
        }
        return nullptr;
    }
    // The same once it exists: the hidden main window, or a dialog or message
    // box, WaitFor("#32770", caption).
    HWND WaitFor(const char* className, const char* caption = nullptr) const {
        HWND window = nullptr;
        WaitUntil([&] { return (window = Find(className, caption)) != nullptr; });
        return window;
    }
    HWND WaitForMainWindow() const { return WaitFor("PixelnookClass"); }
    // Waits for the process to end: its exit code, or kNoExit on timeout.
    // Without a process the wait fails at once.
    DWORD ExitCode() {
        DWORD exitCode = kNoExit;
        const bool ended =
            WaitForSingleObject(process_.Get(), kDefaultTimeoutMs) == WAIT_OBJECT_0 &&
            GetExitCodeProcess(process_.Get(), &exitCode);
        return ended ? exitCode : kNoExit;
    }

private:
    KernelHandle process_;
    DWORD processId_ = 0;
};

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
    Pump(200);
    PressKeys({VK_LWIN, VK_F10});
}

// A BMP file as Pixelnook writes it: 32 bits per pixel, rows bottom-up.
struct Bmp {
    static constexpr size_t kHeaderBytes = 54;
    std::string bytes;

    // The little-endian number at that offset, as the x86 reads it.
    uint32_t U32(size_t at) const {
        uint32_t value = 0;
        memcpy(&value, bytes.data() + at, sizeof value);
        return value;
    }
    int32_t Width() const { return static_cast<int32_t>(U32(18)); }
    int32_t Height() const { return static_cast<int32_t>(U32(22)); }
    // The pixel at (x, y) from the top-left.
    COLORREF Pixel(int32_t x, int32_t y) const {
        const uint32_t argb =
            U32(kHeaderBytes + 4 * (size_t(Height() - 1 - y) * size_t(Width()) + size_t(x)));
        return RGB(argb >> 16 & 0xFF, argb >> 8 & 0xFF, argb & 0xFF);
    }
};

// Waits (keeping the test's windows painted) until the file is complete: as
// long as its header says.
inline bool WaitForBmp(const std::string& path, Bmp& bmp) {
    return WaitUntil([&] {
        Pump(20);
        bmp.bytes = FileBytes(path);
        return bmp.bytes.size() >= Bmp::kHeaderBytes && bmp.bytes.size() == bmp.U32(2);
    });
}

}  // namespace e2e
