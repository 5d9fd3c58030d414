// The floor for Pixelnook's hot-key-to-file time: the least a grabber can do
// under the same Wine. On Win+F10 it copies the whole screen into a 32-bit DIB
// section and writes it as a BMP file ("floor_NNN.bmp" in the current
// directory), nothing else. Run by bench/grab-latency, ended by WM_QUIT
// (posted by closing its window) or after 100 grabs.
#include <windows.h>

#include <cstdio>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    if (!RegisterHotKey(nullptr, 1, MOD_WIN, VK_F10)) {
        return 1;
    }
    MSG message;
    for (int grab = 1; grab <= 100 && GetMessageA(&message, nullptr, 0, 0) > 0;) {
        if (message.message != WM_HOTKEY) {
            DispatchMessageA(&message);
            continue;
        }
        const int width = GetSystemMetrics(SM_CXSCREEN);
        const int height = GetSystemMetrics(SM_CYSCREEN);
        BITMAPINFO info = {};
        info.bmiHeader = {sizeof info.bmiHeader, width, height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        HDC screen = GetDC(nullptr);
        HDC memory = CreateCompatibleDC(screen);
        void* bits = nullptr;
        HBITMAP dib = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        HGDIOBJ previous = SelectObject(memory, dib);
        BitBlt(memory, 0, 0, width, height, screen, 0, 0, SRCCOPY);
        GdiFlush();
        const DWORD pixelBytes = DWORD(width) * DWORD(height) * 4;
        BITMAPFILEHEADER file = {0x4D42, DWORD(sizeof file + sizeof info.bmiHeader + pixelBytes), 0,
                                 0, DWORD(sizeof file + sizeof info.bmiHeader)};
        char name[32];
        snprintf(name, sizeof name, "floor_%03d.bmp", grab++);
        HANDLE out = CreateFileA(name, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                 FILE_ATTRIBUTE_NORMAL, nullptr);
        DWORD written = 0;
        WriteFile(out, &file, sizeof file, &written, nullptr);
        WriteFile(out, &info.bmiHeader, sizeof info.bmiHeader, &written, nullptr);
        WriteFile(out, bits, pixelBytes, &written, nullptr);
        CloseHandle(out);
        SelectObject(memory, previous);
        DeleteObject(dib);
        DeleteDC(memory);
        ReleaseDC(nullptr, screen);
    }
    UnregisterHotKey(nullptr, 1);
    return 0;
}
