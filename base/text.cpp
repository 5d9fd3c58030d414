#include "base/text.h"

#include <cstdio>
#include <cstring>

bool CopyText(char* dest, size_t destSize, const char* src) {
    if (destSize == 0) {
        return false;
    }
    if (src == nullptr) {
        src = "";
    }
    size_t length = strlen(src);
    bool whole = length < destSize;
    size_t count = whole ? length : destSize - 1;
    memmove(dest, src, count);
    dest[count] = '\0';
    return whole;
}

bool AppendText(char* dest, size_t destSize, const char* src) {
    if (destSize == 0) {
        return false;
    }
    size_t used = strnlen(dest, destSize);
    if (used == destSize) {
        // Not terminated within its array: terminate it rather than read on.
        dest[destSize - 1] = '\0';
        return false;
    }
    return CopyText(dest + used, destSize - used, src);
}

bool FormatTextV(char* dest, size_t destSize, const char* format, va_list args) {
    if (destSize == 0) {
        return false;
    }
    int needed = vsnprintf(dest, destSize, format, args);
    if (needed < 0) {
        dest[0] = '\0';
        return false;
    }
    return static_cast<size_t>(needed) < destSize;
}

bool FormatText(char* dest, size_t destSize, const char* format, ...) {
    va_list args;
    va_start(args, format);
    bool whole = FormatTextV(dest, destSize, format, args);
    va_end(args);
    return whole;
}
