// The common dialog the watermark page opens to choose a file, bound at run
// time from the system folder's comdlg32.dll so that the program loads
// without it. The member is null when the function is not offered.
#pragma once

#include <windows.h>

#include <commdlg.h>

#include <cstddef>

struct Comdlg32Functions {
    BOOL(WINAPI* GetOpenFileNameA)(LPOPENFILENAMEA request) = nullptr;
};

// Filled on first use; the library stays loaded for the process's life. The
// table is writable only so that tests can stand in for the entry.
Comdlg32Functions& Comdlg32Optional();

// The open-file request's size without the fields Windows 2000 added: the
// only size Windows 98 and NT 4 accept, and one every later system takes.
constexpr DWORD kOpenFileNameSize = offsetof(OPENFILENAMEA, lpTemplateName) + sizeof(LPCSTR);
static_assert(sizeof(void*) != 4 || kOpenFileNameSize == 76,
              "the Windows 98 open-file request is 76 bytes on i686");
