// The IniFile reads and writes through the Windows profile functions, and the
// relative-path helper through shlwapi (bound at run time).
#include <windows.h>

#include <iterator>

#include "base/current_directory_win.h"
#include "base/system_functions_win.h"
#include "base/text.h"
#include "settings/ini_file.h"

namespace {

// The text the last GetText read; the next GetText overwrites it. Callers copy
// it into their field at once.
char g_iniText[kIniTextChars];

// The result of the last MakeRelativePath; the next call overwrites it.
char g_relativePath[kPathChars];

}  // namespace

bool IniFile::Open(const char* fileName) {
    char directory[kPathChars] = "";
    if (!ReadCurrentDirectory(directory) || OpenIn(directory, fileName) == nullptr) {
        Close();
        return false;
    }
    return true;
}

int32_t IniFile::GetInt(const char* key, int32_t fallback) const {
    return IsOpen() ? static_cast<int32_t>(GetPrivateProfileIntA(Section, key, fallback, Path))
                    : fallback;
}

bool IniFile::GetBool(const char* key, bool fallback) const {
    return BoolFromIni(GetInt(key, fallback ? 1 : 0));
}

float IniFile::GetFloat(const char* key, float fallback) const {
    char text[kFloatTextChars] = "";
    ReadText(key, text, std::size(text));
    return FloatFromIni(text, fallback);
}

const char* IniFile::GetText(const char* key, const char* fallback) const {
    // The fallback is often the field the caller copies into, never this buffer.
    char read[kIniTextChars] = "";
    ReadText(key, read, std::size(read));
    CopyText(g_iniText, TextOrDefault(read, fallback));
    SecureZeroMemory(read, sizeof read);
    return g_iniText;
}

void IniFile::WipeText() {
    SecureZeroMemory(g_iniText, sizeof g_iniText);
}

void IniFile::PutInt(const char* key, int32_t value) const {
    char text[kIntTextChars] = "";
    FormatText(text, "%d", static_cast<int>(value));
    PutText(key, text);
}

void IniFile::PutBool(const char* key, bool value) const {
    PutText(key, BoolToIni(value));
}

void IniFile::PutFloat(const char* key, float value) const {
    char text[kFloatTextChars] = "";
    FloatToIni(value, text);
    PutText(key, text);
}

void IniFile::PutText(const char* key, const char* value) const {
    if (IsOpen()) {
        WritePrivateProfileStringA(Section, key, value, Path);
    }
}

void IniFile::ReadText(const char* key, char* text, size_t textSize) const {
    if (IsOpen()) {
        GetPrivateProfileStringA(Section, key, "", text, static_cast<DWORD>(textSize), Path);
    }
}

const char* MakeRelativePath(const char* path, const char* baseFile) {
    CopyText(g_relativePath, path);
    char from[kPathChars] = "";
    if (!DirectoryOfFile(baseFile, from, std::size(from)) || from[0] == '\0') {
        return g_relativePath;
    }
    auto pathRelativePathTo = ShlwapiOptional().PathRelativePathToA;
    if (pathRelativePathTo == nullptr) {
        return g_relativePath;
    }
    // The call assumes buffers of MAX_PATH characters and writes the whole
    // relative path into the result, however long (each step up adds "..\\"):
    // a path that would not fit is left absolute, which names it as well.
    char to[kPathChars] = "";
    if (!CopyText(to, path) || RelativePathLengthBound(from, to) >= std::size(to)) {
        return g_relativePath;
    }
    char relative[kPathChars] = "";
    if (!pathRelativePathTo(relative, from, FILE_ATTRIBUTE_DIRECTORY, to, 0) ||
        relative[0] == '\0') {
        // Another drive or share: the absolute path is the only way to name it.
        return g_relativePath;
    }
    if (relative[0] == '\\') {
        FormatText(g_relativePath, ".%s", relative);
    } else {
        CopyText(g_relativePath, relative);
    }
    return g_relativePath;
}
