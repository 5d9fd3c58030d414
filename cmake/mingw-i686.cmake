# Cross-compiling the product, pixelnook.exe, for 32-bit Windows with MinGW-w64.
# The win32 thread model keeps winpthreads out: it would import kernel32
# functions Windows 98 lacks (GetTickCount64, TryEnterCriticalSection, ...).
# GoogleTest needs the posix model, so the Windows tests are built by the
# wine32 preset (mingw-i686-tests.cmake, which starts from this file) or,
# where 32-bit Wine cannot run, the wine64 preset (mingw-x86_64.cmake).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(CMAKE_C_COMPILER i686-w64-mingw32-gcc-win32)
set(CMAKE_CXX_COMPILER i686-w64-mingw32-g++-win32)
set(CMAKE_RC_COMPILER i686-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/i686-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# Windows binaries built here run on Linux through Wine.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run)
set(PIXELNOOK_WINE_ARCH win32)
set(PIXELNOOK_WINDOWS_TESTS OFF)
