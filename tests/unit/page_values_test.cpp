#include "dialogs/page_values.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

TEST(PageValues, HotKeyListSelectsAndReadsBack) {
    // A key, its item's index (-1: the list shows no selection) and text.
    const std::tuple<int32_t, int, const char*> cases[] = {
        {112, 0, "F1"},      {121, 9, "F10"},    {123, 11, "F12"},
        {44, 12, "PrtScrn"}, {111, -1, nullptr}, {124, -1, nullptr},
        {0, -1, nullptr},    {45, -1, nullptr},  {INT32_MIN, -1, nullptr},
    };
    for (const auto& [key, index, item] : cases) {
        EXPECT_EQ(HotKeyListIndex(key), index) << key;
        if (item != nullptr) {
            EXPECT_EQ(HotKeyListItem(index), item);
            EXPECT_EQ(HotKeyFromListText(item, 0), key) << item;
        }
    }
    // Nothing chosen keeps the key, also none (a failed registration's).
    EXPECT_EQ(HotKeyFromListText("", 0), 0);
}

TEST(PageValues, PasswordChoiceOnOk) {
    const std::string spaces31(31, ' '), spaces33(33, ' ');
    // The password box, the stored password, the confirmation box, and OK's choice.
    const std::tuple<const char*, const char*, const char*, PasswordChoice> cases[] = {
        {kPasswordPlaceholder, "old", "", PasswordChoice::KeepStored},
        {"old", "old", "", PasswordChoice::TakeEntered},
        {"new", "old", "new", PasswordChoice::TakeEntered},
        {"", "old", "", PasswordChoice::TakeEntered},  // both boxes emptied: no password
        {"new", "old", "", PasswordChoice::Mismatch},
        {"new", "old", "New", PasswordChoice::Mismatch},
        {"new", "old", "new ", PasswordChoice::Mismatch},
        {"Old", "old", "", PasswordChoice::Mismatch},
        {spaces31.c_str(), "old", "", PasswordChoice::Mismatch},
        {spaces33.c_str(), "old", "", PasswordChoice::Mismatch},
    };
    for (const auto& [entered, stored, confirmation, choice] : cases) {
        EXPECT_EQ(ChoosePassword(entered, stored, confirmation), choice)
            << "[" << entered << "] [" << stored << "] [" << confirmation << "]";
    }
}

TEST(PageValues, WatermarkFilterIsZeroSeparatedWithADoubleZeroEnd) {
    const char withGdiplus[] =
        "All supported\0*.bmp;*.gif;*.jpg;*.png;*.tif\0BMPs (*.bmp)\0*.bmp\0GIFs (*.gif)\0*.gif\0"
        "JPEGs (*.jpg)\0*.jpg\0PNGs (*.png)\0*.png\0TIFFs (*.tif)\0*.tif\0";
    const char bitmapsOnly[] = "All supported\0*.bmp\0BMPs (*.bmp)\0*.bmp\0";
    // Each literal's own terminator is the second zero of the end.
    EXPECT_EQ(WatermarkFilter("All supported", true), std::string(withGdiplus, sizeof withGdiplus));
    EXPECT_EQ(WatermarkFilter("All supported", false),
              std::string(bitmapsOnly, sizeof bitmapsOnly));
}
