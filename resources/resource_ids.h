/* Resource ids other than strings (see texts.h). Plain C: windres reads it. */
#ifndef PIXELNOOK_RESOURCES_RESOURCE_IDS_H
#define PIXELNOOK_RESOURCES_RESOURCE_IDS_H

/* The program's own icon, used when main.ico cannot be loaded. */
#define IDI_MAIN 101

/* The tray menu: popup "Tray" (also copied into the main window's system menu)
 * and popup "Temp". */
#define IDR_TRAY_MENU 102

/* Commands of the tray and system menus, also posted by keys and by a second
 * copy of the program. */
#define IDM_SETTINGS 40001
#define IDM_ABOUT 40003
#define IDM_HELP 40004
#define IDM_EXIT 40005
#define IDM_INTRO 40006

/* The hand shown over the page list's arrows where the system has none. */
#define IDC_HAND_CURSOR 111

/* The settings dialog's frame and the first-run Introduction. */
#define IDD_SETTINGS 108
#define IDD_INTRO 115

/* Settings pages (child dialogs of the frame). General opens first, the About
 * and Help commands open the dialog at theirs. */
#define IDD_PAGE_WATERMARK 109
#define IDD_PAGE_HOT_KEY 110
#define IDD_PAGE_TYPE 111
#define IDD_PAGE_THUMBNAIL 112
#define IDD_PAGE_STORAGE 113
#define IDD_PAGE_HELP 116
#define IDD_PAGE_ABOUT 117
#define IDD_PAGE_GENERAL 118
#define IDD_PAGE_INFO 119
#define IDD_PAGE_BACKFILLS 120
#define IDD_PAGE_UPLOADS 121

/* Controls of the frame (dialog 108). The arrows share ids with page
 * controls whose commands reach the frame too: they are told apart by their
 * window, not by the id. */
#define IDC_PAGE_PLACE 1062
#define IDC_PAGE_LIST 1063
#define IDC_DOWN_ARROW 1075
#define IDC_UP_ARROW 1076
#define IDC_UNLOAD 1070
#define IDC_PAGE_LIST_CLIP 9999

/* General page. */
#define IDC_SYSTRAY 1076
#define IDC_TASKBAR 1077
#define IDC_SETTINGS_ON_START 1078
#define IDC_REL_PATHS 1079
#define IDC_MAKE_LINK 1080
#define IDC_USER_LINK 1099

/* Hot key page. */
#define IDC_HOT_KEY 1000
#define IDC_USE_ALT 1011
#define IDC_USE_CTRL 1012
#define IDC_USE_SHIFT 1013
#define IDC_USE_WIN 1014
#define IDC_TEST_HOT_KEY 1064
#define IDC_HOT_KEY_RESULT 1069

/* Type page: one radio button per grab type, then the cursor box. */
#define IDC_TYPE_CONTROL 1018
#define IDC_TYPE_CLIENT_AREA 1019
#define IDC_TYPE_WINDOW 1020
#define IDC_TYPE_DESKTOP 1021
#define IDC_TYPE_VIRTUAL_SCREEN 1023
#define IDC_TYPE_RECTANGULAR_AREA 1024
#define IDC_SHOW_CURSOR 1006

/* Storage page. */
#define IDC_STORE_CLIPBOARD 1016
#define IDC_STORE_FILE 1017
#define IDC_BROWSE_DIR 1004
#define IDC_CURRENT_DIR 1022
#define IDC_STORE_DIR 1001
#define IDC_PREFIX 1026
#define IDC_EXT 1030
#define IDC_DIGITS 1027
#define IDC_DIGITS_SPIN 1029
#define IDC_REDUCTION 1034
#define IDC_QUALITY 1031
#define IDC_QUALITY_SPIN 1032
#define IDC_COMPRESSION 1033

/* Thumbnail page. */
#define IDC_THUMB 1033
#define IDC_THUMB_PERCENT 1038
#define IDC_THUMB_PERCENT_SPIN 1039
#define IDC_THUMB_WIDTH 1034
#define IDC_THUMB_WIDTH_SPIN 1036
#define IDC_THUMB_HEIGHT 1035
#define IDC_THUMB_HEIGHT_SPIN 1037
#define IDC_THUMB_ASPECT 1067
#define IDC_WM_SAME 1068

/* Watermark page. The offsets are hidden: their boxes only carry the values
 * through the dialog. */
#define IDC_WATERMARK 1040
#define IDC_WM_FILE 1041
#define IDC_BROWSE_WM 1005
#define IDC_WM_STRETCH 1058
#define IDC_WM_PERCENT 1042
#define IDC_WM_PERCENT_SPIN 1043
#define IDC_WM_WIDTH 1044
#define IDC_WM_WIDTH_SPIN 1045
#define IDC_WM_HEIGHT 1046
#define IDC_WM_HEIGHT_SPIN 1047
#define IDC_WM_ASPECT 1067
#define IDC_WM_CENTERED 1056
#define IDC_WM_TILED 1057
#define IDC_WM_CORNERED 1060
#define IDC_WM_ROWS 1061
#define IDC_WM_ROWS_SPIN 1062
#define IDC_WM_COLUMNS 1063
#define IDC_WM_COLUMNS_SPIN 1064
#define IDC_WM_TOP_LEFT 1048
#define IDC_WM_TOP_RIGHT 1049
#define IDC_WM_BOTTOM_LEFT 1050
#define IDC_WM_BOTTOM_RIGHT 1051
#define IDC_WM_HOFFSET 1052
#define IDC_WM_HOFFSET_SPIN 1053
#define IDC_WM_VOFFSET 1054
#define IDC_WM_VOFFSET_SPIN 1055

/* Backfills page. */
#define IDC_FILL 1087
#define IDC_FILL_RED 1088
#define IDC_FILL_GREEN 1089
#define IDC_FILL_BLUE 1090
#define IDC_TRANS_FILL 1091

/* Image info page; Created and Software are shown, never read back. */
#define IDC_INFO_TITLE 1079
#define IDC_INFO_COPYRIGHT 1085
#define IDC_INFO_DOCNAME 1084
#define IDC_INFO_DESCRIPTION 1083
#define IDC_INFO_ARTIST 1082
#define IDC_INFO_CREATED 1081
#define IDC_INFO_SOFTWARE 1080

/* Uploads page. */
#define IDC_UPLOAD_SERVER 1092
#define IDC_UPLOAD_USER 1093
#define IDC_UPLOAD_PASSWORD 1094
#define IDC_UPLOAD_DIR 1095
#define IDC_UPLOAD_PASSIVE 1098
#define IDC_UPLOAD_CONFIRM 1099
#define IDC_UPLOAD_PROTOCOL 1100
#define IDC_UPLOAD_SERVICE 1101

/* About page: the current-settings summary. */
#define IDC_ABOUT_HOT_KEY 1000
#define IDC_ABOUT_DIR 1001
#define IDC_ABOUT_TYPE 1002
#define IDC_ABOUT_THUMBNAIL 1033
#define IDC_ABOUT_WATERMARK 1040

#endif
