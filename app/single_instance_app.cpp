#include "app/single_instance_app.h"

#include "shell/activation_win.h"
#include "base/text.h"

namespace {

// Filled by the one application object's constructor, read by the entry.
struct SingleInstanceState {
    SingleInstanceApp* app = nullptr;
    bool guardEnabled = false;
    HANDLE guardMutex = nullptr;  // created by the entry; held until exit
    uint32_t activationCommand = 0;
};
SingleInstanceState g_singleInstance;

// A second copy: bring the running copy forward and hand it the activation
// command. The mutex handle is left to the system to close at exit.
int HandOverToRunningCopy() {
    SingleInstanceApp* app = g_singleInstance.app;
    if (app->findExistingWindow) {
        HWND running = FindWindowA(app->windowClassName, nullptr);
        if (running != nullptr) {
            if (IsWindowVisible(running)) {
                BringToForeground(running);
            }
            if (g_singleInstance.activationCommand != 0) {
                PostMessageA(running, WM_COMMAND, g_singleInstance.activationCommand, 0);
            }
        }
    }
    return 1;
}

}  // namespace

SingleInstanceApp::SingleInstanceApp(const char* mutexName_, const char* windowClassName_,
                                     uint32_t activationCommand)
    : mutexName{}, windowClassName{}, findExistingWindow(windowClassName_ != nullptr) {
    CopyText(mutexName, mutexName_);
    CopyText(windowClassName, windowClassName_);
    g_singleInstance.app = this;
    g_singleInstance.guardEnabled = mutexName_ != nullptr;
    g_singleInstance.guardMutex = nullptr;
    g_singleInstance.activationCommand = activationCommand;
}

int RunSingleInstance(HINSTANCE instance) {
    SingleInstanceApp* app = g_singleInstance.app;
    if (app == nullptr) {
        return 1;
    }
    if (g_singleInstance.guardEnabled) {
        g_singleInstance.guardMutex = CreateMutexA(nullptr, TRUE, app->mutexName);
        if (g_singleInstance.guardMutex == nullptr || GetLastError() == ERROR_ALREADY_EXISTS) {
            return HandOverToRunningCopy();
        }
    }
    app->instance = instance;
    int exitCode = app->Run();
    if (g_singleInstance.guardMutex != nullptr) {
        ReleaseMutex(g_singleInstance.guardMutex);
    }
    return exitCode;
}
