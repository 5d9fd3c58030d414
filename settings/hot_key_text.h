// The hot key's display text ("Win+F10") and the INI form of its key code.
#pragma once

#include <cstdint>
#include <string>

struct GrabSettings;

// Properties.HotKey when the program has no key: the system refused the
// chosen one. The INI file keeps the key it had (Save leaves it alone).
constexpr int32_t kNoHotKey = 0;
constexpr int32_t kVkPrintScreen = 44;  // VK_SNAPSHOT
constexpr int32_t kVkF1 = 112;          // F1..F12 are 112..123
constexpr int32_t kFunctionKeyBase = kVkF1 - 1;

// Hot-key modifier bits as RegisterHotKey takes them (MOD_ALT ... MOD_WIN).
constexpr uint32_t kModAlt = 1;
constexpr uint32_t kModCtrl = 2;
constexpr uint32_t kModShift = 4;
constexpr uint32_t kModWin = 8;

// The INI file keeps Print Screen as 44 and a function key as its number 1..12
// (the key code less kFunctionKeyBase). Any other stored value converts the same
// way, wrapping around at the ends of the 32-bit range, so that Save writes back
// what Load read.
int32_t HotKeyFromIniForm(int32_t stored);
int32_t HotKeyToIniForm(int32_t virtualKey);

uint32_t HotKeyModifiers(const GrabSettings& settings);

// "Alt+Ctrl+Shift+Win+PrtScrn", "Win+F10", or "None specified" without a key.
// At most 31 characters for any key the program offers.
std::string HotKeyText(const GrabSettings& settings);
