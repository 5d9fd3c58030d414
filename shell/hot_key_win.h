// Registration of the grab hot key for the user-interface thread.
#pragma once

struct GrabSettings;

// The grab hot key's id; the program registers only this one.
constexpr int kGrabHotKeyId = 1;

// Registers id 1 from the settings' key and modifiers; true only on success.
bool RegisterGrabHotKey(const GrabSettings& settings);
