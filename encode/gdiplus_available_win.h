// Whether GDI+ can be used here: tried from Windows 98 on, and only when
// gdiplus.dll loads with every function the program uses (gdiplus_api_win.h).
// Without it the program writes BMP files only.
#pragma once

// Decided on the first call, which also binds the library: callers ask before
// they make any other folder current.
bool IsGdiplusAvailable();
