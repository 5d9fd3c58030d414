// Grayscale, web-safe and halftone palettes; see fixed_palettes.h.
#include "imaging/fixed_palettes.h"

#include <algorithm>

#include "imaging/exact_double.h"

namespace {

// Luminance weights in thousandths, the integer form of 0.587, 0.299, 0.114.
constexpr int32_t kGreenWeight = 587;
constexpr int32_t kRedWeight = 299;
constexpr int32_t kBlueWeight = 114;
constexpr int32_t kWeightScale = 1000;

// The cube's levels: six steps of 51 from 0 to 255.
constexpr uint32_t kWebSafeStep = 51;
constexpr uint32_t kWebSafeLevels = 6;

// The halftone palette the GIF encoder writes starts with fixed colours that
// ordinary pixels use; the fill colour is made transparent only above them.
constexpr uint32_t kFirstHalftoneTransparentEntry = 41;

constexpr uint8_t kTransparentEntry = 0;
constexpr int32_t kBrightestGrey = 255;

}  // namespace

int32_t GrayLevel(uint32_t red, uint32_t green, uint32_t blue) {
    // In exact arithmetic the sum is n / 1000. The double evaluation is off from it
    // by far less than 1/1000, so its truncation can only differ where n / 1000 is
    // a whole number (about one colour in a thousand); only there is the double
    // arithmetic itself reproduced.
    int32_t n = kGreenWeight * static_cast<int32_t>(green) +
                kRedWeight * static_cast<int32_t>(red) + kBlueWeight * static_cast<int32_t>(blue) +
                kWeightScale / 2;
    if (n % kWeightScale != 0) {
        return n / kWeightScale;
    }
    ExactDouble sum = ExactDouble::FromDouble(0.587) * ExactDouble::FromInt(green);
    sum = sum + ExactDouble::FromDouble(0.299) * ExactDouble::FromInt(red);
    sum = sum + ExactDouble::FromDouble(0.114) * ExactDouble::FromInt(blue);
    sum = sum + ExactDouble::FromDouble(0.5);
    return static_cast<int32_t>(sum.Trunc());
}

GrayscaleReducer::GrayscaleReducer(bool isTransparent, Argb transparentColor)
    : transparent(isTransparent) {
    uint32_t first = 0;
    if (transparent) {
        colors.push_back(transparentColor & kColorMask);
        first = 1;
    }
    for (uint32_t k = first; k <= 255; ++k) {
        colors.push_back(MakeArgb(255, k, k, k));
    }
}

uint8_t GrayscaleReducer::MapColor(Argb pixel) {
    if (transparent && AlphaOf(pixel) == 0) {
        return kTransparentEntry;
    }
    int32_t level = GrayLevel(RedOfArgb(pixel), GreenOfArgb(pixel), BlueOfArgb(pixel));
    if (transparent) {
        level = std::max(level, 1);  // grey 0 has no entry of its own then
    }
    return static_cast<uint8_t>(std::min(level, kBrightestGrey));
}

WebSafeReducer::WebSafeReducer(bool isTransparent, Argb transparentColor)
    : transparent(isTransparent) {
    if (transparent) {
        colors.push_back(transparentColor & kColorMask);
    }
    for (uint32_t r = 0; r < kWebSafeLevels; ++r) {
        for (uint32_t g = 0; g < kWebSafeLevels; ++g) {
            for (uint32_t b = 0; b < kWebSafeLevels; ++b) {
                colors.push_back(
                    MakeArgb(255, r * kWebSafeStep, g * kWebSafeStep, b * kWebSafeStep));
            }
        }
    }
}

namespace {

// The cube level nearest to a channel value: 0..25 give level 0, 26..76 level
// 1, and so on. 51 is odd, so no value lies halfway between two levels.
uint32_t NearestWebSafeLevel(uint32_t value) {
    return (value + kWebSafeStep / 2) / kWebSafeStep;
}

int32_t SquaredRgbDistance(Argb a, Argb b) {
    const int32_t dr = static_cast<int32_t>(RedOfArgb(a)) - static_cast<int32_t>(RedOfArgb(b));
    const int32_t dg = static_cast<int32_t>(GreenOfArgb(a)) - static_cast<int32_t>(GreenOfArgb(b));
    const int32_t db = static_cast<int32_t>(BlueOfArgb(a)) - static_cast<int32_t>(BlueOfArgb(b));
    return dr * dr + dg * dg + db * db;
}

}  // namespace

uint8_t WebSafeReducer::MapColor(Argb pixel) {
    if (AlphaOf(pixel) == 0) {
        return transparent ? kTransparentEntry : PaletteReducer::MapColor(pixel);
    }
    // The nearest entry by squared RGB distance, worked out instead of
    // searched (a photo-like grab has hundreds of thousands of colours, each a
    // search of 216 entries): the cube is a grid, so its nearest entry is the
    // nearest level in each channel on its own, and it has no ties.
    const uint32_t first = transparent ? 1 : 0;
    const uint32_t cube = first +
                          (NearestWebSafeLevel(RedOfArgb(pixel)) * kWebSafeLevels +
                           NearestWebSafeLevel(GreenOfArgb(pixel))) *
                              kWebSafeLevels +
                          NearestWebSafeLevel(BlueOfArgb(pixel));
    // The fill entry comes before the cube and is one of the candidates: it
    // wins when it is at least as near (the lowest index wins a tie).
    if (transparent &&
        SquaredRgbDistance(pixel, colors[0]) <= SquaredRgbDistance(pixel, colors[cube])) {
        return kTransparentEntry;
    }
    return static_cast<uint8_t>(cube);
}

int32_t ChooseHalftoneTransparentEntry(PaletteBlock& block, Colorref fill) {
    Argb key = kOpaque | TransparentArgbOf(fill);
    int32_t chosen = -1;
    uint32_t count = std::min<uint32_t>(block.count, kMaxPaletteEntries);
    for (uint32_t i = 0; i < count; ++i) {
        if (block.entries[i] == key && i >= kFirstHalftoneTransparentEntry && chosen < 0) {
            block.entries[i] = key & kColorMask;
            chosen = static_cast<int32_t>(i);
        } else {
            block.entries[i] |= kOpaque;
        }
    }
    return chosen;
}
