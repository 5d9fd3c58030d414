#include "shell/startup_link_win.h"

#include <objbase.h>
#include <shlobj.h>

#include <cstdio>
#include <initializer_list>

#include "base/limits.h"
#include "base/text.h"
#include "shell/shell32_functions_win.h"

namespace {

constexpr char kLinkName[] = "\\Pixelnook.lnk";

// Releases a COM interface when the scope ends.
template <typename Interface>
class ComPointer {
public:
    ComPointer() = default;
    ~ComPointer() {
        if (pointer_ != nullptr) {
            pointer_->Release();
        }
    }
    ComPointer(const ComPointer&) = delete;
    ComPointer& operator=(const ComPointer&) = delete;

    Interface* operator->() const { return pointer_; }
    void** Out() { return reinterpret_cast<void**>(&pointer_); }

private:
    Interface* pointer_ = nullptr;
};

}  // namespace

HRESULT CreateShellLink(const char* target, const char* workingDirectory, const char* linkPath,
                        const char* description) {
    auto createInstance = Ole32Optional().CoCreateInstance;
    if (createInstance == nullptr) {
        return E_NOTIMPL;
    }
    ComPointer<IShellLinkA> link;
    HRESULT result =
        createInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA, link.Out());
    if (FAILED(result)) {
        return result;
    }
    link->SetPath(target);
    link->SetWorkingDirectory(workingDirectory);
    link->SetDescription(description);
    ComPointer<IPersistFile> file;
    result = link->QueryInterface(IID_IPersistFile, file.Out());
    if (SUCCEEDED(result)) {
        wchar_t widePath[kPathChars];
        if (MultiByteToWideChar(CP_ACP, 0, linkPath, -1, widePath, kPathChars) == 0) {
            return E_INVALIDARG;  // a path too long for the buffer is not cut
        }
        result = file->Save(widePath, TRUE);
    }
    return result;
}

void UpdateStartupLinks(bool makeLink, bool userLink, const char* workingDirectory) {
    const Ole32Functions& ole32 = Ole32Optional();
    auto folderPath = Shell32Optional().SHGetSpecialFolderPathA;
    if (ole32.CoInitialize == nullptr || ole32.CoUninitialize == nullptr || folderPath == nullptr) {
        return;
    }
    const int targetFolder = userLink ? kUserStartupFolder : kCommonStartupFolder;
    const HRESULT initialised = ole32.CoInitialize(nullptr);
    char program[kPathChars] = "";
    const DWORD length = GetModuleFileNameA(nullptr, program, kPathChars);
    const bool programKnown = length > 0 && length < kPathChars;
    for (int folder : {kUserStartupFolder, kCommonStartupFolder}) {
        char link[kPathChars] = "";
        // A folder whose path cannot be had (or would be cut) is left alone.
        if (!folderPath(nullptr, link, folder, FALSE) || !AppendText(link, kLinkName)) {
            continue;
        }
        if (makeLink && folder == targetFolder) {
            if (programKnown) {
                CreateShellLink(program, workingDirectory, link, "");
            }
        } else {
            remove(link);  // a missing file is no error
        }
    }
    if (SUCCEEDED(initialised)) {
        ole32.CoUninitialize();
    }
}
