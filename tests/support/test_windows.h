// Windows the Windows tests grab: a dialog-like top-level window in one solid
// colour holding a child control in another, at known screen positions. The
// test process owns them and must pump messages (Pump) so they stay painted.
#pragma once

#include <windows.h>

#include <string>

#include "tools/desktop_user_win.h"

namespace testwin {

// The colours the test windows are painted in.
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kRed = RGB(255, 0, 0);

using desktop::Pump;

// The parent at (left, top) with a one-pixel border; the child at (childX,
// childY) of the parent's client area. Each paints its background in its colour.
class DialogWithChild {
public:
    DialogWithChild(int left, int top, int width, int height, COLORREF parentColour, int childX,
                    int childY, int childWidth, int childHeight, COLORREF childColour) {
        parent = CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, SolidClass(parentColour).c_str(),
                                 "", WS_POPUP | WS_BORDER | WS_VISIBLE, left, top, width, height,
                                 nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
        child = CreateWindowExA(0, SolidClass(childColour).c_str(), "", WS_CHILD | WS_VISIBLE,
                                childX, childY, childWidth, childHeight, parent, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
        UpdateWindow(parent);
        Pump(200);
    }
    ~DialogWithChild() {
        DestroyWindow(parent);  // and the child with it
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
        MapWindowPoints(parent, nullptr, reinterpret_cast<POINT*>(&rect), 2);
        return rect;
    }
    POINT ChildCentre() const {
        RECT rect = WindowRect(child);
        return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
    }

    HWND parent = nullptr;
    HWND child = nullptr;

private:
    // The window class painting its background in that colour, registered on
    // first use; the class owns its brush for the rest of the test process.
    static std::string SolidClass(COLORREF colour) {
        const std::string name = "PixelnookTestSolid" + std::to_string(colour);
        WNDCLASSA windowClass = {};
        if (!GetClassInfoA(GetModuleHandleA(nullptr), name.c_str(), &windowClass)) {
            windowClass.lpfnWndProc = DefWindowProcA;
            windowClass.hInstance = GetModuleHandleA(nullptr);
            windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
            windowClass.hbrBackground = CreateSolidBrush(colour);
            windowClass.lpszClassName = name.c_str();
            RegisterClassA(&windowClass);
        }
        return name;
    }
};

// The scene most grabs are taken of: a blue dialog-like window 320 x 240 at
// (left, 150) holding a red 100 x 40 control at (60, 50) of its client area.
struct Scene : DialogWithChild {
    explicit Scene(int left = 200)
        : DialogWithChild(left, 150, 320, 240, kBlue, 60, 50, 100, 40, kRed) {}
};

}  // namespace testwin
