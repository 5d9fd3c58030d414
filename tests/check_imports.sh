#!/usr/bin/env bash
# Fails unless every function the executable imports is on the list below:
# each one someone has checked that Windows 98 really implements, in a DLL
# every Windows from 98 on has. A new import fails until it has been looked at
# and added here (anything newer is bound at run time instead).
#   check_imports.sh OBJDUMP EXE
set -euo pipefail
objdump=$1 exe=$2
allowed=$(cat <<'LIST'
GDI32.DLL:
    BitBlt CombineRgn CreateBitmap CreateCompatibleDC CreateDCA CreateDIBSection CreatePen
    CreateRectRgn CreateSolidBrush DeleteDC DeleteObject FillRgn GdiFlush GetCurrentObject
    GetDeviceCaps GetDIBits GetObjectA Rectangle SelectClipRgn SelectObject
KERNEL32.DLL:
    CloseHandle CreateFileA CreateMutexA DeleteCriticalSection DeleteFileA EnterCriticalSection
    FindClose FindFirstFileA FindNextFileA FreeLibrary GetCurrentDirectoryA GetCurrentProcess
    GetCurrentThreadId GetFileAttributesA GetFullPathNameA GetLastError GetModuleFileNameA
    GetModuleHandleA GetPrivateProfileIntA GetPrivateProfileStringA GetProcAddress GetStartupInfoA
    GetSystemDirectoryA GetSystemTime GetVersionExA GlobalAlloc GlobalFree GlobalLock GlobalUnlock
    InitializeCriticalSection IsDBCSLeadByteEx LeaveCriticalSection LoadLibraryA LocalFree
    MultiByteToWideChar ReleaseMutex ReleaseSemaphore SetCurrentDirectoryA SetLastError
    SetUnhandledExceptionFilter Sleep TlsAlloc TlsFree TlsGetValue TlsSetValue VirtualProtect
    VirtualQuery WaitForSingleObject WideCharToMultiByte WriteFile WritePrivateProfileStringA
# Windows 98 exports the wide-character functions below as stubs that fail.
# Each of libgcc's win32 mutexes makes a semaphore (the unwinder's and the
# exception pool's at start-up, emutls's at the first throw); it is waited on
# or released only when a second thread contends for the mutex. The program
# runs its code on one thread (it imports no CreateThread), so a semaphore
# that failed is never touched.
    CreateSemaphoreW
# The MinGW runtime's rand_s (only std::random_device, which the program does
# not use: it then fails with EINVAL) and its code-page lookup for wide
# printf conversions (when msvcrt.dll is not found it reads the code page from
# setlocale instead: the same answer in the "C" locale the program keeps).
# Neither is called by a start, a grab and an exit (WINEDEBUG=+relay).
    GetModuleHandleW LoadLibraryW
MSVCRT.DLL:
    __getmainargs __initenv __mb_cur_max __p__acmdln __p__commode __p__fmode __set_app_type
    __setusermatherr _amsg_exit _cexit _close _errno _initterm _iob _onexit _read _splitpath abort
    atoi calloc exit fprintf fputc fputs free fwrite localeconv localtime malloc memchr memcmp
    memcpy memmove memset realloc remove setlocale signal strchr strcmp strerror strftime strlen
    strncmp strrchr strtol time vfprintf wcslen
USER32.DLL:
    AttachThreadInput BeginPaint CallWindowProcA CheckDlgButton ClientToScreen CloseClipboard
    CreateDialogParamA CreateWindowExA DefWindowProcA DeleteMenu DestroyIcon DestroyMenu
    DialogBoxParamA DispatchMessageA DrawIconEx EmptyClipboard EnableWindow EndDialog EndPaint
    EnumThreadWindows FindWindowA GetClassNameA GetClientRect GetCursor GetCursorPos GetDC
    GetDesktopWindow GetDlgItem GetDlgItemInt GetDlgItemTextA GetForegroundWindow GetIconInfo
    GetMenuItemCount GetMenuItemInfoA GetMessageA GetMonitorInfoA GetParent GetPropA GetSubMenu
    GetSysColor GetSystemMenu GetSystemMetrics GetWindowDC GetWindowLongA GetWindowRect GetWindowRgn
    GetWindowTextA GetWindowThreadProcessId InsertMenuItemA InvalidateRect IsDlgButtonChecked
    IsWindowVisible LoadCursorA LoadImageA LoadMenuA LoadStringA MapWindowPoints MessageBoxA
    MonitorFromPoint OffsetRect OpenClipboard PostMessageA PostQuitMessage RedrawWindow
    RegisterClassExA RegisterHotKey RegisterWindowMessageA ReleaseDC RemovePropA SendDlgItemMessageA
    SendMessageA SetActiveWindow SetClipboardData SetCursor SetCursorPos SetDlgItemInt
    SetDlgItemTextA SetFocus SetForegroundWindow SetMenuDefaultItem SetParent SetPropA SetRect
    SetWindowLongA SetWindowPos SetWindowRgn SetWindowTextA ShowWindow TrackPopupMenu
    TranslateMessage UnregisterHotKey WindowFromPoint
LIST
)
# "DLL function" per line, from the list and from the import table. Every
# entry of a DLL's table counts: one imported by ordinal shows as "<none>".
allowed_pairs=$(awk '/^#/ || NF == 0 { next }
    /^[^ ]/ { dll = $1; sub(/:$/, "", dll); next }
    { for (i = 1; i <= NF; i++) print dll, $i }' <<<"$allowed" | sort -u)
imported_pairs=$("$objdump" -p "$exe" | awk '/^\tDLL Name: / { dll = toupper($3); getline; next }
    dll && NF == 0 { dll = ""; next }
    dll { print dll, $NF }' | sort -u)
[ -n "$imported_pairs" ] || { echo "no import table found"; exit 1; }
echo "imports: $(cut -d' ' -f1 <<<"$imported_pairs" | uniq -c | awk '{ printf "%s(%s) ", $2, $1 }')"
unlisted=$(comm -23 <(echo "$imported_pairs") <(echo "$allowed_pairs"))
[ -z "$unlisted" ] && exit 0
echo "imports no one has checked against Windows 98 (bind them at run time, or check and list them):"
awk '{ print "    " $0 }' <<<"$unlisted"
exit 1
