// The GDI+ encoding pipeline is not built yet: until it is, a grab stored to a
// file on a system with GDI+ is not written at all (only systems without GDI+
// get files, as BMP written by the program itself).
#include "capture/gdiplus_save_win.h"

bool SaveWithGdiplus(const char*, HBITMAP, HDC, const GrabSettings&, const GdiplusSaveOptions&) {
    return false;
}
