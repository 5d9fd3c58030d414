#include "tests/support/pixelnook_driver.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>

namespace e2e {

namespace {

constexpr char kAppDefaultsKey[] = "Software\\Wine\\AppDefaults\\pixelnook.exe";
// The control of a message box that holds its text.
constexpr int kMessageBoxTextId = 0xFFFF;

}  // namespace

ScratchDir::ScratchDir() {
    static unsigned counter = 0;  // test-only: unique names in this process
    char temp[MAX_PATH] = "";
    GetTempPathA(sizeof temp, temp);
    path_ = temp + ("pixelnook-e2e-" + std::to_string(GetCurrentProcessId()) + "-" +
                    std::to_string(++counter));
    CreateDirectoryA(path_.c_str(), nullptr);
}

ScratchDir::~ScratchDir() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

void ScratchDir::WriteFile(const std::string& name, const std::string& contents) const {
    std::ofstream(FilePath(name), std::ios::binary) << contents;
}

std::vector<std::string> ScratchDir::List() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(path_))
        names.push_back(entry.path().filename().string());
    return names;
}

AppDefault::AppDefault(const char* subKey, const char* name, const char* value) : name_(name) {
    const std::string path = std::string(kAppDefaultsKey) + (*subKey != '\0' ? "\\" : "") + subKey;
    RegCreateKeyA(HKEY_CURRENT_USER, path.c_str(), &key_);
    RegSetValueExA(key_, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value),
                   static_cast<DWORD>(strlen(value) + 1));
}

AppDefault::~AppDefault() {
    RegDeleteValueA(key_, name_.c_str());
    RegCloseKey(key_);
}

PixelnookProcess::~PixelnookProcess() {
    if (IsRunning()) {
        TerminateProcess(process_, 99);
        WaitForSingleObject(process_, 5000);
    }
    if (process_ != nullptr)
        CloseHandle(process_);
}

bool PixelnookProcess::Start(const ScratchDir& dir, const std::string& iniText) {
    if (!iniText.empty())
        dir.WriteFile("Pixelnook.ini", iniText);
    // The build tree is on the Linux file system, which Wine shows as drive Z:.
    std::string exe = std::string("Z:") + PIXELNOOK_EXE_UNIX_PATH;
    std::replace(exe.begin(), exe.end(), '/', '\\');
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info = {};
    if (!CreateProcessA(exe.c_str(), nullptr, nullptr, nullptr, FALSE, 0, nullptr,
                        dir.Path().c_str(), &startup, &info))
        return false;
    CloseHandle(info.hThread);
    process_ = info.hProcess;
    processId_ = info.dwProcessId;
    return true;
}

bool PixelnookProcess::IsRunning() const {
    return process_ != nullptr && WaitForSingleObject(process_, 0) == WAIT_TIMEOUT;
}

HWND PixelnookProcess::Find(const char* className, const char* caption) const {
    HWND window = nullptr;
    while ((window = FindWindowExA(nullptr, window, className, caption)) != nullptr) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner == processId_)
            return window;
    }
    return nullptr;
}

HWND PixelnookProcess::WaitFor(const char* className, const char* caption) const {
    HWND window = nullptr;
    WaitUntil([&] { return (window = Find(className, caption)) != nullptr; });
    return window;
}

DWORD PixelnookProcess::ExitCode() {
    // Without a process the wait fails at once.
    DWORD exitCode = kNoExit;
    const bool ended = WaitForSingleObject(process_, kDefaultTimeoutMs) == WAIT_OBJECT_0 &&
                       GetExitCodeProcess(process_, &exitCode);
    return ended ? exitCode : kNoExit;
}

DWORD PixelnookProcess::Close() {
    HWND window = Find("PixelnookClass");
    return window != nullptr && PostMessageA(window, WM_CLOSE, 0, 0) ? ExitCode() : kNoExit;
}

std::string MessageBoxText(HWND box) {
    return WindowText(GetDlgItem(box, kMessageBoxTextId));
}

}  // namespace e2e
