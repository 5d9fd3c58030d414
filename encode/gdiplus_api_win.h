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

// The GDI+ types and status values, used under a short name.
namespace gdip = Gdiplus;

struct GdiplusFunctions {
    using Status = gdip::GpStatus;

    Status(WINAPI* GdiplusStartup)(ULONG_PTR* token, const gdip::GdiplusStartupInput* input,
                                   gdip::GdiplusStartupOutput* output) = nullptr;
    VOID(WINAPI* GdiplusShutdown)(ULONG_PTR token) = nullptr;
    Status(WINAPI* GdipGetImageEncodersSize)(UINT* count, UINT* bytes) = nullptr;
    Status(WINAPI* GdipGetImageEncoders)(UINT count, UINT bytes,
                                         gdip::ImageCodecInfo* encoders) = nullptr;
    Status(WINAPI* GdipCreateBitmapFromHBITMAP)(HBITMAP bitmap, HPALETTE palette,
                                                gdip::GpBitmap** result) = nullptr;
    Status(WINAPI* GdipCreateBitmapFromScan0)(INT width, INT height, INT stride,
                                              gdip::PixelFormat format, BYTE* pixels,
                                              gdip::GpBitmap** result) = nullptr;
    Status(WINAPI* GdipCreateBitmapFromFile)(const WCHAR* path, gdip::GpBitmap** result) = nullptr;
    Status(WINAPI* GdipCloneBitmapAreaI)(INT x, INT y, INT width, INT height,
                                         gdip::PixelFormat format, gdip::GpBitmap* source,
                                         gdip::GpBitmap** result) = nullptr;
    Status(WINAPI* GdipDisposeImage)(gdip::GpImage* image) = nullptr;
    Status(WINAPI* GdipGetImageWidth)(gdip::GpImage* image, UINT* width) = nullptr;
    Status(WINAPI* GdipGetImageHeight)(gdip::GpImage* image, UINT* height) = nullptr;
    Status(WINAPI* GdipGetImageGraphicsContext)(gdip::GpImage* image,
                                                gdip::GpGraphics** graphics) = nullptr;
    Status(WINAPI* GdipDeleteGraphics)(gdip::GpGraphics* graphics) = nullptr;
    Status(WINAPI* GdipSetPageUnit)(gdip::GpGraphics* graphics, gdip::GpUnit unit) = nullptr;
    Status(WINAPI* GdipSetInterpolationMode)(gdip::GpGraphics* graphics,
                                             gdip::InterpolationMode mode) = nullptr;
    Status(WINAPI* GdipDrawImageRectI)(gdip::GpGraphics* graphics, gdip::GpImage* image, INT x,
                                       INT y, INT width, INT height) = nullptr;
    Status(WINAPI* GdipBitmapLockBits)(gdip::GpBitmap* bitmap, const gdip::GpRect* rect, UINT mode,
                                       gdip::PixelFormat format, gdip::BitmapData* data) = nullptr;
    Status(WINAPI* GdipBitmapUnlockBits)(gdip::GpBitmap* bitmap, gdip::BitmapData* data) = nullptr;
    Status(WINAPI* GdipGetImagePaletteSize)(gdip::GpImage* image, INT* bytes) = nullptr;
    Status(WINAPI* GdipGetImagePalette)(gdip::GpImage* image, gdip::ColorPalette* palette,
                                        INT bytes) = nullptr;
    Status(WINAPI* GdipSetImagePalette)(gdip::GpImage* image,
                                        const gdip::ColorPalette* palette) = nullptr;
    Status(WINAPI* GdipSetPropertyItem)(gdip::GpImage* image,
                                        const gdip::PropertyItem* item) = nullptr;
    Status(WINAPI* GdipSaveImageToFile)(gdip::GpImage* image, const WCHAR* path,
                                        const CLSID* encoder,
                                        const gdip::EncoderParameters* parameters) = nullptr;
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
