// The file-type table's lookups; see file_types.h.
#include "encode/file_types.h"

#include <cstring>
#include <iterator>

namespace {

// Formats without a quality option are saved at the encoder's best.
constexpr int32_t kFullQuality = 100;

}  // namespace

const FileType* FindFileType(const char* extension) {
    if (extension == nullptr) {
        return nullptr;
    }
    for (const FileType& type : kFileTypes) {
        if (strcmp(extension, type.extension) == 0) {
            return &type;
        }
    }
    return nullptr;
}

int32_t EncoderCompressionValue(int32_t compression) {
    if (compression >= 0 &&
        compression < static_cast<int32_t>(std::size(kEncoderCompressionValues))) {
        return kEncoderCompressionValues[compression];
    }
    return compression;
}

bool GdiplusSaveOptionsFor(const char* extension, const StoreFormatInputs& in,
                           GdiplusSaveOptions& options) {
    options = GdiplusSaveOptions{};
    const FileType* type = FindFileType(extension);
    if (type == nullptr) {
        return false;
    }
    options.mimeType = type->mimeType;
    options.quality = type->quality ? in.quality : kFullQuality;
    options.compression = type->compression ? in.compression : 0;
    options.reduction = type->colourReduction ? in.reduction : 0;
    options.gif = type->colourReduction;
    options.transparent = type->transparency && in.transFill;
    options.colour = type->transparency ? in.fillColour : 0;
    options.alphaFilled = type->capturedAlpha && in.alphaFilled;
    return true;
}
