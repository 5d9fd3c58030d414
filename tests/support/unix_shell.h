// Unix commands from a Wine test process: ImageMagick reading what Pixelnook
// wrote, a shell limiting a second run, a folder removed whole.
#pragma once

#include <windows.h>

#include <string>

#include "tests/support/file_bytes.h"

inline bool Exists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// The Unix form of a path on Z:, Wine's drive for the Unix root.
inline std::string UnixPath(std::string path) {
    for (char& c : path)
        c = c == '\\' ? '/' : c;
    return path.substr(2);
}

// Runs a /bin/sh script (no double quotes in it) and returns what it printed,
// by way of the file out (on Z:). A Unix child's process handle cannot be
// waited for, so the script writes out under another name and renames it last.
inline std::string RunShell(const std::string& script, const std::string& out) {
    const std::string unixOut = UnixPath(out);
    std::string command = "/bin/sh -c \"(" + script + ") > '" + unixOut + ".part' 2>&1; mv '" +
                          unixOut + ".part' '" + unixOut + "'\"";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process))
        return "the shell did not start";
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    for (int tries = 0; tries < 1200 && !Exists(out); ++tries)
        Sleep(50);
    const std::string text = FileBytes(out);
    DeleteFileA(out.c_str());
    return text;
}
