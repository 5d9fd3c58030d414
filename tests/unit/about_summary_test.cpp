#include "dialogs/about_summary.h"

#include <gtest/gtest.h>

#include <string>

#include "base/text.h"
#include "settings/grab_settings.h"

namespace {

constexpr char kCurrentDirectory[] = "C:\\Grabs";
constexpr char kMark[] = ".\\marks\\mark.png";

using Edit = void (*)(GrabSettings&);

void WatermarkOn(GrabSettings& s) {
    s.Watermark.Watermark = true;
}

}  // namespace

TEST(AboutSummary, EachTextFromTheSettings) {
    const struct {
        const char* name;
        Edit edit;
        std::string AboutSummary::*text;
        std::string expected;
    } cases[] = {
        {"hot key", [](GrabSettings& s) { s.Properties.HotKey = 121; }, &AboutSummary::hotKey,
         "Win+F10"},
        {"type", [](GrabSettings& s) { s.Properties.SnapType = 5; }, &AboutSummary::type,
         "Rectangular Area"},
        {"clipboard", [](GrabSettings& s) { s.Properties.StoreFile = false; },
         &AboutSummary::directory, "<storing to the clipboard>"},
        {"current directory", [](GrabSettings&) {}, &AboutSummary::directory, kCurrentDirectory},
        {"other directory", [](GrabSettings& s) { CopyText(s.FileStore.Dir, ".\\grabs"); },
         &AboutSummary::directory, ".\\grabs"},
        {"default thumbnail", [](GrabSettings&) {}, &AboutSummary::thumbnail,
         "25% of original, height aspect ratio adjusted, resize watermark"},
        {"thumbnail of a fixed size",
         [](GrabSettings& s) {
             s.Thumbnail.Percent = 0;
             s.Thumbnail.Width = 160;
             s.Thumbnail.Height = 120;
             s.Thumbnail.Aspect = s.Thumbnail.WMSame = false;
         },
         &AboutSummary::thumbnail, "160 by 120"},
        {"no thumbnail", [](GrabSettings& s) { s.Thumbnail.Thumb = false; },
         &AboutSummary::thumbnail, "<none>"},
        {"default watermark", [](GrabSettings&) {}, &AboutSummary::watermark, "<none>"},
        {"cornered bottom right", WatermarkOn, &AboutSummary::watermark,
         std::string(kMark) + ", not resized, bottom right corner"},
        {"stretched and tiled",
         [](GrabSettings& s) {
             WatermarkOn(s);
             s.Watermark.Stretch = true;
             s.Watermark.Percent = 50;
             s.Watermark.Aspect = false;
             s.Watermark.Style = 1;
             s.Watermark.Columns = 2;
             s.Watermark.Rows = 3;
         },
         &AboutSummary::watermark,
         std::string(kMark) + ", resize to 50% of original, tiled 2 by 3"},
        {"fixed size, centered",
         [](GrabSettings& s) {
             WatermarkOn(s);
             s.Watermark.Stretch = true;
             s.Watermark.Width = 64;
             s.Watermark.Height = 32;
             s.Watermark.Style = 0;
         },
         &AboutSummary::watermark,
         std::string(kMark) + ", resize to 64 by 32, height aspect ratio adjusted, centered"},
        {"top left corner",
         [](GrabSettings& s) {
             WatermarkOn(s);
             s.Watermark.Corner = 0;
         },
         &AboutSummary::watermark, std::string(kMark) + ", not resized, top left corner"},
        // A hand-edited file's unknown placement puts no watermark on the
        // grabs, and the summary says so.
        {"unknown style",
         [](GrabSettings& s) {
             WatermarkOn(s);
             s.Watermark.Style = 3;
         },
         &AboutSummary::watermark, "<none>"},
        {"unknown corner",
         [](GrabSettings& s) {
             WatermarkOn(s);
             s.Watermark.Corner = 4;
         },
         &AboutSummary::watermark, "<none>"},
        {"long path cut",
         [](GrabSettings& s) {
             WatermarkOn(s);
             CopyText(s.Watermark.File, std::string(250, 'm').c_str());
         },
         &AboutSummary::watermark, std::string(250, 'm') + ", not"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        GrabSettings settings(true);
        c.edit(settings);
        EXPECT_EQ(SummarizeSettings(settings, kCurrentDirectory).*c.text, c.expected);
    }
}
