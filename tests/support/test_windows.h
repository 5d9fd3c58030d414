// Windows the Windows tests grab: a dialog-like top-level window in one solid
// colour holding a child control in another, at known screen positions. The
// test process owns them and must pump messages (Pump) so they stay painted.
#pragma once

#include <windows.h>

#include <cstdio>

namespace testwin {

// Handles every message this thread has queued, for the given time.
inline void Pump(DWORD milliseconds) {
    const DWORD start = GetTickCount();
    do {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        Sleep(10);
    } while (GetTickCount() - start < milliseconds);
}

// A window class painting its background in one colour.
class SolidClass {
public:
    explicit SolidClass(COLORREF colour) : brush_(CreateSolidBrush(colour)) {
        static int counter = 0;  // test-only: unique class names in this process
        snprintf(name_, sizeof name_, "PixelnookTestSolid%d", ++counter);
        WNDCLASSA windowClass = {};
        windowClass.lpfnWndProc = DefWindowProcA;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
        windowClass.hbrBackground = brush_;
        windowClass.lpszClassName = name_;
        RegisterClassA(&windowClass);
    }
    ~SolidClass() {
        UnregisterClassA(name_, GetModuleHandleA(nullptr));
        DeleteObject(brush_);
    }
    SolidClass(const SolidClass&) = delete;
    SolidClass& operator=(const SolidClass&) = delete;
    const char* Name() const { return name_; }

private:
    HBRUSH brush_;
    char name_[64];
};

// The parent at (left, top) with a one-pixel border; the child at (childX,
// childY) of the parent's client area.
class DialogWithChild {
public:
    DialogWithChild(int left, int top, int width, int height, COLORREF parentColour, int childX,
                    int childY, int childWidth, int childHeight, COLORREF childColour)
        : parentClass_(parentColour), childClass_(childColour) {
        parent = CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, parentClass_.Name(), "",
                                 WS_POPUP | WS_BORDER | WS_VISIBLE, left, top, width, height,
                                 nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
        child = CreateWindowExA(0, childClass_.Name(), "", WS_CHILD | WS_VISIBLE, childX, childY,
                                childWidth, childHeight, parent, nullptr, GetModuleHandleA(nullptr),
                                nullptr);
        UpdateWindow(parent);
        Pump(200);
    }
    ~DialogWithChild() {
        DestroyWindow(parent);
        Pump(50);
    }
    DialogWithChild(const DialogWithChild&) = delete;
    DialogWithChild& operator=(const DialogWithChild&) = delete;

    static RECT WindowRect(HWND window) {
        RECT rect = {};
        GetWindowRect(window, &rect);
        return rect;
    }
    RECT ClientScreenRect() const {
        RECT rect = {};
        GetClientRect(parent, &rect);
        POINT corners[2] = {{rect.left, rect.top}, {rect.right, rect.bottom}};
        ClientToScreen(parent, &corners[0]);
        ClientToScreen(parent, &corners[1]);
        SetRect(&rect, corners[0].x, corners[0].y, corners[1].x, corners[1].y);
        return rect;
    }
    POINT ChildCentre() const {
        RECT rect = WindowRect(child);
        return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
    }

    HWND parent = nullptr;
    HWND child = nullptr;

private:
    SolidClass parentClass_;
    SolidClass childClass_;
};

}  // namespace testwin
