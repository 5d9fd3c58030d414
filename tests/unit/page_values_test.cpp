#include "dialogs/page_values.h"

#include <gtest/gtest.h>

#include <string>

TEST(PageValues, HotKeyListSelectsAndReadsBack) {
    const struct {
        int32_t key;
        int index;  // -1: the list shows no selection
        const char* item;
    } cases[] = {
        {112, 0, "F1"},      {121, 9, "F10"},    {123, 11, "F12"},
        {44, 12, "PrtScrn"}, {111, -1, nullptr}, {124, -1, nullptr},
        {0, -1, nullptr},    {45, -1, nullptr},  {INT32_MIN, -1, nullptr},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(HotKeyListIndex(c.key), c.index) << c.key;
        if (c.item != nullptr) {
            EXPECT_EQ(HotKeyListItem(c.index), c.item);
            EXPECT_EQ(HotKeyFromListText(c.item, 0), c.key) << c.item;
        }
    }
    // Nothing chosen keeps the key, also none (a failed registration's).
    EXPECT_EQ(HotKeyFromListText("", 0), 0);
}

TEST(PageValues, PasswordChoiceOnOk) {
    const std::string spaces31(31, ' '), spaces33(33, ' ');
    const struct {
        const char* entered;
        const char* stored;
        const char* confirmation;
        PasswordChoice choice;
    } cases[] = {
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
    for (const auto& c : cases) {
        EXPECT_EQ(ChoosePassword(c.entered, c.stored, c.confirmation), c.choice)
            << "[" << c.entered << "] [" << c.stored << "] [" << c.confirmation << "]";
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
