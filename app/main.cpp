// The process entry of pixelnook.exe.
#include <windows.h>

#include "app/grab_app.h"

// The one application object, constructed before WinMain runs. Its name is the
// guard mutex's and the main window class's.
GrabApp g_grabApp(kAppName);

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    return RunSingleInstance(instance);
}
