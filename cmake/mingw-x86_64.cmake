# Cross-compiling for 64-bit Windows with MinGW-w64: the build the Wine
# tests run where the kernel cannot execute 32-bit programs (and so no 32-bit
# Wine runs). The product itself is the i686 build. The posix thread model is
# used because GoogleTest needs std::mutex, which the win32 model of GCC 12
# lacks; with -static the tests still need no MinGW DLL.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# Windows binaries built here run on Linux through Wine.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run)
set(PIXELNOOK_WINE_ARCH win64)
set(PIXELNOOK_WINDOWS_TESTS ON)
