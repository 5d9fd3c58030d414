#!/usr/bin/env bash
# Fails unless the executable imports only from KERNEL32, USER32, GDI32,
# ADVAPI32 and msvcrt (the DLLs every Windows from 98 on has), and none of the
# kernel32 functions that Windows 98 lacks but toolchain runtimes like to use.
set -euo pipefail
objdump=$1 exe=$2
table=$("$objdump" -p "$exe")
dlls=$(sed -n 's/^\s*DLL Name: //p' <<<"$table" | tr '[:lower:]' '[:upper:]' | sort -u)
echo "imports:" $dlls
[ -n "$dlls" ] || { echo "no import table found"; exit 1; }
status=0
for dll in $dlls; do
    case $dll in
        KERNEL32.DLL|USER32.DLL|GDI32.DLL|ADVAPI32.DLL|MSVCRT.DLL) ;;
        *) echo "not allowed: $dll"; status=1 ;;
    esac
done
newer_than_98='GetTickCount64|AddVectoredExceptionHandler|RemoveVectoredExceptionHandler|TryEnterCriticalSection|GetHandleInformation|InitializeCriticalSectionEx|InitializeCriticalSectionAndSpinCount|GetSystemTimePreciseAsFileTime|FlsAlloc|FlsGetValue|FlsSetValue|SetThreadErrorMode|CreateEventExA|CreateEventExW|GetTickCount64|SetFilePointerEx|GetFileSizeEx|EncryptFileA|DecryptFileA|GetCursorInfo|SetLayeredWindowAttributes|AllowSetForegroundWindow|GetProcessHeaps|SetProcessWorkingSetSize|CryptProtectData|CryptUnprotectData'
found=$(grep -owE "($newer_than_98)" <<<"$table" | sort -u || true)
if [ -n "$found" ]; then
    echo "imports functions Windows 98 lacks (bind them at run time):" $found
    status=1
fi
exit $status
