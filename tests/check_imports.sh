#!/usr/bin/env bash
# Fails unless every function the executable imports is on the list in
# dist/imports.txt: each one someone has checked that Windows 98 really
# implements, in a DLL every Windows from 98 on has. A new import fails until
# it has been looked at and added there (anything newer is bound at run time
# instead).
#   check_imports.sh OBJDUMP EXE
set -euo pipefail
objdump=$1 exe=$2
allowed=$(cat "$(dirname "$0")/../dist/imports.txt")
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
