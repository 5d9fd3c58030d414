#include "dialogs/comctl32_functions_win.h"

#include "base/handles_win.h"
#include "base/system_functions_win.h"

PIXELNOOK_SAME_AS_SDK(Comctl32Functions::InitCommonControls, ::InitCommonControls);
PIXELNOOK_SAME_AS_SDK(Comctl32Functions::ImageList_Create, ::ImageList_Create);
PIXELNOOK_SAME_AS_SDK(Comctl32Functions::ImageList_ReplaceIcon, ::ImageList_ReplaceIcon);
PIXELNOOK_SAME_AS_SDK(Comctl32Functions::ImageList_SetBkColor, ::ImageList_SetBkColor);
PIXELNOOK_SAME_AS_SDK(Comctl32Functions::ImageList_Destroy, ::ImageList_Destroy);

namespace {

// Filled once on first use; the library stays loaded until the process ends,
// so the bound pointers stay valid.
Comctl32Functions g_comctl32;
LoadedLibrary g_comctl32Library;
bool g_comctl32Bound = false;

}  // namespace

const Comctl32Functions& Comctl32Optional() {
    if (!g_comctl32Bound) {
        g_comctl32Library.Reset(LoadSystemLibrary("comctl32.dll"));
        HMODULE comctl32 = g_comctl32Library.Get();
        BindFunction(comctl32, "InitCommonControls", g_comctl32.InitCommonControls);
        BindFunction(comctl32, "ImageList_Create", g_comctl32.ImageList_Create);
        BindFunction(comctl32, "ImageList_ReplaceIcon", g_comctl32.ImageList_ReplaceIcon);
        BindFunction(comctl32, "ImageList_SetBkColor", g_comctl32.ImageList_SetBkColor);
        BindFunction(comctl32, "ImageList_Destroy", g_comctl32.ImageList_Destroy);
        g_comctl32Bound = true;
    }
    return g_comctl32;
}
