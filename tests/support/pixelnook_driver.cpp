#include "tests/support/pixelnook_driver.h"

#include <cstdio>
#include <cstring>

namespace e2e {

namespace {

constexpr char kAppDefaultsKey[] = "Software\\Wine\\AppDefaults\\pixelnook.exe";

void RemoveTree(const std::string& path) {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((path + "\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            std::string name = found.cFileName;
            if (name == "." || name == "..")
                continue;
            std::string child = path + "\\" + name;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                RemoveTree(child);
            } else {
                SetFileAttributesA(child.c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileA(child.c_str());
            }
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    RemoveDirectoryA(path.c_str());
}

struct WindowQuery {
    DWORD processId;
    const char* className;
    const char* caption;
    HWND found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM param) {
    auto* query = reinterpret_cast<WindowQuery*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != query->processId)
        return TRUE;
    char className[256] = "";
    GetClassNameA(window, className, sizeof className);
    if (query->className != nullptr && strcmp(className, query->className) != 0)
        return TRUE;
    if (query->caption != nullptr && WindowText(window) != query->caption)
        return TRUE;
    query->found = window;
    return FALSE;
}

BOOL CALLBACK CollectStaticText(HWND child, LPARAM param) {
    char className[64] = "";
    GetClassNameA(child, className, sizeof className);
    std::string text = WindowText(child);
    auto* longest = reinterpret_cast<std::string*>(param);
    if (_stricmp(className, "Static") == 0 && text.size() > longest->size()) {
        *longest = text;
    }
    return TRUE;
}

INPUT KeyInput(UINT virtualKey, bool up) {
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = static_cast<WORD>(virtualKey);
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    return input;
}

}  // namespace

std::string PixelnookExePath() {
    // The build tree is on the Linux file system, which Wine shows as drive Z:.
    std::string path = std::string("Z:") + PIXELNOOK_EXE_UNIX_PATH;
    for (char& c : path) {
        if (c == '/')
            c = '\\';
    }
    return path;
}

ScratchDir::ScratchDir() {
    char temp[MAX_PATH] = "";
    GetTempPathA(sizeof temp, temp);
    static unsigned counter = 0;  // only tests use this; keeps names unique per process
    char name[64];
    snprintf(name, sizeof name, "pixelnook-e2e-%lu-%u", GetCurrentProcessId(), ++counter);
    path_ = std::string(temp) + name;
    RemoveTree(path_);
    CreateDirectoryA(path_.c_str(), nullptr);
}

ScratchDir::~ScratchDir() {
    RemoveTree(path_);
}

void ScratchDir::WriteFile(const std::string& name, const std::string& contents) const {
    FILE* file = fopen(FilePath(name).c_str(), "wb");
    if (file != nullptr) {
        fwrite(contents.data(), 1, contents.size(), file);
        fclose(file);
    }
}

std::vector<std::string> ScratchDir::List() const {
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((path_ + "\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            std::string name = found.cFileName;
            if (name != "." && name != "..")
                names.push_back(name);
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    return names;
}

ReportedVersion::ReportedVersion(const char* version) {
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, kAppDefaultsKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                        &key, nullptr) == ERROR_SUCCESS) {
        RegSetValueExA(key, "Version", 0, REG_SZ, reinterpret_cast<const BYTE*>(version),
                       static_cast<DWORD>(strlen(version) + 1));
        RegCloseKey(key);
    }
}

ReportedVersion::~ReportedVersion() {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kAppDefaultsKey, 0, KEY_SET_VALUE, &key) ==
        ERROR_SUCCESS) {
        RegDeleteValueA(key, "Version");
        RegCloseKey(key);
    }
}

namespace {
constexpr char kDllOverridesKey[] = "Software\\Wine\\AppDefaults\\pixelnook.exe\\DllOverrides";
}  // namespace

DisabledDll::DisabledDll(const char* dll) : dll_(dll) {
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, kDllOverridesKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                        &key, nullptr) == ERROR_SUCCESS) {
        // An empty load order: the DLL is never loaded.
        RegSetValueExA(key, dll_.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(""), 1);
        RegCloseKey(key);
    }
}

DisabledDll::~DisabledDll() {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kDllOverridesKey, 0, KEY_SET_VALUE, &key) ==
        ERROR_SUCCESS) {
        RegDeleteValueA(key, dll_.c_str());
        RegCloseKey(key);
    }
}

PixelnookProcess::~PixelnookProcess() {
    if (process_ != nullptr) {
        if (IsRunning()) {
            TerminateProcess(process_, 99);
            WaitForSingleObject(process_, 5000);
        }
        CloseHandle(process_);
    }
}

bool PixelnookProcess::Start(const ScratchDir& dir, const std::string& iniText) {
    if (!iniText.empty()) {
        dir.WriteFile("Pixelnook.ini", iniText);
    }
    std::string exe = PixelnookExePath();
    std::string commandLine = "\"" + exe + "\"";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info = {};
    if (!CreateProcessA(exe.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                        dir.Path().c_str(), &startup, &info)) {
        return false;
    }
    CloseHandle(info.hThread);
    process_ = info.hProcess;
    processId_ = info.dwProcessId;
    return true;
}

bool PixelnookProcess::IsRunning() const {
    return process_ != nullptr && WaitForSingleObject(process_, 0) == WAIT_TIMEOUT;
}

HWND PixelnookProcess::WaitForMainWindow(DWORD timeoutMs) const {
    HWND window = nullptr;
    WaitUntil(
        [&] {
            window = FindProcessWindow(processId_, "PixelnookClass", nullptr);
            return window != nullptr;
        },
        timeoutMs);
    return window;
}

HWND PixelnookProcess::WaitForDialog(const std::string& caption, DWORD timeoutMs) const {
    HWND window = nullptr;
    WaitUntil(
        [&] {
            window = FindProcessWindow(processId_, "#32770", caption.c_str());
            return window != nullptr;
        },
        timeoutMs);
    return window;
}

bool PixelnookProcess::WaitForExit(DWORD* exitCode, DWORD timeoutMs) {
    if (process_ == nullptr || WaitForSingleObject(process_, timeoutMs) != WAIT_OBJECT_0) {
        return false;
    }
    GetExitCodeProcess(process_, exitCode);
    return true;
}

bool PixelnookProcess::Close(DWORD* exitCode, DWORD timeoutMs) {
    HWND window = FindProcessWindow(processId_, "PixelnookClass", nullptr);
    if (window == nullptr) {
        return false;
    }
    PostMessageA(window, WM_CLOSE, 0, 0);
    return WaitForExit(exitCode, timeoutMs);
}

HWND FindProcessWindow(DWORD processId, const char* className, const char* caption) {
    WindowQuery query = {processId, className, caption, nullptr};
    EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&query));
    return query.found;
}

std::string WindowText(HWND window) {
    int length = GetWindowTextLengthA(window);
    std::string text(static_cast<size_t>(length) + 1, '\0');
    int copied = GetWindowTextA(window, &text[0], length + 1);
    text.resize(static_cast<size_t>(copied > 0 ? copied : 0));
    return text;
}

std::string MessageBoxText(HWND box) {
    std::string longest;
    EnumChildWindows(box, CollectStaticText, reinterpret_cast<LPARAM>(&longest));
    return longest;
}

void PressButton(HWND dialog, int controlId) {
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(controlId, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, controlId)));
}

void PressHotKey(UINT modifiers, UINT virtualKey) {
    std::vector<INPUT> inputs;
    const struct {
        UINT flag;
        UINT key;
    } kModifierKeys[] = {
        {MOD_ALT, VK_MENU}, {MOD_CONTROL, VK_CONTROL}, {MOD_SHIFT, VK_SHIFT}, {MOD_WIN, VK_LWIN}};
    for (const auto& m : kModifierKeys) {
        if (modifiers & m.flag)
            inputs.push_back(KeyInput(m.key, false));
    }
    inputs.push_back(KeyInput(virtualKey, false));
    inputs.push_back(KeyInput(virtualKey, true));
    for (auto it = std::rbegin(kModifierKeys); it != std::rend(kModifierKeys); ++it) {
        if (modifiers & it->flag)
            inputs.push_back(KeyInput(it->key, true));
    }
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

}  // namespace e2e
