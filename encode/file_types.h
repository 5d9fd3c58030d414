// What the store hands the GDI+ encoding pipeline for each file extension it
// knows: the encoder's MIME type and the format's own options. Extensions are
// compared exactly (case-sensitive); any other extension is saved by nobody.
#pragma once

#include <cstdint>

#include "base/types.h"

// The settings and grab flags the format options are taken from.
struct StoreFormatInputs {
    int32_t reduction = 0;     // FileStore.Reduction, GIF only
    int32_t quality = 0;       // FileStore.Quality, JPEG only
    int32_t compression = 0;   // FileStore.Compression, TIFF only
    bool transFill = false;    // BkgndFill.TransFill: GIF, PNG, TIFF
    Colorref fillColour = 0;   // BkgndFill.Color: GIF, PNG, TIFF
    bool alphaFilled = false;  // the grab's alpha bytes are meaningful: PNG, TIFF
};

struct GdiplusSaveOptions {
    const char* mimeType = nullptr;
    bool alphaFilled = false;
    int32_t reduction = 0;
    int32_t quality = 0;
    int32_t compression = 0;
    bool transparent = false;
    Colorref colour = 0;
    bool gif = false;
};

// False for an extension the store does not know.
bool GdiplusSaveOptionsFor(const char* extension, const StoreFormatInputs& inputs,
                           GdiplusSaveOptions& options);
