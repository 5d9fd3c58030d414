# The Windows test layers on i686, for machines whose 32-bit Wine runs: the
# unit, Win32-glue and end-to-end test binaries, built from the same sources
# as the product with the posix-model compilers (GoogleTest needs std::mutex,
# which the win32 model of GCC 12 lacks; -static keeps them free of MinGW
# DLLs). The program the end-to-end tests drive is not built here: it is the
# product itself, the windows preset's pixelnook.exe (win32 thread model),
# which this build has the windows preset make first.
include(${CMAKE_CURRENT_LIST_DIR}/mingw-i686.cmake)
set(CMAKE_C_COMPILER i686-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER i686-w64-mingw32-g++-posix)
set(PIXELNOOK_WINDOWS_TESTS ON)
set(PIXELNOOK_PRODUCT_PRESET windows)
