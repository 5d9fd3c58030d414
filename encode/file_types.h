// The file types the store writes, in one table: the extension FileStore.Ext
// holds, the GDI+ encoder's MIME type, and which options apply to the type.
// The store, the encoding pipeline and the Storage page all read it.
// Extensions are compared exactly (case-sensitive); any other extension is
// saved by nobody.
#pragma once

#include <cstdint>

#include "base/types.h"

struct FileType {
    const char* extension;
    const char* mimeType;
    bool needsGdiplus;     // false only for BMP, which the program can write itself
    bool quality;          // FileStore.Quality (JPEG); the others are saved at 100
    bool compression;      // FileStore.Compression (TIFF); the others pass 0, LZW
    bool transparency;     // BkgndFill.TransFill with BkgndFill.Color as the key
    bool capturedAlpha;    // the grab's own alpha bytes, when they are meaningful
    bool colourReduction;  // FileStore.Reduction, and an 8-bit image to save (GIF)
};

// In the order the Storage page lists them.
inline constexpr FileType kFileTypes[] = {
    {"bmp", "image/bmp", false, false, false, false, false, false},
    {"gif", "image/gif", true, false, false, true, false, true},
    {"jpg", "image/jpeg", true, true, false, false, false, false},
    {"png", "image/png", true, false, false, true, true, false},
    {"tif", "image/tiff", true, false, true, true, true, false},
};

// The row of an extension; null for one the store does not know.
const FileType* FindFileType(const char* extension);

// GDI+ EncoderValue numbers for TIFF compression, indexed by
// FileStore.Compression (0 LZW, 1 CCITT3, 2 CCITT4, 3 RLE, 4 None) as the
// settings page lists them.
inline constexpr int32_t kEncoderCompressionValues[] = {2, 3, 4, 5, 6};

// FileStore.Compression as the EncoderCompression value; any other number is
// passed on unchanged.
int32_t EncoderCompressionValue(int32_t compression);

// The settings and grab flags the format options are taken from.
struct StoreFormatInputs {
    int32_t reduction = 0;     // FileStore.Reduction
    int32_t quality = 0;       // FileStore.Quality
    int32_t compression = 0;   // FileStore.Compression
    bool transFill = false;    // BkgndFill.TransFill
    Colorref fillColour = 0;   // BkgndFill.Color
    bool alphaFilled = false;  // the grab's alpha bytes are meaningful
};

// What the encoding pipeline is handed for one store: the type's row applied
// to the settings.
struct GdiplusSaveOptions {
    const char* mimeType = nullptr;
    bool alphaFilled = false;
    int32_t reduction = 0;
    int32_t quality = 0;
    int32_t compression = 0;  // FileStore.Compression for TIFF, else 0 (LZW)
    bool transparent = false;
    Colorref colour = 0;
    bool gif = false;
};

// False for an extension the store does not know.
bool GdiplusSaveOptionsFor(const char* extension, const StoreFormatInputs& inputs,
                           GdiplusSaveOptions& options);
