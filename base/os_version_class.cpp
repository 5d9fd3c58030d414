#include "base/os_version_class.h"

OsVersionClass ClassifyOsVersion(const OsVersionReport& report) {
    if (!report.queried) {
        return kOsNotRecognised;
    }
    if (report.platformId == kPlatformWin9x) {
        if (report.major != 4) {
            return kOsNotRecognised;
        }
        switch (report.minor) {
            case 0:
                return kOsWindows95;
            case 10:
                return kOsWindows98;
            case 90:
                return kOsWindowsMe;
            default:
                return kOsNotRecognised;
        }
    }
    if (report.platformId == kPlatformNt) {
        if (report.major <= 4) {
            return kOsNt4OrOlder;
        }
        if (report.major == 5 && report.minor == 0) {
            return kOsWindows2000;
        }
        // XP needs the extended record: only it tells a workstation from the
        // server editions that share version 5.1.
        if (report.extended && report.productType == kProductWorkstation && report.major == 5 &&
            report.minor == 1) {
            return kOsWindowsXp;
        }
    }
    return kOsNotRecognised;
}
