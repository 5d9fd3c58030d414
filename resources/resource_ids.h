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

/* Settings pages: General opens first, the About and Help commands open the
 * dialog at theirs. */
#define IDD_PAGE_HELP 116
#define IDD_PAGE_ABOUT 117
#define IDD_PAGE_GENERAL 118

#endif
