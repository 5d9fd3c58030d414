// The string table compiled into the program holds exactly the texts the
// portable core uses.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "resources/texts.h"

namespace {

std::string LoadText(UINT id) {
    char buffer[1024] = "";
    LoadStringA(GetModuleHandleA(nullptr), id, buffer, sizeof buffer);
    return buffer;
}

}  // namespace

TEST(StringTable, TextsMatchTheCore) {
    const struct {
        UINT id;
        const char* text;
    } texts[] = {
        {IDS_TYPE_DESKTOP, TEXT_TYPE_DESKTOP},
        {IDS_TYPE_WINDOW, TEXT_TYPE_WINDOW},
        {IDS_TYPE_CLIENT_AREA, TEXT_TYPE_CLIENT_AREA},
        {IDS_STATUS_FORMAT, TEXT_STATUS_FORMAT},
        {IDS_TYPE_CONTROL, TEXT_TYPE_CONTROL},
        {IDS_TYPE_UNKNOWN, TEXT_TYPE_UNKNOWN},
        {IDS_HOTKEY_ERROR, TEXT_HOTKEY_ERROR},
        {IDS_NO_HOTKEY_STATUS, TEXT_NO_HOTKEY_STATUS},
        {IDS_HOTKEY_ERROR_CAPTION, TEXT_HOTKEY_ERROR_CAPTION},
        {IDS_NO_HOTKEY, TEXT_NO_HOTKEY},
        {IDS_TYPE_VIRTUAL_SCREEN, TEXT_TYPE_VIRTUAL_SCREEN},
        {IDS_TYPE_RECTANGULAR_AREA, TEXT_TYPE_RECTANGULAR_AREA},
        {IDS_OS_ERROR, TEXT_OS_ERROR},
        {IDS_OS_ERROR_CAPTION, TEXT_OS_ERROR_CAPTION},
    };
    for (const auto& t : texts) {
        EXPECT_EQ(LoadText(t.id), t.text) << "string " << t.id;
    }
    // Line breaks survive the resource compiler as real line feeds.
    EXPECT_NE(LoadText(IDS_HOTKEY_ERROR).find("due to\nthe hot key"), std::string::npos);
}
