// The GDI+ flat interface, bound at run time: gdiplus.dll is loaded once, and
// its functions are reached only through the one table below, so the program
// still starts (and writes BMP files itself) where GDI+ is missing.
//
// Where the library comes from matters: a store makes the storage folder the
// current directory, and a "gdiplus.dll" placed there must never be the one
// that runs. So the library is looked for first in the program's own folder by
// its full path, then by name, and only ever from IsGdiplusAvailable, which
// the store asks before it changes folder; the answer is kept for the life of
// the process.
#pragma once

#include <windows.h>
#include <objidl.h>  // PROPID and IStream, which the GDI+ declarations use
#include <gdiplus.h>

#include "base/system_functions_win.h"

// The GDI+ types and status values, used under a short name.
namespace gdip = Gdiplus;

// Every GDI+ function the program uses: start-up and shutdown live in the
// Gdiplus namespace, the flat functions in Gdiplus::DllExports.
#define PIXELNOOK_GDIPLUS_FUNCTIONS(F)                 \
    F(gdip::, GdiplusStartup)                          \
    F(gdip::, GdiplusShutdown)                         \
    F(gdip::DllExports::, GdipGetImageEncodersSize)    \
    F(gdip::DllExports::, GdipGetImageEncoders)        \
    F(gdip::DllExports::, GdipCreateBitmapFromHBITMAP) \
    F(gdip::DllExports::, GdipCreateBitmapFromScan0)   \
    F(gdip::DllExports::, GdipCreateBitmapFromFile)    \
    F(gdip::DllExports::, GdipCloneBitmapAreaI)        \
    F(gdip::DllExports::, GdipDisposeImage)            \
    F(gdip::DllExports::, GdipGetImageWidth)           \
    F(gdip::DllExports::, GdipGetImageHeight)          \
    F(gdip::DllExports::, GdipGetImagePixelFormat)     \
    F(gdip::DllExports::, GdipGetImageGraphicsContext) \
    F(gdip::DllExports::, GdipDeleteGraphics)          \
    F(gdip::DllExports::, GdipSetPageUnit)             \
    F(gdip::DllExports::, GdipSetInterpolationMode)    \
    F(gdip::DllExports::, GdipDrawImageRectI)          \
    F(gdip::DllExports::, GdipBitmapLockBits)          \
    F(gdip::DllExports::, GdipBitmapUnlockBits)        \
    F(gdip::DllExports::, GdipGetImagePaletteSize)     \
    F(gdip::DllExports::, GdipGetImagePalette)         \
    F(gdip::DllExports::, GdipSetImagePalette)         \
    F(gdip::DllExports::, GdipSetPropertyItem)         \
    F(gdip::DllExports::, GdipSaveImageToFile)

struct GdiplusFunctions {
    PIXELNOOK_GDIPLUS_FUNCTIONS(PIXELNOOK_BOUND_FIELD)
};

// The process's one binding of gdiplus.dll.
class GdiplusBinding {
public:
    using Loader = HMODULE(WINAPI*)(LPCSTR name);

    // Loads the library and fills the table on the first call; true when every
    // function is there. Later calls only give the first call's answer.
    bool Bind();
    bool Usable() const { return usable_; }

    // All null until Bind succeeds. Tests may wrap entries to watch the calls.
    GdiplusFunctions functions;
    // What loads the library: LoadLibraryA when null; a test puts a watcher
    // here. (Null, not &LoadLibraryA, keeps the binding constant-initialised:
    // the application object asks for it during static construction.)
    Loader loader = nullptr;
    // Frees the library and forgets the answer, so that the next Bind loads
    // it again (for tests that watch the loading).
    void Forget();

private:
    bool TryLoad(const char* path);

    HMODULE library_ = nullptr;
    bool tried_ = false;
    bool usable_ = false;
};

GdiplusBinding& GdiplusLibrary();

// The bound functions; only meaningful once IsGdiplusAvailable said true.
inline const GdiplusFunctions& Gdip() {
    return GdiplusLibrary().functions;
}
