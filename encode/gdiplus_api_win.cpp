// Binding of gdiplus.dll; see gdiplus_api_win.h.
#include "encode/gdiplus_api_win.h"

#include <cstring>
#include <iterator>

#include "base/limits.h"
#include "base/os_version_win.h"
#include "base/system_functions_win.h"
#include "base/text.h"
#include "encode/gdiplus_available_win.h"

namespace {

PIXELNOOK_DEFINE_BINDER(BindAll, GdiplusFunctions, PIXELNOOK_GDIPLUS_FUNCTIONS)

constexpr char kLibraryName[] = "gdiplus.dll";

// Owned here for the life of the process (or until a test forgets it).
GdiplusBinding g_gdiplus;

// "<folder of the program>\gdiplus.dll"; false when it does not fit.
bool LibraryBesideProgram(char (&path)[kPathChars]) {
    const DWORD length = GetModuleFileNameA(nullptr, path, static_cast<DWORD>(std::size(path)));
    if (length == 0 || length >= std::size(path)) {
        return false;
    }
    char* lastSlash = strrchr(path, '\\');
    if (lastSlash == nullptr) {
        return false;
    }
    lastSlash[1] = '\0';
    return AppendText(path, kLibraryName);
}

}  // namespace

bool GdiplusBinding::TryLoad(const char* path) {
    HMODULE library = loader != nullptr ? loader(path) : LoadLibraryA(path);
    if (library == nullptr) {
        return false;
    }
    if (!BindAll(library, functions)) {
        functions = GdiplusFunctions{};
        FreeLibrary(library);
        return false;
    }
    library_ = library;
    return true;
}

bool GdiplusBinding::Bind() {
    if (tried_) {
        return usable_;
    }
    tried_ = true;
    char besideProgram[kPathChars];
    usable_ =
        (LibraryBesideProgram(besideProgram) && TryLoad(besideProgram)) || TryLoad(kLibraryName);
    return usable_;
}

void GdiplusBinding::Forget() {
    functions = GdiplusFunctions{};
    if (library_ != nullptr) {
        FreeLibrary(library_);
        library_ = nullptr;
    }
    tried_ = false;
    usable_ = false;
}

GdiplusBinding& GdiplusLibrary() {
    return g_gdiplus;
}

bool IsGdiplusAvailable() {
    return GetOsVersionClass() > kOsWindows95 && g_gdiplus.Bind();
}
