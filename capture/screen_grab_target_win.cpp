// ScreenGrab::ResolveGrabTarget: for one grab type, the window the grab is about,
// the screen rectangle to copy, where the cursor is, and the empty 32-bit
// bottom-up DIB section the copy goes into.
#include <windows.h>

#include "base/handles_win.h"
#include "capture/bmp_format.h"
#include "imaging/dib_section_win.h"
#include "capture/screen_grab_win.h"

namespace {

// The desktop's program-manager window spans every monitor; Wine has none, and
// then the desktop window stands in.
constexpr char kProgramManagerClass[] = "ProgMan";
constexpr WORD kGrabBitCount = 32;
// The Window type's starting rectangle is inverted, so the first non-empty
// window rectangle replaces it.
constexpr LONG kWindowChainStart = 4096;

HWND ProgramManagerOrDesktop() {
    HWND window = FindWindowA(kProgramManagerClass, nullptr);
    return window != nullptr ? window : GetDesktopWindow();
}

bool IsChild(HWND window) {
    return (GetWindowLongA(window, GWL_STYLE) & WS_CHILD) != 0;
}

// Client area: the client rectangle, in screen coordinates, of the top-level
// window that holds the target.
HWND ClientAreaRect(HWND window, RECT& rect) {
    while (IsChild(window)) {
        HWND parent = GetParent(window);
        if (parent == nullptr) {
            break;
        }
        window = parent;
    }
    GetClientRect(window, &rect);
    POINT corners[2] = {{rect.left, rect.top}, {rect.right, rect.bottom}};
    ClientToScreen(window, &corners[0]);
    ClientToScreen(window, &corners[1]);
    SetRect(&rect, corners[0].x, corners[0].y, corners[1].x, corners[1].y);
    return window;
}

// Window: the union of the non-empty window rectangles from the window at the
// cursor up its chain of parents to the top-level window.
HWND WindowChainRect(HWND window, RECT& rect) {
    SetRect(&rect, kWindowChainStart, kWindowChainStart, -kWindowChainStart, -kWindowChainStart);
    while (window != nullptr) {
        RECT own = {};
        GetWindowRect(window, &own);
        if (own.right - own.left > 0 && own.bottom - own.top > 0) {
            rect.left = own.left < rect.left ? own.left : rect.left;
            rect.top = own.top < rect.top ? own.top : rect.top;
            rect.right = own.right > rect.right ? own.right : rect.right;
            rect.bottom = own.bottom > rect.bottom ? own.bottom : rect.bottom;
        }
        if (!IsChild(window)) {
            break;
        }
        window = GetParent(window);
    }
    return window;
}

// Desktop: the whole monitor under the cursor (not its work area).
void MonitorRect(HWND target, POINT cursor, RECT& rect) {
    HMONITOR monitor = MonitorFromPoint(cursor, MONITOR_DEFAULTTONULL);
    MONITORINFOEXA info = {};
    info.cbSize = sizeof info;
    if (monitor != nullptr && GetMonitorInfoA(monitor, &info)) {
        rect = info.rcMonitor;
    } else {
        GetWindowRect(target, &rect);
    }
}

}  // namespace

bool ScreenGrab::ResolveGrabTarget(GrabType type) {
    POINT cursor = {};
    GetCursorPos(&cursor);
    const bool underCursor =
        type == GrabType::Control || type == GrabType::ClientArea || type == GrabType::Window;
    HWND target = underCursor ? WindowFromPoint(cursor) : nullptr;
    if (target == nullptr) {
        target = ProgramManagerOrDesktop();
    }
    GetCursorPos(&savedCursor);

    RECT& rect = capturedImage.rect;
    switch (type) {
        case GrabType::Control:
            GetWindowRect(target, &rect);
            break;
        case GrabType::ClientArea:
            target = ClientAreaRect(target, rect);
            break;
        case GrabType::Window:
            target = WindowChainRect(target, rect);
            break;
        case GrabType::Desktop:
            MonitorRect(target, cursor, rect);
            break;
        case GrabType::VirtualScreen:
            GetWindowRect(target, &rect);
            break;
        case GrabType::RectangularArea:
            // The popup's rectangle and the second press's cursor are set by
            // ToggleAreaPopup; the first press only shows the popup.
            if (!ToggleAreaPopup()) {
                return false;
            }
            break;
        default:
            return false;  // not a grab type this program knows
    }
    capturedImage.targetWindow = target;

    BitmapHeader header;
    if (!MakeBitmapHeader(capturedImage.Width(), capturedImage.Height(), 1, kGrabBitCount,
                          header)) {
        return false;  // an empty or inverted rectangle: nothing to grab
    }
    BITMAPINFO info = {};
    info.bmiHeader = Header32(header.width, header.height);  // bottom-up rows

    WindowDc screen(nullptr, GetDC(nullptr));
    capturedImage.memoryDc.Reset(CreateCompatibleDC(screen.Get()));
    void* pixels = nullptr;  // asked for again (GetObject) by whoever needs them
    capturedImage.dibSection.Reset(
        CreateDIBSection(screen.Get(), &info, DIB_RGB_COLORS, &pixels, nullptr, 0));
    if (capturedImage.memoryDc && capturedImage.dibSection) {
        HGDIOBJ previous =
            SelectObject(capturedImage.memoryDc.Get(), capturedImage.dibSection.Get());
        capturedImage.previousBitmap = previous != HGDI_ERROR ? previous : nullptr;
    }
    return capturedImage.HoldsPicture();
}
