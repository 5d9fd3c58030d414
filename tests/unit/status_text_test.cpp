#include "settings/status_text.h"

#include <gtest/gtest.h>

#include <string>

#include "settings/grab_settings.h"

TEST(StatusText, TooltipAndTitle) {
    // (The usual ones are read from the running program's title by the
    // end-to-end tests.) The longest status (all modifiers, Print Screen, Rectangular Area) is
    // longer than the 63 characters the tray shows; the title keeps it whole.
    GrabSettings s(true);
    s.Properties.HotKey = 44;
    s.Properties.UseAlt = s.Properties.UseCtrl = s.Properties.UseShift = true;
    s.Properties.SnapType = 5;
    std::string status = TooltipText(s);
    EXPECT_EQ(status, "Use Alt+Ctrl+Shift+Win+PrtScrn to take a Rectangular Area screen grab");
    EXPECT_EQ(WindowTitle(s).rfind(status + " - Pixelnook", 0), 0u) << WindowTitle(s);
    // A grab type from a hand-edited file is named, never looked up out of bounds.
    for (int outside : {-1, 6, 1000}) {
        s.Properties.SnapType = outside;
        EXPECT_EQ(GrabTypeName(s), "Unknown");
    }
}
