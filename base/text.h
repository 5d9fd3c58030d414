// Bounded text helpers for the program's fixed-size ANSI buffers.
//
// Every write into a fixed array goes through one of these: they always leave a
// terminated text, never write past the array, and report whether the whole
// text fitted (false means it was cut).
#pragma once

#include <cstdarg>
#include <cstddef>

bool CopyText(char* dest, size_t destSize, const char* src);
bool AppendText(char* dest, size_t destSize, const char* src);
bool FormatText(char* dest, size_t destSize, const char* format, ...)
    __attribute__((format(printf, 3, 4)));
bool FormatTextV(char* dest, size_t destSize, const char* format, va_list args);

template <size_t N>
bool CopyText(char (&dest)[N], const char* src) {
    return CopyText(dest, N, src);
}

template <size_t N>
bool AppendText(char (&dest)[N], const char* src) {
    return AppendText(dest, N, src);
}

template <size_t N>
__attribute__((format(printf, 2, 3))) bool FormatText(char (&dest)[N], const char* format, ...) {
    va_list args;
    va_start(args, format);
    bool whole = FormatTextV(dest, N, format, args);
    va_end(args);
    return whole;
}
