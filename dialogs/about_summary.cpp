#include "dialogs/about_summary.h"

#include <cstring>
#include <iterator>

#include "base/limits.h"
#include "base/text.h"
#include "resources/texts.h"
#include "settings/grab_settings.h"
#include "settings/hot_key_text.h"
#include "settings/status_text.h"

namespace {

// The storage directory that stands for the current directory.
constexpr char kSeparator[] = ", ";

// The watermark's placement styles and corners, as the settings number them.
constexpr int kCentered = 0;
constexpr int kTiled = 1;
constexpr int kCornered = 2;
constexpr const char* kCornerTexts[] = {TEXT_TOP_LEFT_CORNER, TEXT_TOP_RIGHT_CORNER,
                                        TEXT_BOTTOM_LEFT_CORNER, TEXT_BOTTOM_RIGHT_CORNER};

// One summary line: at most kTextChars - 1 characters, cut beyond.
using Line = char[kTextChars];

// "25% of original" or "640 by 480".
void AppendSize(Line& line, int percent, int width, int height) {
    char size[kTextChars];
    if (percent != 0) {
        FormatText(size, TEXT_PERCENT_OF_ORIGINAL, percent);
    } else {
        FormatText(size, TEXT_WIDTH_BY_HEIGHT, width, height);
    }
    AppendText(line, size);
}

void AppendItem(Line& line, const char* item) {
    AppendText(line, kSeparator);
    AppendText(line, item);
}

std::string Directory(const GrabSettings& s, const char* currentDirectory) {
    if (!s.Properties.StoreFile) {
        return TEXT_STORING_TO_CLIPBOARD;
    }
    Line line;
    CopyText(line, strcmp(s.FileStore.Dir, kCurrentDirectoryDir) == 0 ? currentDirectory
                                                                      : s.FileStore.Dir);
    return line;
}

std::string Thumbnail(const GrabSettings& s) {
    if (!s.Thumbnail.Thumb) {
        return TEXT_NONE;
    }
    Line line = "";
    AppendSize(line, s.Thumbnail.Percent, s.Thumbnail.Width, s.Thumbnail.Height);
    if (s.Thumbnail.Aspect) {
        AppendItem(line, TEXT_ASPECT_ADJUSTED);
    }
    if (s.Thumbnail.WMSame) {
        AppendItem(line, TEXT_RESIZE_WATERMARK);
    }
    return line;
}

// The placement's words, or null for a style or corner the settings do not
// know (only a hand-edited file has one).
const char* Placement(const WatermarkSettings& w) {
    switch (w.Style) {
        case kCentered:
            return TEXT_CENTERED;
        case kTiled:
            return TEXT_TILED;
        case kCornered:
            return w.Corner >= 0 && w.Corner < static_cast<int>(std::size(kCornerTexts))
                       ? kCornerTexts[w.Corner]
                       : nullptr;
        default:
            return nullptr;
    }
}

std::string Watermark(const WatermarkSettings& w) {
    const char* placement = Placement(w);
    // An unknown placement draws no watermark at all (the layout gives up on
    // it), so the summary says what the grabs will show: none.
    if (!w.Watermark || placement == nullptr) {
        return TEXT_NONE;
    }
    Line line;
    CopyText(line, w.File);
    if (w.Stretch) {
        AppendItem(line, TEXT_RESIZE_TO " ");
        AppendSize(line, w.Percent, w.Width, w.Height);
        if (w.Aspect) {
            AppendItem(line, TEXT_ASPECT_ADJUSTED);
        }
    } else {
        AppendItem(line, TEXT_NOT_RESIZED);
    }
    AppendItem(line, placement);
    if (w.Style == kTiled) {
        AppendText(line, " ");
        AppendSize(line, 0, w.Columns, w.Rows);
    }
    return line;
}

// A text the summary did not build itself, held to the same length.
std::string Cut(const std::string& text) {
    Line line;
    CopyText(line, text.c_str());
    return line;
}

}  // namespace

AboutSummary SummarizeSettings(const GrabSettings& settings, const char* currentDirectory) {
    AboutSummary summary;
    summary.hotKey = Cut(HotKeyText(settings));
    summary.directory = Directory(settings, currentDirectory);
    summary.type = Cut(GrabTypeName(settings));
    summary.thumbnail = Thumbnail(settings);
    summary.watermark = Watermark(settings.Watermark);
    return summary;
}
