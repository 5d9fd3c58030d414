// Whether GDI+ can be used here: tried from Windows 98 on, and only when
// gdiplus.dll loads. Without it the program writes BMP files only.
#pragma once

bool IsGdiplusAvailable();
