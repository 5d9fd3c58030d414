// DrawWatermark: loads the watermark image and draws it into the rectangles
// the portable layout gives (imaging/watermark_layout.h).
#include "encode/gdiplus_image_steps_win.h"
#include "imaging/watermark_layout.h"

void DrawWatermark(GdipImage& target, GdipImage& reference, const WatermarkSettings& settings) {
    if (!WatermarkHasSize(settings)) {
        return;  // resized to nothing: the file is not even opened
    }
    wchar_t path[kPathChars];
    if (!WidenPath(settings.File, path)) {
        return;
    }
    ImagePtr mark = ImageFromFile(path);
    if (!mark) {
        return;  // an unreadable watermark draws nothing
    }
    const Size targetSize{target.Width(), target.Height()};
    const Size referenceSize{reference.Width(), reference.Height()};
    const Size markSize{mark->Width(), mark->Height()};
    const WatermarkLayout layout = LayoutWatermark(settings, targetSize, referenceSize, markSize);
    GdipGraphics graphics(target);
    if (!graphics) {
        return;
    }
    target.Record(
        Gdip().GdipSetInterpolationMode(graphics.Get(), gdip::InterpolationModeHighQualityBicubic));
    ForEachVisibleTile(layout, targetSize, [&](const TileRect& tile) {
        target.Record(Gdip().GdipDrawImageRectI(graphics.Get(), mark->Native(), tile.x, tile.y,
                                                tile.width, tile.height));
    });
}
