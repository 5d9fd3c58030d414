#include "app/main_window.h"

#include "app/grab_app.h"

namespace {

// The window's user data holds the GrabApp; it is stored on WM_NCCREATE from
// the creation parameter, so messages before that go to the default procedure.
GrabApp* AppOf(HWND window) {
    return reinterpret_cast<GrabApp*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

void OnCreate(GrabApp& app, HWND window) { app.mainWindow = window; }

void OnDestroy(GrabApp& app) {
    app.ReleaseGrab();
    PostQuitMessage(0);
}

void OnPaint(HWND window) {
    PAINTSTRUCT paint;
    BeginPaint(window, &paint);
    EndPaint(window, &paint);
}

LRESULT OnGetMinMaxInfo(LPARAM lParam) {
    // The window has no size, and the area popup may be sized down to nothing.
    MINMAXINFO* info = reinterpret_cast<MINMAXINFO*>(lParam);
    info->ptMinTrackSize.x = 0;
    info->ptMinTrackSize.y = 0;
    return 0;
}

}  // namespace

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    GrabApp* app = AppOf(window);
    if (app == nullptr) {
        return DefWindowProcA(window, message, wParam, lParam);
    }
    switch (message) {
        case WM_CREATE:
            OnCreate(*app, window);
            break;
        case WM_DESTROY:
            OnDestroy(*app);
            break;
        case WM_PAINT:
            OnPaint(window);
            break;
        case WM_ERASEBKGND:
            return 1;
        case WM_GETMINMAXINFO:
            return OnGetMinMaxInfo(lParam);
    }
    return DefWindowProcA(window, message, wParam, lParam);
}
