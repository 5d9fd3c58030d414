// Helpers for the end-to-end tests: start pixelnook.exe in a scratch folder,
// find its windows and message boxes, press keys, and wait for it to exit.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace e2e {

constexpr DWORD kDefaultTimeoutMs = 20000;

// Windows path of the pixelnook.exe built with these tests.
std::string PixelnookExePath();

// A fresh empty folder under the prefix's temporary folder, removed with all
// it holds when the object goes.
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

// Makes pixelnook.exe (and only it) see another Windows version while the
// object lives: "win98", "winme", "win2k", "winxp", "win7", ...
class ReportedVersion {
public:
    explicit ReportedVersion(const char* version);
    ~ReportedVersion();
    ReportedVersion(const ReportedVersion&) = delete;
    ReportedVersion& operator=(const ReportedVersion&) = delete;
};

// Makes pixelnook.exe (and only it) fail to load the named DLL while the
// object lives, as on a system without it: DisabledDll noGdiplus("gdiplus").
class DisabledDll {
public:
    explicit DisabledDll(const char* dll);
    ~DisabledDll();
    DisabledDll(const DisabledDll&) = delete;
    DisabledDll& operator=(const DisabledDll&) = delete;

private:
    std::string dll_;
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
    DWORD Id() const { return processId_; }
    bool IsRunning() const;

    // The hidden main window (class "PixelnookClass") once it exists.
    HWND WaitForMainWindow(DWORD timeoutMs = kDefaultTimeoutMs) const;
    // A dialog or message box of this process with the given caption.
    HWND WaitForDialog(const std::string& caption, DWORD timeoutMs = kDefaultTimeoutMs) const;

    // Waits for the process to end; false on timeout.
    bool WaitForExit(DWORD* exitCode, DWORD timeoutMs = kDefaultTimeoutMs);
    // Closes the main window as the system would, and waits for the exit code.
    bool Close(DWORD* exitCode, DWORD timeoutMs = kDefaultTimeoutMs);

private:
    HANDLE process_ = nullptr;
    DWORD processId_ = 0;
};

// A top-level window of the process with that class (and caption, when given).
HWND FindProcessWindow(DWORD processId, const char* className, const char* caption);
std::string WindowText(HWND window);
// The message text of a message box.
std::string MessageBoxText(HWND box);
// Clicks a dialog button by its control id (IDOK, IDCANCEL, ...).
void PressButton(HWND dialog, int controlId);

// Presses and releases a key combination through SendInput, as a person would.
// modifiers: MOD_ALT, MOD_CONTROL, MOD_SHIFT, MOD_WIN.
void PressHotKey(UINT modifiers, UINT virtualKey);

// Polls until the condition holds or the time runs out.
template <typename Condition>
bool WaitUntil(Condition condition, DWORD timeoutMs = kDefaultTimeoutMs) {
    DWORD start = GetTickCount();
    while (!condition()) {
        if (GetTickCount() - start > timeoutMs) {
            return false;
        }
        Sleep(50);
    }
    return true;
}

}  // namespace e2e
