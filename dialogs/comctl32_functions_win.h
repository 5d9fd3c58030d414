// The common controls the settings dialog needs (its page list and the list's
// image list), bound at run time from the system folder's comctl32.dll so that
// the program loads without it. Each member is null when the function is not
// offered; callers check before calling.
#pragma once

#include <windows.h>

#include <commctrl.h>

struct Comctl32Functions {
    void(WINAPI* InitCommonControls)() = nullptr;
    HIMAGELIST(WINAPI* ImageList_Create)
    (int width, int height, UINT flags, int initial, int grow) = nullptr;
    int(WINAPI* ImageList_ReplaceIcon)(HIMAGELIST list, int index, HICON icon) = nullptr;
    COLORREF(WINAPI* ImageList_SetBkColor)(HIMAGELIST list, COLORREF colour) = nullptr;
    BOOL(WINAPI* ImageList_Destroy)(HIMAGELIST list) = nullptr;
};

// Filled on first use; the library stays loaded for the process's life, which
// also keeps the list-view class it registers.
const Comctl32Functions& Comctl32Optional();
