// Classification of the operating system into the classes the program compares
// against: it runs from class 4 (Windows 98) up to class 7 (Windows XP).
#pragma once

#include <cstdint>

using OsVersionClass = int32_t;

constexpr OsVersionClass kOsNotRecognised = 0;
constexpr OsVersionClass kOsNt4OrOlder = 2;
constexpr OsVersionClass kOsWindows95 = 3;
constexpr OsVersionClass kOsWindows98 = 4;
constexpr OsVersionClass kOsWindowsMe = 5;
constexpr OsVersionClass kOsWindows2000 = 6;
constexpr OsVersionClass kOsWindowsXp = 7;

// What the version query reported, in the terms of OSVERSIONINFOEXA.
struct OsVersionReport {
    bool queried = false;   // either query succeeded
    bool extended = false;  // the extended (156-byte) query succeeded
    uint32_t platformId = 0;
    uint32_t major = 0;
    uint32_t minor = 0;
    uint8_t productType = 0;
};

constexpr uint32_t kPlatformWin9x = 1;  // VER_PLATFORM_WIN32_WINDOWS
constexpr uint32_t kPlatformNt = 2;     // VER_PLATFORM_WIN32_NT
constexpr uint8_t kProductWorkstation = 1;

OsVersionClass ClassifyOsVersion(const OsVersionReport& report);
