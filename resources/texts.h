/* The program's string table: every user-visible text defined once, with its
 * id. pixelnook.rc builds the STRINGTABLE from these macros and the portable
 * core includes them too, so the two cannot drift apart. Plain C preprocessor
 * only: windres reads this file. */
#ifndef PIXELNOOK_RESOURCES_TEXTS_H
#define PIXELNOOK_RESOURCES_TEXTS_H

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
#define IDS_TYPE_VIRTUAL_SCREEN 12
#define TEXT_TYPE_VIRTUAL_SCREEN "Virtual Screen"
#define IDS_TYPE_RECTANGULAR_AREA 30
#define TEXT_TYPE_RECTANGULAR_AREA "Rectangular Area"
#define IDS_OS_ERROR 31
#define TEXT_OS_ERROR "Pixelnook is for MS Windows 98 or newer."
#define IDS_OS_ERROR_CAPTION 32
#define TEXT_OS_ERROR_CAPTION "Pixelnook - OS Version Error"

/* The tray menu's items (menu resource IDR_TRAY_MENU); the text after the tab
 * names the key that gives the same command. */
#define TEXT_MENU_TRAY "Tray"
#define TEXT_MENU_SETTINGS "&Settings...\tS"
#define TEXT_MENU_ABOUT "&About...\tA"
#define TEXT_MENU_HELP "&Help...\tF1"
#define TEXT_MENU_EXIT "E&xit\tESC"
#define TEXT_MENU_TEMP "Temp"
#define TEXT_MENU_INTRO "&Intro..."

/* Appended to the status text to make the main window's title. */
#define TEXT_TITLE_SUFFIX " - Pixelnook Beta 0.4.0"

#endif
