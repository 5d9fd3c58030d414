#!/usr/bin/env bash
# Fails unless the executable imports only KERNEL32, USER32, GDI32, ADVAPI32
# and msvcrt statically: the DLLs every Windows from 98 on has.
set -euo pipefail
objdump=$1 exe=$2
dlls=$("$objdump" -p "$exe" | sed -n 's/^\s*DLL Name: //p' | tr '[:lower:]' '[:upper:]' | sort -u)
echo "imports:" $dlls
[ -n "$dlls" ] || { echo "no import table found"; exit 1; }
status=0
for dll in $dlls; do
    case $dll in
        KERNEL32.DLL|USER32.DLL|GDI32.DLL|ADVAPI32.DLL|MSVCRT.DLL) ;;
        *) echo "not allowed: $dll"; status=1 ;;
    esac
done
exit $status
