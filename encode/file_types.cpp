// The store's format table; see file_types.h.
#include "encode/file_types.h"

#include <cstring>

namespace {

// Formats without a quality option are saved at the encoder's best.
constexpr int32_t kFullQuality = 100;

}  // namespace

bool GdiplusSaveOptionsFor(const char* extension, const StoreFormatInputs& in,
                           GdiplusSaveOptions& options) {
    options = GdiplusSaveOptions{};
    options.quality = kFullQuality;
    if (extension == nullptr) {
        return false;
    }
    if (strcmp(extension, "bmp") == 0) {
        options.mimeType = "image/bmp";
    } else if (strcmp(extension, "gif") == 0) {
        options.mimeType = "image/gif";
        options.reduction = in.reduction;
        options.transparent = in.transFill;
        options.colour = in.fillColour;
        options.gif = true;
    } else if (strcmp(extension, "jpg") == 0) {
        options.mimeType = "image/jpeg";
        options.quality = in.quality;
    } else if (strcmp(extension, "png") == 0 || strcmp(extension, "tif") == 0) {
        const bool tiff = extension[0] == 't';
        options.mimeType = tiff ? "image/tiff" : "image/png";
        options.alphaFilled = in.alphaFilled;
        options.compression = tiff ? in.compression : 0;
        options.transparent = in.transFill;
        options.colour = in.fillColour;
    } else {
        return false;
    }
    return true;
}
