// The common dialog the watermark page opens to choose a file, bound at run
// time from the system folder's comdlg32.dll so that the program loads
// without it. The member is null when the function is not offered.
#pragma once

#include <windows.h>

#include <commdlg.h>

#include <cstddef>

#include "base/system_functions_win.h"

#define PIXELNOOK_COMDLG32_OPTIONAL(F) F(::, GetOpenFileNameA)
struct Comdlg32Functions {
    PIXELNOOK_COMDLG32_OPTIONAL(PIXELNOOK_BOUND_FIELD)
};

// Filled on first use; the library stays loaded for the process's life. The
// table is writable only so that tests can stand in for the entry.
Comdlg32Functions& Comdlg32Optional();

// The open-file request's size without the fields Windows 2000 added: the
// only size Windows 98 and NT 4 accept, and one every later system takes.
constexpr DWORD kOpenFileNameSize = offsetof(OPENFILENAMEA, lpTemplateName) + sizeof(LPCSTR);
static_assert(sizeof(void*) != 4 || kOpenFileNameSize == 76,
              "the Windows 98 open-file request is 76 bytes on i686");
