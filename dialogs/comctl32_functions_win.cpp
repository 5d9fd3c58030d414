#include "dialogs/comctl32_functions_win.h"

#include "base/handles_win.h"
#include "base/system_functions_win.h"

namespace {

PIXELNOOK_DEFINE_BINDER(BindComctl32, Comctl32Functions, PIXELNOOK_COMCTL32_OPTIONAL)

// Filled once on first use; the library stays loaded until the process ends,
// so the bound pointers stay valid.
Comctl32Functions g_comctl32;
LoadedLibrary g_comctl32Library;
bool g_comctl32Bound = false;

}  // namespace

const Comctl32Functions& Comctl32Optional() {
    if (!g_comctl32Bound) {
        g_comctl32Library.Reset(LoadSystemLibrary("comctl32.dll"));
        BindComctl32(g_comctl32Library.Get(), g_comctl32);
        g_comctl32Bound = true;
    }
    return g_comctl32;
}
