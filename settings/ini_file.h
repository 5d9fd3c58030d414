// IniFile: the small accessor through which the settings reach "Pixelnook.ini".
//
// It is plain state (the file's directory and path, and the section the next
// get or put uses), so a copy of the settings record can read and write the
// file it came from. The reads and writes go through the Windows profile
// functions (ini_file_win.cpp); the program never parses the file itself.
#pragma once

#include <cstddef>
#include <cstdint>

#include "base/limits.h"
#include "settings/ini_conversions.h"

// Length of a section name, terminator included.
constexpr int kSectionChars = 32;

struct IniFile {
    char Directory[kPathChars];  // no trailing backslash
    char Path[kPathChars];       // Directory + "\" + file name
    char Section[kSectionChars];

    // Takes the file of that name in the process's current directory. When
    // the directory cannot be had or the full path would not fit Path, it
    // takes no file and returns false: a cut path names another file
    // ("...\Pixelnook.i"), and no directory at all, one in the drive's root.
    bool Open(const char* fileName);
    // Points the accessor at a file in a given directory; Open uses it.
    // Returns the path, or nullptr when it had to be cut to fit (the cut
    // texts stay, and Open then closes the accessor).
    const char* OpenIn(const char* directory, const char* fileName);
    // Takes no file: reads give their defaults and writes do nothing.
    void Close();
    bool IsOpen() const { return Path[0] != '\0'; }
    const char* GetPath() const { return Path; }
    const char* GetDirectory() const { return Directory; }
    void SetSection(const char* section);

    // Reads, each in the current section, with the field's value as default.
    int32_t GetInt(const char* key, int32_t fallback) const;
    bool GetBool(const char* key, bool fallback) const;
    float GetFloat(const char* key, float fallback) const;
    // The text (at most 1023 characters) in a buffer shared by the whole
    // process that the next GetText overwrites: copy it into its field at once.
    const char* GetText(const char* key, const char* fallback) const;
    // Overwrites that shared buffer, so a secret read through it does not stay.
    static void WipeText();

    // Writes; failures (a read-only folder) are ignored, as nothing can be done.
    // Reads and writes of a closed accessor touch no file.
    void PutInt(const char* key, int32_t value) const;
    void PutBool(const char* key, bool value) const;
    void PutFloat(const char* key, float value) const;
    void PutText(const char* key, const char* value) const;

private:
    // The key's text in the current section, or "" when there is none.
    void ReadText(const char* key, char* text, size_t textSize) const;
};

// The path made relative to the directory of baseFile (".\\sub" for a folder
// below it, "..\\sibling" for one beside it). Without a common root, without
// shlwapi, or when the relative path would not fit a path's 260 characters,
// the path comes back unchanged. The result is a buffer shared by the whole
// process that the next call overwrites: copy it at once.
const char* MakeRelativePath(const char* path, const char* baseFile);

// The longest a relative path from the directory `from` to `to` can be: a
// "..\\" for each folder of `from` past the part both share, then the rest of
// `to` (after ".\\" when there is no step up). Names are compared ignoring
// ASCII case; any other difference only makes the bound longer, never shorter.
size_t RelativePathLengthBound(const char* from, const char* to);
