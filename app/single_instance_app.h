// SingleInstanceApp: the process entry's guard against a second running copy.
//
// The first copy creates a named mutex and runs. A later copy finds the mutex
// taken, brings the running copy's window forward, posts it the activation
// command and exits with 1.
#pragma once

#include <windows.h>

#include <cstdint>

#include "settings/grab_settings.h"

class SingleInstanceApp {
public:
    // Any argument may be null or 0; a null name is kept as the empty text.
    SingleInstanceApp(const char* mutexName, const char* windowClassName,
                      uint32_t activationCommand);
    virtual ~SingleInstanceApp() = default;
    SingleInstanceApp(const SingleInstanceApp&) = delete;
    SingleInstanceApp& operator=(const SingleInstanceApp&) = delete;

    // The whole life of the program; returns the process exit code.
    virtual int Run() = 0;

    HINSTANCE instance = nullptr;
    char mutexName[kTextChars];
    char windowClassName[kTextChars];
    bool findExistingWindow;
};

// The entry's work: the guard, then Run of the one application object.
int RunSingleInstance(HINSTANCE instance);
