#include "dialogs/page_values.h"

#include <cstdlib>
#include <cstring>

#include "settings/hot_key_text.h"
#include "settings/ini_conversions.h"

namespace {

constexpr char kPrintScreenItem[] = "PrtScrn";
constexpr int kFunctionKeyItems = 12;  // F1 .. F12

// The watermark filter after its first description ("All supported"):
// pattern, then description and pattern pairs.
constexpr const char* kGdiplusFilter[] = {
    "*.bmp;*.gif;*.jpg;*.png;*.tif",
    "BMPs (*.bmp)",
    "*.bmp",
    "GIFs (*.gif)",
    "*.gif",
    "JPEGs (*.jpg)",
    "*.jpg",
    "PNGs (*.png)",
    "*.png",
    "TIFFs (*.tif)",
    "*.tif",
};
constexpr const char* kBitmapFilter[] = {"*.bmp", "BMPs (*.bmp)", "*.bmp"};

// The offsets' text on its way into their boxes; every FormatFloat overwrites it.
char g_floatText[kFloatTextChars];

}  // namespace

std::string HotKeyListItem(int index) {
    return index < kFunctionKeyItems ? "F" + std::to_string(index + 1) : kPrintScreenItem;
}

int HotKeyListIndex(int32_t hotKey) {
    if (hotKey == kVkPrintScreen) {
        return kFunctionKeyItems;
    }
    const bool functionKey = hotKey >= kVkF1 && hotKey < kVkF1 + kFunctionKeyItems;
    return functionKey ? hotKey - kVkF1 : -1;
}

int32_t HotKeyFromListText(const char* text, int32_t current) {
    if (text[0] == '\0') {
        return current;
    }
    if (strcmp(text, kPrintScreenItem) == 0) {
        return kVkPrintScreen;
    }
    // Only the list's own items reach here; the bound keeps any other text
    // from overflowing the key code.
    const long number = strtol(text + 1, nullptr, 10);
    constexpr long kLargestItemNumber = 1000;
    const bool plausible = number >= -kLargestItemNumber && number <= kLargestItemNumber;
    return kFunctionKeyBase + static_cast<int32_t>(plausible ? number : 0);
}

const char* FormatFloat(float value) {
    FloatToIni(value, g_floatText);
    return g_floatText;
}

float ParseFloat(const char* text, float current) {
    return FloatFromIni(text, current);
}

PasswordChoice ChoosePassword(const char* entered, const char* stored, const char* confirmation) {
    if (strcmp(entered, kPasswordPlaceholder) == 0) {
        return PasswordChoice::KeepStored;
    }
    if (strcmp(entered, stored) == 0 || strcmp(entered, confirmation) == 0) {
        return PasswordChoice::TakeEntered;
    }
    return PasswordChoice::Mismatch;
}

std::string WatermarkFilter(const char* allSupported, bool gdiplusUsable) {
    std::string filter = allSupported;
    filter += '\0';
    auto add = [&filter](const auto& entries) {
        for (const char* entry : entries) {
            filter += entry;
            filter += '\0';
        }
    };
    if (gdiplusUsable) {
        add(kGdiplusFilter);
    } else {
        add(kBitmapFilter);
    }
    filter += '\0';
    return filter;
}
