// The GDI+ encoding pipeline: saves a grab's picture as BMP, GIF, JPEG, PNG or
// TIFF through GDI+, with background transparency, watermark, GIF colour
// reduction and image information, then its thumbnail "t" + file name.
//
// GDI+ is started for one save and shut down after it; no GDI+ object outlives
// SaveWithGdiplus. A file whose save fails is removed again when the save
// created it or wrote to it, so a full disk leaves no cut-off picture or
// thumbnail behind, and a save that fails before writing leaves an earlier
// grab of the same name as it was.
#pragma once

#include <windows.h>

#include "encode/file_types.h"
#include "settings/grab_settings.h"

// Saves the grab (the DIB section selected into dc) as picturePath and, when
// the settings want a thumbnail, thumbnailPath (full paths: the current
// directory plays no part). True when the picture file was written; false (and
// no file) when GDI+ is not bound, no encoder has the type, or the save
// failed. Needs IsGdiplusAvailable to have said true.
bool SaveWithGdiplus(const char* picturePath, const char* thumbnailPath, HBITMAP bitmap, HDC dc,
                     const GrabSettings& settings, const GdiplusSaveOptions& options);

// The index of the first encoder whose MIME type is exactly mimeType, with its
// class id; -1 when there is none. Needs GDI+ started.
int GetEncoderClsid(const char* mimeType, CLSID& clsid);
