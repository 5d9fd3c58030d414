/* Resource ids other than strings (see texts.h). Plain C: windres reads it. */
#ifndef PIXELNOOK_RESOURCES_RESOURCE_IDS_H
#define PIXELNOOK_RESOURCES_RESOURCE_IDS_H

/* The program's own icon, used when main.ico cannot be loaded. */
#define IDI_MAIN 101

#endif
