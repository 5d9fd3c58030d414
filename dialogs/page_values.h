// The settings pages' values that need no window: the hot-key list's items
// and how a chosen item reads back, the hidden watermark offsets' text, the
// upload password's decision on OK, and the watermark file filter.
#pragma once

#include <cstdint>
#include <string>

// The hot-key list: "F1" ... "F12", then "PrtScrn", in that order.
constexpr int kHotKeyListItems = 13;

// The item's text; index is 0 .. kHotKeyListItems - 1.
std::string HotKeyListItem(int index);
// The item that shows the key, or -1 when the list offers no such key (the
// list is then shown without a selection).
int HotKeyListIndex(int32_t hotKey);
// The key an item's text stands for: "PrtScrn" is Print Screen, any other
// text a function key by the number after its first character. An empty text
// is a list shown without a selection, where the user chose no new key: the
// current one stays, be it none (a start-up whose registration failed) or one
// the list does not offer (HotKey 0 in the INI file loads as the code just
// below F1, which registers).
int32_t HotKeyFromListText(const char* text, int32_t current);

// "%g" of the value in a buffer shared by the whole process, which the next
// call overwrites: the offsets' boxes copy it at once.
const char* FormatFloat(float value);
// The number at the start of the text, as "%g" scans it; current when the
// text holds no number (never a value made up from nothing).
float ParseFloat(const char* text, float current);

// What the password box shows instead of the stored password: 32 spaces.
// Leaving it untouched keeps the stored password, so a password of exactly
// these 32 spaces cannot be chosen.
constexpr char kPasswordPlaceholder[] = "                                ";
static_assert(sizeof kPasswordPlaceholder == 33, "32 spaces");

enum class PasswordChoice {
    KeepStored,   // the box still holds the placeholder
    TakeEntered,  // the stored password typed again, or confirmed by the second box
    Mismatch,     // a new password without the same confirmation: refused
};

// OK's decision on the password box. Every comparison is byte for byte.
PasswordChoice ChoosePassword(const char* entered, const char* stored, const char* confirmation);

// The open-file dialog's filter for the watermark: allSupported names the
// first entry. With GDI+ every type the program can read, without it only
// bitmaps. Entries are separated by zero bytes and the text ends with two,
// both inside the returned string.
std::string WatermarkFilter(const char* allSupported, bool gdiplusUsable);
