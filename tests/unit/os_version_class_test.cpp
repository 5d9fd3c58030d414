#include "base/os_version_class.h"

#include <gtest/gtest.h>

#include <tuple>

TEST(OsVersionClass, EveryRowOfTheTable) {
    // Reports (queried, extended, platform, major, minor, product type) and their class.
    const std::tuple<OsVersionReport, OsVersionClass, const char*> cases[] = {
        {{false, false, 0, 0, 0, 0}, 0, "query failed"},
        {{true, true, 0, 4, 10, 0}, 0, "Win32s platform"},
        {{true, true, 1, 4, 0, 0}, 3, "Windows 95"},
        {{true, true, 1, 4, 10, 0}, 4, "Windows 98"},
        {{true, true, 1, 4, 90, 0}, 5, "Windows Me"},
        {{true, true, 1, 4, 3, 0}, 0, "unknown 9x minor"},
        {{true, true, 1, 5, 0, 0}, 0, "9x major 5"},
        {{true, true, 2, 3, 51, 1}, 2, "NT 3.51"},
        {{true, false, 2, 4, 0, 0}, 2, "NT 4.0, basic record only"},
        {{true, true, 2, 5, 0, 1}, 6, "Windows 2000"},
        {{true, true, 2, 5, 0, 3}, 6, "Windows 2000 Server"},
        {{true, true, 2, 5, 1, 1}, 7, "Windows XP"},
        {{true, true, 2, 5, 1, 2}, 0, "NT 5.1 domain controller"},
        {{true, false, 2, 5, 1, 1}, 0, "NT 5.1, basic record only"},
        {{true, true, 2, 5, 2, 1}, 0, "XP x64 (5.2 workstation)"},
        {{true, true, 2, 6, 0, 1}, 0, "Vista"},
        {{true, true, 2, 6, 1, 1}, 0, "Windows 7"},  // 6.1 is not XP
    };
    for (const auto& [report, expected, what] : cases) {
        EXPECT_EQ(ClassifyOsVersion(report), expected) << what;
    }
}
