#include "settings/ini_conversions.h"

#include <cstdlib>
#include <cstring>

#include "base/text.h"

bool BoolFromIni(int32_t stored) {
    return stored == 1;
}

const char* BoolToIni(bool value) {
    return value ? "1" : "0";
}

void FloatToIni(float value, char (&text)[kFloatTextChars]) {
    FormatText(text, "%g", static_cast<double>(value));
}

float FloatFromIni(const char* text, float current) {
    if (text == nullptr || text[0] == '\0') {
        return current;
    }
    // strtof reads what "%g" scanning reads, and is defined for numbers out of
    // a float's range (they become infinity) where sscanf is not.
    char* end = nullptr;
    float value = strtof(text, &end);
    return end == text ? current : value;
}

Colorref ColorFromIni(int32_t red, int32_t green, int32_t blue) {
    return MakeColorref(static_cast<uint32_t>(red), static_cast<uint32_t>(green),
                        static_cast<uint32_t>(blue));
}

const char* TextOrDefault(const char* read, const char* fallback) {
    return read != nullptr && read[0] != '\0' ? read : fallback;
}

bool DirectoryOfFile(const char* file, char* directory, size_t directorySize) {
    if (directorySize == 0) {
        return false;
    }
    // The directory ends at the last separator; a bare "C:name" keeps "C:".
    size_t length = strlen(file);
    size_t keep = 0;
    for (size_t i = 0; i < length; ++i) {
        if (file[i] == '\\' || file[i] == '/' || (i == 1 && file[i] == ':')) {
            keep = i + 1;
        }
    }
    if (keep >= directorySize) {
        directory[0] = '\0';
        return false;
    }
    memcpy(directory, file, keep);
    directory[keep] = '\0';
    return true;
}
