// The GDI+ encoding pipeline's entry: saves a grab's picture as GIF, JPEG,
// PNG, TIFF or BMP through GDI+, with watermark, thumbnail and image
// information.
#pragma once

#include <windows.h>

#include "capture/store_formats.h"
#include "settings/grab_settings.h"

// True when the file was written.
bool SaveWithGdiplus(const char* fileName, HBITMAP bitmap, HDC dc, const GrabSettings& settings,
                     const GdiplusSaveOptions& options);
