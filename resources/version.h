/* The program's version, defined here once: the version resource, the About
 * page, the window title, the image files' Software tag, CMake's project
 * version and the package name all take it from this file. Plain C
 * preprocessor only: windres and scripts/package read it. */
#ifndef PIXELNOOK_RESOURCES_VERSION_H
#define PIXELNOOK_RESOURCES_VERSION_H

#define PIXELNOOK_VERSION "0.4.0"
/* The same version as the version resource's four numbers. */
#define PIXELNOOK_VERSION_NUMBERS 0, 4, 0, 0
#define PIXELNOOK_BUILD "20051218-001"
#define PIXELNOOK_RELEASE_NAME "Pixelnook Beta " PIXELNOOK_VERSION

#endif
