// The values of the two encoder parameters of a full-size save.
#pragma once

#include <cstdint>

// GDI+ EncoderValue numbers for TIFF compression.
constexpr int32_t kEncoderValueCompressionLzw = 2;
constexpr int32_t kEncoderValueCompressionCcitt3 = 3;
constexpr int32_t kEncoderValueCompressionCcitt4 = 4;
constexpr int32_t kEncoderValueCompressionRle = 5;
constexpr int32_t kEncoderValueCompressionNone = 6;

// Quality for every type that is not JPEG: the encoders' best.
constexpr int32_t kLosslessQuality = 100;

// FileStore.Compression (0 LZW, 1 CCITT3, 2 CCITT4, 3 RLE, 4 None) as the
// EncoderCompression value; any other number is passed on unchanged.
int32_t EncoderCompressionValue(int32_t compression);

// EncoderQuality: FileStore.Quality for JPEG, 100 for the others.
int32_t EncoderQualityValue(bool jpeg, int32_t quality);

// The compression setting a type passes: only TIFF passes FileStore.Compression;
// the others pass 0 (LZW), which their encoders ignore.
int32_t CompressionSettingFor(bool tiff, int32_t compression);
