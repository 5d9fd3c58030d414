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
    // The default ".\" is the current directory.
    EXPECT_EQ(SummarizeSettings(s, kCurrentDirectory).directory, kCurrentDirectory);
    CopyText(s.FileStore.Dir, ".\\grabs");
    EXPECT_EQ(SummarizeSettings(s, kCurrentDirectory).directory, ".\\grabs");
    s.Properties.StoreFile = false;
    EXPECT_EQ(SummarizeSettings(s, kCurrentDirectory).directory, "<storing to the clipboard>");
}

TEST(AboutSummary, Watermark) {
    const std::string mark = ".\\marks\\mark.png";
    const std::string longFile(250, 'm');
    // On, stretch, percent, width, height, aspect, style, corner, file, summary.
    using Row = std::tuple<bool, bool, int, int, int, bool, int, int, std::string, std::string>;
    const Row cases[] = {
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
    for (const auto& [on, stretch, percent, width, height, aspect, style, corner, file, text] :
         cases) {
        GrabSettings s(true);
        WatermarkSettings& w = s.Watermark;
        std::tie(w.Watermark, w.Stretch, w.Percent, w.Width, w.Height, w.Aspect, w.Style, w.Corner,
                 w.Columns, w.Rows) =
            std::make_tuple(on, stretch, percent, width, height, aspect, style, corner, 2, 3);
        CopyText(w.File, file.c_str());
        EXPECT_EQ(SummarizeSettings(s, kCurrentDirectory).watermark, text);
    }
}
