// The common controls the settings dialog needs (its page list and the list's
// image list), bound at run time from the system folder's comctl32.dll so that
// the program loads without it. Each member is null when the function is not
// offered; callers check before calling.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include "base/system_functions_win.h"

#define PIXELNOOK_COMCTL32_OPTIONAL(F) \
    F(::, InitCommonControls)          \
    F(::, ImageList_Create)            \
    F(::, ImageList_ReplaceIcon)       \
    F(::, ImageList_SetBkColor)        \
    F(::, ImageList_Destroy)
struct Comctl32Functions {
    PIXELNOOK_COMCTL32_OPTIONAL(PIXELNOOK_BOUND_FIELD)
};

// Filled on first use; the library stays loaded for the process's life, which
// also keeps the list-view class it registers.
const Comctl32Functions& Comctl32Optional();
