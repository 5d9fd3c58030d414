#include "dialogs/about_summary.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "base/text.h"
#include "settings/grab_settings.h"

namespace {

constexpr char kCurrentDirectory[] = "C:\\Grabs";

}  // namespace

TEST(AboutSummary, Directory) {
    // (The hot key and type are the title's texts, and the end-to-end page list
    // test reads the type from the page.)
    GrabSettings s(true);
    EXPECT_EQ(SummarizeSettings(s, kCurrentDirectory).directory,
              kCurrentDirectory);  // the default ".\"
    CopyText(s.FileStore.Dir, ".\\grabs");
    EXPECT_EQ(SummarizeSettings(s, kCurrentDirectory).directory, ".\\grabs");
    s.Properties.StoreFile = false;
    EXPECT_EQ(SummarizeSettings(s, kCurrentDirectory).directory, "<storing to the clipboard>");
}

TEST(AboutSummary, Watermark) {
    const std::string mark = ".\\marks\\mark.png";
    const std::string longFile(250, 'm');
    const struct {
        bool on, stretch;
        int percent, width, height;
        bool aspect;
        int style, corner;
        std::string file, text;
    } cases[] = {
        {false, false, 0, 0, 0, true, 2, 3, mark, "<none>"},  // the defaults
        {true, false, 0, 0, 0, true, 2, 3, mark, mark + ", not resized, bottom right corner"},
        {true, true, 50, 0, 0, false, 1, 3, mark,
         mark + ", resize to 50% of original, tiled 2 by 3"},
        {true, true, 0, 64, 32, true, 0, 3, mark,
         mark + ", resize to 64 by 32, height aspect ratio adjusted, centered"},
        // A hand-edited file's unknown placement puts no watermark on the
        // grabs, and the summary says so.
        {true, false, 0, 0, 0, true, 3, 3, mark, "<none>"},
        {true, false, 0, 0, 0, true, 2, 4, mark, "<none>"},
        {true, false, 0, 0, 0, true, 2, 3, longFile, longFile + ", not"},  // cut at 255
    };
    for (const auto& c : cases) {
        GrabSettings s(true);
        WatermarkSettings& w = s.Watermark;
        std::tie(w.Watermark, w.Stretch, w.Percent, w.Width, w.Height, w.Aspect, w.Style, w.Corner,
                 w.Columns, w.Rows) = std::make_tuple(c.on, c.stretch, c.percent, c.width, c.height,
                                                      c.aspect, c.style, c.corner, 2, 3);
        CopyText(w.File, c.file.c_str());
        EXPECT_EQ(SummarizeSettings(s, kCurrentDirectory).watermark, c.text);
    }
}
