// Registration of the grab hot key (id 1) for the user-interface thread.
#pragma once

struct GrabSettings;

// Registers id 1 from the settings' key and modifiers; true only on success.
bool RegisterGrabHotKey(const GrabSettings& settings);
