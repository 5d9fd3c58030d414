#include "base/os_version_win.h"

#include <windows.h>

namespace {

// The system's version never changes while the program runs: the first call
// fills this and every later call returns it. -1 means not asked yet.
OsVersionClass g_osVersionClass = -1;

// The size of the basic OSVERSIONINFOA record, for systems that refuse the
// extended one (Windows 95 and NT 4 before service pack 6).
constexpr DWORD kBasicVersionRecordSize = 148;

OsVersionReport QueryOsVersion() {
    OSVERSIONINFOEXA info;
    ZeroMemory(&info, sizeof info);
    info.dwOSVersionInfoSize = sizeof info;
    OsVersionReport report;
    if (GetVersionExA(reinterpret_cast<OSVERSIONINFOA*>(&info))) {
        report.queried = true;
        report.extended = true;
    } else {
        info.dwOSVersionInfoSize = kBasicVersionRecordSize;
        report.queried = GetVersionExA(reinterpret_cast<OSVERSIONINFOA*>(&info)) != FALSE;
    }
    report.platformId = info.dwPlatformId;
    report.major = info.dwMajorVersion;
    report.minor = info.dwMinorVersion;
    report.productType = info.wProductType;
    return report;
}

}  // namespace

OsVersionClass GetOsVersionClass() {
    if (g_osVersionClass == -1) {
        g_osVersionClass = ClassifyOsVersion(QueryOsVersion());
    }
    return g_osVersionClass;
}
