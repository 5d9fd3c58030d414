// Encoder parameter values; see encoder_params.h.
#include "encode/encoder_params.h"

#include <iterator>

namespace {

// Indexed by FileStore.Compression, in the order the settings page lists them.
constexpr int32_t kCompressionValues[] = {
    kEncoderValueCompressionLzw, kEncoderValueCompressionCcitt3, kEncoderValueCompressionCcitt4,
    kEncoderValueCompressionRle, kEncoderValueCompressionNone,
};

}  // namespace

int32_t EncoderCompressionValue(int32_t compression) {
    if (compression >= 0 && compression < static_cast<int32_t>(std::size(kCompressionValues))) {
        return kCompressionValues[compression];
    }
    return compression;
}

int32_t EncoderQualityValue(bool jpeg, int32_t quality) {
    return jpeg ? quality : kLosslessQuality;
}

int32_t CompressionSettingFor(bool tiff, int32_t compression) {
    return tiff ? compression : 0;
}
