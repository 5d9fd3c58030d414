// Binding of gdiplus.dll; see gdiplus_api_win.h.
#include "capture/gdiplus_api_win.h"

#include <cstring>
#include <iterator>
#include <type_traits>

#include "base/limits.h"
#include "base/os_version_win.h"
#include "base/text.h"
#include "capture/gdiplus_available_win.h"

namespace {

// Each pointer has exactly the type of the SDK's declaration, calling
// convention included (which only the i686 build can get wrong).
#define PIXELNOOK_SAME_AS_SDK(name, declared)                                            \
    static_assert(std::is_same_v<decltype(GdiplusFunctions::name), decltype(&declared)>, \
                  #name " differs from the SDK's declaration")
#define PIXELNOOK_SAME_AS_FLAT(name) PIXELNOOK_SAME_AS_SDK(name, gdip::DllExports::name)
PIXELNOOK_SAME_AS_SDK(GdiplusStartup, gdip::GdiplusStartup);
PIXELNOOK_SAME_AS_SDK(GdiplusShutdown, gdip::GdiplusShutdown);
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
#undef PIXELNOOK_SAME_AS_SDK

constexpr char kLibraryName[] = "gdiplus.dll";

// Owned here for the life of the process (or until a test forgets it).
GdiplusBinding g_gdiplus;

template <typename Function>
bool Bind(HMODULE module, const char* name, Function& function) {
    function = reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
    return function != nullptr;
}

bool BindAll(HMODULE m, GdiplusFunctions& f) {
    return Bind(m, "GdiplusStartup", f.GdiplusStartup) &&
           Bind(m, "GdiplusShutdown", f.GdiplusShutdown) &&
           Bind(m, "GdipGetImageEncodersSize", f.GdipGetImageEncodersSize) &&
           Bind(m, "GdipGetImageEncoders", f.GdipGetImageEncoders) &&
           Bind(m, "GdipCreateBitmapFromHBITMAP", f.GdipCreateBitmapFromHBITMAP) &&
           Bind(m, "GdipCreateBitmapFromScan0", f.GdipCreateBitmapFromScan0) &&
           Bind(m, "GdipCreateBitmapFromFile", f.GdipCreateBitmapFromFile) &&
           Bind(m, "GdipCloneBitmapAreaI", f.GdipCloneBitmapAreaI) &&
           Bind(m, "GdipDisposeImage", f.GdipDisposeImage) &&
           Bind(m, "GdipGetImageWidth", f.GdipGetImageWidth) &&
           Bind(m, "GdipGetImageHeight", f.GdipGetImageHeight) &&
           Bind(m, "GdipGetImageGraphicsContext", f.GdipGetImageGraphicsContext) &&
           Bind(m, "GdipDeleteGraphics", f.GdipDeleteGraphics) &&
           Bind(m, "GdipSetPageUnit", f.GdipSetPageUnit) &&
           Bind(m, "GdipSetInterpolationMode", f.GdipSetInterpolationMode) &&
           Bind(m, "GdipDrawImageRectI", f.GdipDrawImageRectI) &&
           Bind(m, "GdipBitmapLockBits", f.GdipBitmapLockBits) &&
           Bind(m, "GdipBitmapUnlockBits", f.GdipBitmapUnlockBits) &&
           Bind(m, "GdipGetImagePaletteSize", f.GdipGetImagePaletteSize) &&
           Bind(m, "GdipGetImagePalette", f.GdipGetImagePalette) &&
           Bind(m, "GdipSetImagePalette", f.GdipSetImagePalette) &&
           Bind(m, "GdipSetPropertyItem", f.GdipSetPropertyItem) &&
           Bind(m, "GdipSaveImageToFile", f.GdipSaveImageToFile);
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
