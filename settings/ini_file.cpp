#include "settings/ini_file.h"

#include <cstring>

#include "base/text.h"

const char* IniFile::OpenIn(const char* directory, const char* fileName) {
    const bool whole = CopyText(Directory, directory);
    return FormatText(Path, "%s\\%s", Directory, fileName) && whole ? Path : nullptr;
}

void IniFile::Close() {
    Directory[0] = '\0';
    Path[0] = '\0';
}

void IniFile::SetSection(const char* section) {
    CopyText(Section, section);
}

namespace {

bool IsSeparator(char c) {
    return c == '\\' || c == '/';
}

char AsciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

}  // namespace

size_t RelativePathLengthBound(const char* from, const char* to) {
    // The shared part ends at the last backslash both hold at the same place,
    // or where one text ends as the other reaches a backslash. Only the
    // backslash counts here: taking '/' as a separator too could make the
    // shared part longer than the one Windows finds.
    size_t shared = 0;
    for (size_t i = 0; AsciiLower(from[i]) == AsciiLower(to[i]) || from[i] == '\0' || to[i] == '\0';
         ++i) {
        const bool fromEnds = from[i] == '\0' || from[i] == '\\';
        const bool toEnds = to[i] == '\0' || to[i] == '\\';
        if (fromEnds && toEnds) {
            shared = i;
        }
        if (from[i] == '\0' || to[i] == '\0') {
            break;
        }
    }
    // Every folder name of `from` past the shared part is a step up; both
    // separators count here, which can only add steps.
    size_t stepsUp = 0;
    for (const char* c = from + shared; *c != '\0'; ++c) {
        if (!IsSeparator(*c) && (c == from + shared || IsSeparator(c[-1]))) {
            ++stepsUp;
        }
    }
    const char* rest = to + shared;
    if (IsSeparator(*rest)) {
        ++rest;
    }
    const size_t prefix = stepsUp == 0 ? std::strlen(".\\") : stepsUp * std::strlen("..\\");
    return prefix + std::strlen(rest);
}
