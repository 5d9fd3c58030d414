#include "settings/grab_settings.h"

#include <gtest/gtest.h>

// The saved defaults are compared with the expected file text under Wine; the
// one default that depends on the machine is shown here.
TEST(GrabSettingsDefaults, FileTypeFollowsGdiplus) {
    EXPECT_STREQ(GrabSettings(true).FileStore.Ext, "jpg");
    EXPECT_STREQ(GrabSettings(false).FileStore.Ext, "bmp");
}
