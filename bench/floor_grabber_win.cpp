// The floors for Pixelnook's hot-key-to-file times: the least a Win32 program
// can do under the same Wine to make the same file. On Win+F11 (Pixelnook
// keeps Win+F10, so bench/grab-latency can press the two in turn) it copies
// the whole screen into a 32-bit DIB section and makes one file
// "floor_NNN.EXT" in the current directory with the fewest calls:
//
//   bmp           the section's own bits written behind the two headers;
//   png, tif      the same GDI+ save Pixelnook makes, of a bitmap over the
//                 section's bits;
//   jpg-thumb     that JPEG save, then the 25% thumbnail "tfloor_NNN.jpg" drawn
//                 as Pixelnook draws it (high-quality bicubic into a blank ARGB
//                 bitmap) and saved;
//   gif FILE      the 8-bit picture of FILE (a GIF Pixelnook stored from the
//                 same screen: its palette and indices, read before the first
//                 press) saved by GDI+'s GIF encoder, so that the encoder's work
//                 is the same as Pixelnook's;
//   gif-halftone  the GIF save of the 32-bit bitmap (the encoder's own halftone
//                 reduction; a broken file under Wine).
//
// GDI+ is started once, before the first press. Ended by WM_QUIT or after
// 100 grabs.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

#include "encode/gdiplus_image_win.h"
#include "encode/gdiplus_api_win.h"
#include "encode/gdiplus_available_win.h"
#include "encode/gdiplus_save_win.h"

namespace {

constexpr int kHotKeyId = 1;
constexpr int kMaxGrabs = 100;
constexpr int kThumbnailDivisor = 4;  // Pixelnook's default thumbnail: 25%

bool WriteBmp(const char* name, const BITMAPINFOHEADER& header, const void* bits) {
    const DWORD pixelBytes = header.biSizeImage;
    BITMAPFILEHEADER file = {0x4D42, DWORD(sizeof file + sizeof header + pixelBytes), 0, 0,
                             DWORD(sizeof file + sizeof header)};
    HANDLE out =
        CreateFileA(name, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    const bool whole = WriteFile(out, &file, sizeof file, &written, nullptr) &&
                       WriteFile(out, &header, sizeof header, &written, nullptr) &&
                       WriteFile(out, bits, pixelBytes, &written, nullptr);
    CloseHandle(out);
    return whole;
}

// A bitmap over the section's bits, top row first (a negative stride over the
// bottom-up rows), as Pixelnook views its grab.
gdip::GpBitmap* ViewOf(void* bits, int width, int height) {
    const INT stride = width * 4;
    auto* top = static_cast<BYTE*>(bits) + ptrdiff_t(height - 1) * stride;
    gdip::GpBitmap* view = nullptr;
    Gdip().GdipCreateBitmapFromScan0(width, height, -stride, PixelFormat32bppRGB, top, &view);
    return view;
}

bool Save(gdip::GpImage* image, const char* name, const CLSID& encoder) {
    wchar_t wide[MAX_PATH];
    MultiByteToWideChar(CP_ACP, 0, name, -1, wide, MAX_PATH);
    return Gdip().GdipSaveImageToFile(image, wide, &encoder, nullptr) == gdip::Ok;
}

// The 8-bit picture of a stored GIF, in a bitmap of its own: indices copied
// out of the decoded file and the palette set, as Pixelnook builds its own.
struct IndexedPicture {
    std::vector<BYTE> indices;
    gdip::GpBitmap* bitmap = nullptr;
};

bool LoadIndexed(const char* path, IndexedPicture& picture) {
    wchar_t wide[MAX_PATH];
    MultiByteToWideChar(CP_ACP, 0, path, -1, wide, MAX_PATH);
    gdip::GpBitmap* file = nullptr;
    const gdip::GpStatus opened = Gdip().GdipCreateBitmapFromFile(wide, &file);
    if (opened != gdip::Ok) {
        fprintf(stderr, "floor-grabber: %s cannot be read (status %d)\n", path, int(opened));
        return false;
    }
    UINT width = 0, height = 0;
    Gdip().GdipGetImageWidth(file, &width);
    Gdip().GdipGetImageHeight(file, &height);
    struct {
        UINT flags;
        UINT count;
        gdip::ARGB entries[256];
    } palette = {};
    INT paletteBytes = 0;
    Gdip().GdipGetImagePaletteSize(file, &paletteBytes);
    bool ok = paletteBytes > 0 && paletteBytes <= INT(sizeof palette) &&
              Gdip().GdipGetImagePalette(file, reinterpret_cast<gdip::ColorPalette*>(&palette),
                                         INT(sizeof palette)) == gdip::Ok;
    const gdip::GpRect whole(0, 0, INT(width), INT(height));
    gdip::BitmapData data = {};
    ok = ok && Gdip().GdipBitmapLockBits(file, &whole, gdip::ImageLockModeRead,
                                         PixelFormat8bppIndexed, &data) == gdip::Ok;
    if (ok) {
        const UINT stride = (width + 3) & ~3u;  // GDI+ rows are whole 32-bit words
        picture.indices.resize(size_t(stride) * height);
        for (UINT y = 0; y < height; ++y) {
            memcpy(&picture.indices[size_t(y) * stride],
                   static_cast<BYTE*>(data.Scan0) + ptrdiff_t(y) * data.Stride, width);
        }
        Gdip().GdipBitmapUnlockBits(file, &data);
        ok = Gdip().GdipCreateBitmapFromScan0(INT(width), INT(height), INT(stride),
                                              PixelFormat8bppIndexed, picture.indices.data(),
                                              &picture.bitmap) == gdip::Ok &&
             Gdip().GdipSetImagePalette(
                 picture.bitmap, reinterpret_cast<const gdip::ColorPalette*>(&palette)) == gdip::Ok;
    }
    if (!ok) {
        gdip::PixelFormat format = 0;
        Gdip().GdipGetImagePixelFormat(file, &format);
        fprintf(stderr, "floor-grabber: no 8-bit picture in %s (format %x, palette %d bytes)\n",
                path, unsigned(format), paletteBytes);
    }
    Gdip().GdipDisposeImage(file);
    return ok;
}

void SaveThumbnail(gdip::GpBitmap* full, int width, int height, const char* name,
                   const CLSID& encoder) {
    const int w = width / kThumbnailDivisor, h = height / kThumbnailDivisor;
    gdip::GpBitmap* thumbnail = nullptr;
    Gdip().GdipCreateBitmapFromScan0(w, h, 0, PixelFormat32bppARGB, nullptr, &thumbnail);
    gdip::GpGraphics* graphics = nullptr;
    Gdip().GdipGetImageGraphicsContext(thumbnail, &graphics);
    Gdip().GdipSetPageUnit(graphics, gdip::UnitPixel);
    Gdip().GdipSetInterpolationMode(graphics, gdip::InterpolationModeHighQualityBicubic);
    Gdip().GdipDrawImageRectI(graphics, full, 0, 0, w, h);
    Gdip().GdipDeleteGraphics(graphics);
    Save(thumbnail, name, encoder);
    Gdip().GdipDisposeImage(thumbnail);
}

}  // namespace

int main(int argc, char** argv) {
    const char* mode = argc > 1 ? argv[1] : "bmp";
    const bool bmp = strcmp(mode, "bmp") == 0;
    const bool thumbnail = strcmp(mode, "jpg-thumb") == 0;
    const bool gif8 = strcmp(mode, "gif") == 0;
    const char* ext = bmp ? "bmp" : thumbnail ? "jpg" : strncmp(mode, "gif", 3) == 0 ? "gif" : mode;
    const char* mime = strcmp(ext, "jpg") == 0   ? "image/jpeg"
                       : strcmp(ext, "tif") == 0 ? "image/tiff"
                                                 : nullptr;
    char mimeText[16];
    if (mime == nullptr) {
        snprintf(mimeText, sizeof mimeText, "image/%s", ext);
        mime = mimeText;
    }

    ULONG_PTR token = 0;
    CLSID encoder = {};
    IndexedPicture picture;
    if (!bmp) {
        const gdip::GdiplusStartupInput input;
        if (!IsGdiplusAvailable() || Gdip().GdiplusStartup(&token, &input, nullptr) != gdip::Ok ||
            GetEncoderClsid(mime, encoder) < 0) {
            fprintf(stderr, "floor-grabber: no GDI+ encoder for %s\n", mime);
            return 1;
        }
        if (gif8 && (argc < 3 || !LoadIndexed(argv[2], picture))) {
            fprintf(stderr, "floor-grabber: gif wants a stored GIF to take the picture from\n");
            return 1;
        }
    }
    if (!RegisterHotKey(nullptr, kHotKeyId, MOD_WIN, VK_F11)) {
        return 1;
    }
    MSG message;
    for (int grab = 1; grab <= kMaxGrabs && GetMessageA(&message, nullptr, 0, 0) > 0;) {
        if (message.message != WM_HOTKEY) {
            DispatchMessageA(&message);
            continue;
        }
        const int width = GetSystemMetrics(SM_CXSCREEN);
        const int height = GetSystemMetrics(SM_CYSCREEN);
        BITMAPINFO info = {};
        info.bmiHeader = {sizeof info.bmiHeader,
                          width,
                          height,
                          1,
                          32,
                          BI_RGB,
                          DWORD(width) * DWORD(height) * 4,
                          0,
                          0,
                          0,
                          0};
        HDC screen = GetDC(nullptr);
        HDC memory = CreateCompatibleDC(screen);
        void* bits = nullptr;
        HBITMAP dib = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        HGDIOBJ previous = SelectObject(memory, dib);
        BitBlt(memory, 0, 0, width, height, screen, 0, 0, SRCCOPY);
        GdiFlush();
        char name[32], thumbnailName[40];
        snprintf(name, sizeof name, "floor_%03d.%s", grab, ext);
        snprintf(thumbnailName, sizeof thumbnailName, "tfloor_%03d.jpg", grab);
        ++grab;
        if (bmp) {
            WriteBmp(name, info.bmiHeader, bits);
        } else if (gif8) {
            Save(picture.bitmap, name, encoder);
        } else {
            gdip::GpBitmap* view = ViewOf(bits, width, height);
            Save(view, name, encoder);
            if (thumbnail) {
                SaveThumbnail(view, width, height, thumbnailName, encoder);
            }
            Gdip().GdipDisposeImage(view);
        }
        SelectObject(memory, previous);
        DeleteObject(dib);
        DeleteDC(memory);
        ReleaseDC(nullptr, screen);
    }
    UnregisterHotKey(nullptr, kHotKeyId);
    if (picture.bitmap != nullptr) {
        Gdip().GdipDisposeImage(picture.bitmap);
    }
    if (token != 0) {
        Gdip().GdiplusShutdown(token);
    }
    return 0;
}
