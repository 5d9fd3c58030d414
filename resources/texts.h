/* The program's string table: every user-visible text defined once, with its
 * id. pixelnook.rc builds the STRINGTABLE from these macros and the portable
 * core includes them too, so the two cannot drift apart. Plain C preprocessor
 * only: windres reads this file. */
#ifndef PIXELNOOK_RESOURCES_TEXTS_H
#define PIXELNOOK_RESOURCES_TEXTS_H

#include "resources/version.h"

#define IDS_TYPE_DESKTOP 1
#define TEXT_TYPE_DESKTOP "Desktop"
#define IDS_TYPE_WINDOW 2
#define TEXT_TYPE_WINDOW "Window"
#define IDS_TYPE_CLIENT_AREA 3
#define TEXT_TYPE_CLIENT_AREA "Client Area"
#define IDS_STATUS_FORMAT 4
#define TEXT_STATUS_FORMAT "Use %s to take a %s screen grab"
#define IDS_TYPE_CONTROL 5
#define TEXT_TYPE_CONTROL "Control"
#define IDS_TYPE_UNKNOWN 6
#define TEXT_TYPE_UNKNOWN "Unknown"
#define IDS_HOTKEY_ERROR 7
#define TEXT_HOTKEY_ERROR                                                        \
    "Unable to register the requested hot key. This is probably due to\n"        \
    "the hot key being used by another application.\n\n"                         \
    "Screen grabs will be disabled until a vaild hot key can be registered.\n\n" \
    "Please choose another hot key via the Settings dialog box."
#define IDS_NO_HOTKEY_STATUS 8
#define TEXT_NO_HOTKEY_STATUS "No valid hot key registered. Go to Settings to choose one."
#define IDS_HOTKEY_ERROR_CAPTION 9
#define TEXT_HOTKEY_ERROR_CAPTION "Pixelnook - Hot Key Registration Error"
#define IDS_NO_HOTKEY 10
#define TEXT_NO_HOTKEY "None specified"
#define IDS_SELECT_FOLDER_TITLE 11
#define TEXT_SELECT_FOLDER_TITLE "Select a Screen Grab Storage Folder:"
#define IDS_TYPE_VIRTUAL_SCREEN 12
#define TEXT_TYPE_VIRTUAL_SCREEN "Virtual Screen"
#define IDS_STORING_TO_CLIPBOARD 13
#define TEXT_STORING_TO_CLIPBOARD "<storing to the clipboard>"
#define IDS_SELECT_WATERMARK_TITLE 14
#define TEXT_SELECT_WATERMARK_TITLE "Select a Watermark Image File:"
#define IDS_ALL_SUPPORTED 15
#define TEXT_ALL_SUPPORTED "All supported"
#define IDS_HOTKEY_AVAILABLE 16
#define TEXT_HOTKEY_AVAILABLE "Requested hot key is available for use by Pixelnook"

/* Pieces of the About page's current-settings summary. */
#define IDS_NONE 17
#define TEXT_NONE "<none>"
#define IDS_PERCENT_OF_ORIGINAL 18
#define TEXT_PERCENT_OF_ORIGINAL "%d%% of original"
#define IDS_WIDTH_BY_HEIGHT 19
#define TEXT_WIDTH_BY_HEIGHT "%d by %d"
#define IDS_ASPECT_ADJUSTED 20
#define TEXT_ASPECT_ADJUSTED "height aspect ratio adjusted"
#define IDS_RESIZE_WATERMARK 21
#define TEXT_RESIZE_WATERMARK "resize watermark"
#define IDS_RESIZE_TO 22
#define TEXT_RESIZE_TO "resize to"
#define IDS_NOT_RESIZED 23
#define TEXT_NOT_RESIZED "not resized"
#define IDS_CENTERED 24
#define TEXT_CENTERED "centered"
#define IDS_TILED 25
#define TEXT_TILED "tiled"
#define IDS_TOP_LEFT_CORNER 26
#define TEXT_TOP_LEFT_CORNER "top left corner"
#define IDS_TOP_RIGHT_CORNER 27
#define TEXT_TOP_RIGHT_CORNER "top right corner"
#define IDS_BOTTOM_LEFT_CORNER 28
#define TEXT_BOTTOM_LEFT_CORNER "bottom left corner"
#define IDS_BOTTOM_RIGHT_CORNER 29
#define TEXT_BOTTOM_RIGHT_CORNER "bottom right corner"
#define IDS_TYPE_RECTANGULAR_AREA 30
#define TEXT_TYPE_RECTANGULAR_AREA "Rectangular Area"
#define IDS_OS_ERROR 31
#define TEXT_OS_ERROR "Pixelnook is for MS Windows 98 or newer."
#define IDS_OS_ERROR_CAPTION 32
#define TEXT_OS_ERROR_CAPTION "Pixelnook - OS Version Error"
#define IDS_PASSWORD_MISMATCH 33
#define TEXT_PASSWORD_MISMATCH "Upload password confirmation failed. Please re-enter."
#define IDS_PASSWORD_MISMATCH_CAPTION 34
#define TEXT_PASSWORD_MISMATCH_CAPTION "Pixelnook - Password Confirmation Error"

/* The tray menu's items (menu resource IDR_TRAY_MENU); the text after the tab
 * names the key that gives the same command. */
#define TEXT_MENU_TRAY "Tray"
#define TEXT_MENU_SETTINGS "&Settings...\tS"
#define TEXT_MENU_ABOUT "&About...\tA"
#define TEXT_MENU_HELP "&Help...\tF1"
#define TEXT_MENU_EXIT "E&xit\tESC"
#define TEXT_MENU_TEMP "Temp"
#define TEXT_MENU_INTRO "&Intro..."

/* The About page's version line and the Image info page's Software box. */
#define TEXT_ABOUT_VERSION "Pixelnook  Beta " PIXELNOOK_VERSION "  (build " PIXELNOOK_BUILD ")"
#define TEXT_SOFTWARE_NAME PIXELNOOK_RELEASE_NAME

/* Appended to the status text to make the main window's title. */
#define TEXT_TITLE_SUFFIX " - " PIXELNOOK_RELEASE_NAME

#endif
