#include "settings/hot_key_text.h"

#include <cstdint>

#include "resources/texts.h"
#include "settings/grab_settings.h"

namespace {

// value + offset as the 32-bit target computes it, wrapping around at the ends
// of the range, but without a signed overflow: a hand-edited HotKey near either
// end must load and save back unchanged.
int32_t WrappingAdd(int32_t value, int32_t offset) {
    const uint32_t sum = static_cast<uint32_t>(value) + static_cast<uint32_t>(offset);
    constexpr uint32_t kSignBit = 0x80000000u;
    return sum < kSignBit ? static_cast<int32_t>(sum)
                          : static_cast<int32_t>(sum - kSignBit) + INT32_MIN;
}

}  // namespace

int32_t HotKeyFromIniForm(int32_t stored) {
    return stored == kVkPrintScreen ? kVkPrintScreen : WrappingAdd(stored, kFunctionKeyBase);
}

int32_t HotKeyToIniForm(int32_t virtualKey) {
    return virtualKey == kVkPrintScreen ? kVkPrintScreen
                                        : WrappingAdd(virtualKey, -kFunctionKeyBase);
}

uint32_t HotKeyModifiers(const GrabSettings& settings) {
    uint32_t mask = 0;
    if (settings.Properties.UseAlt)
        mask |= kModAlt;
    if (settings.Properties.UseCtrl)
        mask |= kModCtrl;
    if (settings.Properties.UseShift)
        mask |= kModShift;
    if (settings.Properties.UseWin)
        mask |= kModWin;
    return mask;
}

std::string HotKeyText(const GrabSettings& settings) {
    const int32_t key = settings.Properties.HotKey;
    if (key == kNoHotKey) {
        return TEXT_NO_HOTKEY;
    }
    std::string text;
    // Alt always leads, whatever order the boxes were ticked in.
    if (settings.Properties.UseAlt)
        text += "Alt+";
    if (settings.Properties.UseCtrl)
        text += "Ctrl+";
    if (settings.Properties.UseShift)
        text += "Shift+";
    if (settings.Properties.UseWin)
        text += "Win+";
    if (key == kVkPrintScreen) {
        text += "PrtScrn";
    } else {
        text += "F" + std::to_string(static_cast<int64_t>(key) - kFunctionKeyBase);
    }
    return text;
}
