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

#define PIXELNOOK_SAME_AS_FLAT(name) \
    PIXELNOOK_SAME_AS_SDK(GdiplusFunctions::name, gdip::DllExports::name)
PIXELNOOK_SAME_AS_SDK(GdiplusFunctions::GdiplusStartup, gdip::GdiplusStartup);
PIXELNOOK_SAME_AS_SDK(GdiplusFunctions::GdiplusShutdown, gdip::GdiplusShutdown);
PIXELNOOK_SAME_AS_FLAT(GdipGetImageEncodersSize);
PIXELNOOK_SAME_AS_FLAT(GdipGetImageEncoders);
PIXELNOOK_SAME_AS_FLAT(GdipCreateBitmapFromHBITMAP);
PIXELNOOK_SAME_AS_FLAT(GdipCreateBitmapFromScan0);
PIXELNOOK_SAME_AS_FLAT(GdipCreateBitmapFromFile);
PIXELNOOK_SAME_AS_FLAT(GdipCloneBitmapAreaI);
PIXELNOOK_SAME_AS_FLAT(GdipDisposeImage);
PIXELNOOK_SAME_AS_FLAT(GdipGetImageWidth);
PIXELNOOK_SAME_AS_FLAT(GdipGetImageHeight);
PIXELNOOK_SAME_AS_FLAT(GdipGetImageGraphicsContext);
PIXELNOOK_SAME_AS_FLAT(GdipDeleteGraphics);
PIXELNOOK_SAME_AS_FLAT(GdipSetPageUnit);
PIXELNOOK_SAME_AS_FLAT(GdipSetInterpolationMode);
PIXELNOOK_SAME_AS_FLAT(GdipDrawImageRectI);
PIXELNOOK_SAME_AS_FLAT(GdipBitmapLockBits);
PIXELNOOK_SAME_AS_FLAT(GdipBitmapUnlockBits);
PIXELNOOK_SAME_AS_FLAT(GdipGetImagePaletteSize);
PIXELNOOK_SAME_AS_FLAT(GdipGetImagePalette);
PIXELNOOK_SAME_AS_FLAT(GdipSetImagePalette);
PIXELNOOK_SAME_AS_FLAT(GdipSetPropertyItem);
PIXELNOOK_SAME_AS_FLAT(GdipSaveImageToFile);
#undef PIXELNOOK_SAME_AS_FLAT

constexpr char kLibraryName[] = "gdiplus.dll";

// Owned here for the life of the process (or until a test forgets it).
GdiplusBinding g_gdiplus;

bool BindAll(HMODULE m, GdiplusFunctions& f) {
    return BindFunction(m, "GdiplusStartup", f.GdiplusStartup) &&
           BindFunction(m, "GdiplusShutdown", f.GdiplusShutdown) &&
           BindFunction(m, "GdipGetImageEncodersSize", f.GdipGetImageEncodersSize) &&
           BindFunction(m, "GdipGetImageEncoders", f.GdipGetImageEncoders) &&
           BindFunction(m, "GdipCreateBitmapFromHBITMAP", f.GdipCreateBitmapFromHBITMAP) &&
           BindFunction(m, "GdipCreateBitmapFromScan0", f.GdipCreateBitmapFromScan0) &&
           BindFunction(m, "GdipCreateBitmapFromFile", f.GdipCreateBitmapFromFile) &&
           BindFunction(m, "GdipCloneBitmapAreaI", f.GdipCloneBitmapAreaI) &&
           BindFunction(m, "GdipDisposeImage", f.GdipDisposeImage) &&
           BindFunction(m, "GdipGetImageWidth", f.GdipGetImageWidth) &&
           BindFunction(m, "GdipGetImageHeight", f.GdipGetImageHeight) &&
           BindFunction(m, "GdipGetImageGraphicsContext", f.GdipGetImageGraphicsContext) &&
           BindFunction(m, "GdipDeleteGraphics", f.GdipDeleteGraphics) &&
           BindFunction(m, "GdipSetPageUnit", f.GdipSetPageUnit) &&
           BindFunction(m, "GdipSetInterpolationMode", f.GdipSetInterpolationMode) &&
           BindFunction(m, "GdipDrawImageRectI", f.GdipDrawImageRectI) &&
           BindFunction(m, "GdipBitmapLockBits", f.GdipBitmapLockBits) &&
           BindFunction(m, "GdipBitmapUnlockBits", f.GdipBitmapUnlockBits) &&
           BindFunction(m, "GdipGetImagePaletteSize", f.GdipGetImagePaletteSize) &&
           BindFunction(m, "GdipGetImagePalette", f.GdipGetImagePalette) &&
           BindFunction(m, "GdipSetImagePalette", f.GdipSetImagePalette) &&
           BindFunction(m, "GdipSetPropertyItem", f.GdipSetPropertyItem) &&
           BindFunction(m, "GdipSaveImageToFile", f.GdipSaveImageToFile);
}

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
