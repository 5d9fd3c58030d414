#include "dialogs/comdlg32_functions_win.h"

#include "base/handles_win.h"
#include "base/system_functions_win.h"

namespace {

PIXELNOOK_DEFINE_BINDER(BindComdlg32, Comdlg32Functions, PIXELNOOK_COMDLG32_OPTIONAL)

// Filled on first use; the library stays loaded until the process ends, so
// the bound pointer stays valid.
Comdlg32Functions g_comdlg32;
LoadedLibrary g_comdlg32Library;
bool g_comdlg32Bound = false;

}  // namespace

Comdlg32Functions& Comdlg32Optional() {
    if (!g_comdlg32Bound) {
        g_comdlg32Library.Reset(LoadSystemLibrary("comdlg32.dll"));
        BindComdlg32(g_comdlg32Library.Get(), g_comdlg32);
        g_comdlg32Bound = true;
    }
    return g_comdlg32;
}
