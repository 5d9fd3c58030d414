#include "shell/hot_key_win.h"

#include <windows.h>

#include "settings/grab_settings.h"
#include "settings/hot_key_text.h"

bool RegisterGrabHotKey(const GrabSettings& settings) {
    // No window: the key is posted to this thread's queue, where the message
    // loop takes it before any dialog can.
    return RegisterHotKey(nullptr, kGrabHotKeyId, HotKeyModifiers(settings),
                          static_cast<UINT>(settings.Properties.HotKey)) == 1;
}
