// Median cut colour reduction.
//
// The method (P. Heckbert, "Color image quantization for frame buffer display",
// SIGGRAPH 1982), in the form of a coarse-histogram quantizer:
//
//   1. Histogram. Every pixel is counted in a 64 x 64 x 32 cell histogram: red
//      and green keep their top 6 bits, blue its top 5 (the eye is least
//      sensitive to blue). 512 KB of 32-bit counters, whatever the image size.
//   2. Boxes. One box covers the whole cube and is shrunk to the cells in use.
//      Repeatedly a box is picked and cut in two across its longest axis at the
//      midpoint of its extent. While fewer than half the colours exist, the box
//      with the most occupied cells is cut (spreading colours over the populated
//      regions); afterwards the one of largest volume (bounding the worst error).
//      Axis lengths are weighted red 2, green 3, blue 1 per colour unit, which
//      with the cell sizes (4, 4, 8 units) makes the scaled lengths 8, 12 and 8
//      per cell; ties go to green, then red. Each box's colour is the
//      count-weighted mean of its cells' centres, rounded to nearest.
//   3. Inverse map. A second array, one byte per cell (128 KB), comes to hold
//      each cell's palette index, and one flag per block of 8 x 8 x 4 cells says
//      whether the block is computed yet. Cells are filled lazily, a block at a
//      time and only where pixels fall. (Reusing the histogram's 32-bit counters
//      as the map, 0 meaning "not computed", saves the 128 KB but is slower: the
//      dithered mapping reads a cell for every pixel and must wait for it before
//      the next pixel, and a map four times smaller stays in the cache.) For a
//      block, each palette colour gets the least and the greatest distance it
//      can have to any cell of the block; the smallest "greatest distance" is a
//      bound that the nearest colour of every cell meets, so only colours whose
//      least distance is within it can win. The block's cells then compare
//      against those few candidates, in palette order, the earlier winning a tie.
//      This is exact: the result is the nearest palette colour to the cell's
//      centre over the whole palette.
//   4. Mapping, either plain (each pixel takes its cell's entry) or with
//      Floyd-Steinberg error diffusion (R. Floyd and L. Steinberg, "An adaptive
//      algorithm for spatial greyscale", 1976) run serpentine: rows alternate
//      direction, which avoids the diagonal "worms" of one-way diffusion. The
//      error of a pixel is spread to its neighbours in sixteenths:
//
//                      pixel   7/16
//              3/16    5/16    1/16        (mirrored on right-to-left rows)
//
//      The 1/16 part takes what the others leave after truncation, so the four
//      parts always add up to the error. The error a pixel receives is first
//      limited (full up to 16, then half the excess, at most 32 levels), which
//      keeps strong edges from smearing into streaks.
//
// Data structures: one record per call holds the palette, the histogram and the
// inverse map with its block flags; the error rows are two sets of width + 2
// integers per channel (current and next row, with a border position at each
// end so no pixel needs a bounds test).
//
// Rejected: a full-precision (24-bit) histogram (64 MB) and recursive splitting
// on the exact median of the pixels; both cost more memory and time than a grab
// save can spend, and the coarse cells are below what a 256-colour GIF shows.
//
// The box colour sums are 64-bit: a box of one bright colour over more than
// about eight million pixels would overflow 32-bit sums.
#include "imaging/median_cut.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <new>
#include <vector>

namespace {

// Histogram precision: bits dropped per channel, and the resulting cell counts.
constexpr int kRedShift = 2;
constexpr int kGreenShift = 2;
constexpr int kBlueShift = 3;
constexpr int kRedCells = 256 >> kRedShift;
constexpr int kGreenCells = 256 >> kGreenShift;
constexpr int kBlueCells = 256 >> kBlueShift;
constexpr size_t kHistogramCells = size_t{kRedCells} * kGreenCells * kBlueCells;

// Distance weights per colour unit, and the box lengths they give per cell.
constexpr int32_t kRedScale = 2;
constexpr int32_t kGreenScale = 3;
constexpr int32_t kBlueScale = 1;
constexpr int32_t kRedCellLength = kRedScale << kRedShift;        // 8
constexpr int32_t kGreenCellLength = kGreenScale << kGreenShift;  // 12
constexpr int32_t kBlueCellLength = kBlueScale << kBlueShift;     // 8

// Inverse-map blocks: 8 x 8 x 4 cells, 32 colour units on every side.
constexpr int kBlockRedBits = 3;
constexpr int kBlockGreenBits = 3;
constexpr int kBlockBlueBits = 2;
constexpr int kBlockRed = 1 << kBlockRedBits;
constexpr int kBlockGreen = 1 << kBlockGreenBits;
constexpr int kBlockBlue = 1 << kBlockBlueBits;
constexpr size_t kInverseBlocks = kHistogramCells / (kBlockRed * kBlockGreen * kBlockBlue);

constexpr int kMaxColors = 256;
constexpr int32_t kNoDistance = 2147483647;

// The error a pixel may receive: limits as described above.
constexpr int kErrorFull = 16;
constexpr int kErrorHalf = 48;
constexpr int kErrorMax = 32;

size_t Cell(int r, int g, int b) {
    return (size_t(r) * kGreenCells + size_t(g)) * kBlueCells + b;
}

// The two pixel layouts the quantizer reads, row by row. QuantizeMedianCut is
// handed packed RGB bytes; ReduceByMedianCut reads the locked ARGB pixels where
// they are, rather than first copying them into a packed RGB buffer (6 MB for a
// 1920 x 1080 grab, written once only to be read twice).
struct PackedRgbRows {
    const uint8_t* rgb;
    int32_t width;

    const uint8_t* Row(int32_t y) const { return rgb + size_t(y) * size_t(width) * 3; }
    static int Red(const uint8_t* row, int32_t x) { return row[3 * x]; }
    static int Green(const uint8_t* row, int32_t x) { return row[3 * x + 1]; }
    static int Blue(const uint8_t* row, int32_t x) { return row[3 * x + 2]; }
};

struct ArgbRows {
    ArgbView view;

    const Argb* Row(int32_t y) const { return view.Row(y); }
    static int Red(const Argb* row, int32_t x) { return int(RedOfArgb(row[x])); }
    static int Green(const Argb* row, int32_t x) { return int(GreenOfArgb(row[x])); }
    static int Blue(const Argb* row, int32_t x) { return int(BlueOfArgb(row[x])); }
};

// The inverse-map block that holds cell (r, g, b).
size_t InverseBlock(int r, int g, int b) {
    constexpr size_t kBlocksGreen = kGreenCells / kBlockGreen;
    constexpr size_t kBlocksBlue = kBlueCells / kBlockBlue;
    return (size_t(r >> kBlockRedBits) * kBlocksGreen + size_t(g >> kBlockGreenBits)) *
               kBlocksBlue +
           size_t(b >> kBlockBlueBits);
}

struct ColorBox {
    int32_t r0, r1, g0, g1, b0, b1;
    int32_t volume;
    int32_t colorCount;  // non-empty cells
};

struct Colour {
    int32_t red, green, blue;
};

struct MedianCutQuantizer {
    int32_t desired = 0;
    int32_t actual = 0;
    Colour palette[kMaxColors] = {};
    std::vector<uint32_t> histogram;
    // The inverse map: each cell's palette index, valid once its block is filled.
    std::unique_ptr<uint8_t[]> inverse;
    bool blockFilled[kInverseBlocks] = {};
};

bool PlaneHasCells(const std::vector<uint32_t>& h, int axis, int at, const ColorBox& b) {
    for (int r = axis == 0 ? at : b.r0; r <= (axis == 0 ? at : b.r1); ++r) {
        for (int g = axis == 1 ? at : b.g0; g <= (axis == 1 ? at : b.g1); ++g) {
            for (int bl = axis == 2 ? at : b.b0; bl <= (axis == 2 ? at : b.b1); ++bl) {
                if (h[Cell(r, g, bl)] != 0) {
                    return true;
                }
            }
        }
    }
    return false;
}

void ShrinkAxis(const std::vector<uint32_t>& h, int axis, int32_t& lo, int32_t& hi, ColorBox& b) {
    if (hi <= lo) {
        return;
    }
    for (int32_t v = lo; v <= hi; ++v) {
        if (PlaneHasCells(h, axis, v, b)) {
            lo = v;
            break;
        }
    }
    for (int32_t v = hi; v >= lo; --v) {
        if (PlaneHasCells(h, axis, v, b)) {
            hi = v;
            break;
        }
    }
}

void UpdateBox(const std::vector<uint32_t>& h, ColorBox& b) {
    ShrinkAxis(h, 0, b.r0, b.r1, b);
    ShrinkAxis(h, 1, b.g0, b.g1, b);
    ShrinkAxis(h, 2, b.b0, b.b1, b);
    int32_t dr = kRedCellLength * (b.r1 - b.r0);
    int32_t dg = kGreenCellLength * (b.g1 - b.g0);
    int32_t db = kBlueCellLength * (b.b1 - b.b0);
    b.volume = dr * dr + dg * dg + db * db;
    int32_t count = 0;
    for (int r = b.r0; r <= b.r1; ++r) {
        for (int g = b.g0; g <= b.g1; ++g) {
            for (int bl = b.b0; bl <= b.b1; ++bl) {
                if (h[Cell(r, g, bl)] != 0) {
                    ++count;
                }
            }
        }
    }
    b.colorCount = count;
}

// Index of the box to cut, or -1 when none can be cut.
int PickBox(const std::vector<ColorBox>& boxes, int n, bool byPopulation) {
    int picked = -1;
    int32_t best = 0;
    for (int i = 0; i < n; ++i) {
        int32_t value =
            byPopulation ? (boxes[i].volume > 0 ? boxes[i].colorCount : 0) : boxes[i].volume;
        if (value > best) {
            best = value;
            picked = i;
        }
    }
    return picked;
}

Colour BoxColour(const std::vector<uint32_t>& h, const ColorBox& b) {
    uint64_t total = 0, red = 0, green = 0, blue = 0;
    for (int r = b.r0; r <= b.r1; ++r) {
        for (int g = b.g0; g <= b.g1; ++g) {
            for (int bl = b.b0; bl <= b.b1; ++bl) {
                uint64_t c = h[Cell(r, g, bl)];
                if (c != 0) {
                    total += c;
                    red += ((uint64_t(r) << kRedShift) + (1 << (kRedShift - 1))) * c;
                    green += ((uint64_t(g) << kGreenShift) + (1 << (kGreenShift - 1))) * c;
                    blue += ((uint64_t(bl) << kBlueShift) + (1 << (kBlueShift - 1))) * c;
                }
            }
        }
    }
    if (total == 0) {
        return Colour{0, 0, 0};  // only an image without pixels has an empty box
    }
    return Colour{int32_t((red + total / 2) / total), int32_t((green + total / 2) / total),
                  int32_t((blue + total / 2) / total)};
}

void SelectColours(MedianCutQuantizer& q) {
    std::vector<ColorBox> boxes(static_cast<size_t>(q.desired));
    boxes[0] = ColorBox{0, kRedCells - 1, 0, kGreenCells - 1, 0, kBlueCells - 1, 0, 0};
    UpdateBox(q.histogram, boxes[0]);
    int n = 1;
    while (n < q.desired) {
        int picked = PickBox(boxes, n, 2 * n <= q.desired);
        if (picked < 0) {
            break;
        }
        ColorBox& b1 = boxes[picked];
        ColorBox& b2 = boxes[n];
        b2 = b1;
        int32_t lr = kRedCellLength * (b1.r1 - b1.r0);
        int32_t lg = kGreenCellLength * (b1.g1 - b1.g0);
        int32_t lb = kBlueCellLength * (b1.b1 - b1.b0);
        int axis = 1;
        int32_t longest = lg;
        if (lr > longest) {
            longest = lr;
            axis = 0;
        }
        if (lb > longest) {
            axis = 2;
        }
        int32_t& lo = axis == 0 ? b1.r0 : axis == 1 ? b1.g0 : b1.b0;
        int32_t& hi = axis == 0 ? b1.r1 : axis == 1 ? b1.g1 : b1.b1;
        int32_t& newLo = axis == 0 ? b2.r0 : axis == 1 ? b2.g0 : b2.b0;
        int32_t mid = (lo + hi) / 2;
        hi = mid;
        newLo = mid + 1;
        UpdateBox(q.histogram, b1);
        UpdateBox(q.histogram, b2);
        ++n;
    }
    for (int i = 0; i < n; ++i) {
        q.palette[i] = BoxColour(q.histogram, boxes[i]);
    }
    q.actual = n;
}

int32_t Square(int32_t v) {
    return v * v;
}

// Least and greatest weighted term of one channel over a block's cell centres.
void ChannelRange(int32_t x, int32_t lo, int32_t hi, int32_t centre, int32_t scale, int32_t& least,
                  int32_t& most) {
    if (x < lo) {
        least = Square(scale * (x - lo));
        most = Square(scale * (x - hi));
    } else if (x > hi) {
        least = Square(scale * (x - hi));
        most = Square(scale * (x - lo));
    } else {
        least = 0;
        most = x <= centre ? Square(scale * (x - hi)) : Square(scale * (x - lo));
    }
}

// Fills the inverse map for the whole block of cells around cell (r, g, b).
void FillInverseBlock(MedianCutQuantizer& q, int r, int g, int b) {
    const int32_t minRed = ((r >> kBlockRedBits) << (kBlockRedBits + kRedShift)) + 2;
    const int32_t minGreen = ((g >> kBlockGreenBits) << (kBlockGreenBits + kGreenShift)) + 2;
    const int32_t minBlue = ((b >> kBlockBlueBits) << (kBlockBlueBits + kBlueShift)) + 4;
    const int32_t maxRed = minRed + ((kBlockRed - 1) << kRedShift);
    const int32_t maxGreen = minGreen + ((kBlockGreen - 1) << kGreenShift);
    const int32_t maxBlue = minBlue + ((kBlockBlue - 1) << kBlueShift);
    const int32_t centreRed = (minRed + maxRed) / 2;
    const int32_t centreGreen = (minGreen + maxGreen) / 2;
    const int32_t centreBlue = (minBlue + maxBlue) / 2;

    int32_t leastDistance[kMaxColors];
    int32_t limit = kNoDistance;
    for (int i = 0; i < q.actual; ++i) {
        int32_t lr, mr, lg, mg, lb, mb;
        ChannelRange(q.palette[i].red, minRed, maxRed, centreRed, kRedScale, lr, mr);
        ChannelRange(q.palette[i].green, minGreen, maxGreen, centreGreen, kGreenScale, lg, mg);
        ChannelRange(q.palette[i].blue, minBlue, maxBlue, centreBlue, kBlueScale, lb, mb);
        leastDistance[i] = lr + lg + lb;
        limit = std::min(limit, mr + mg + mb);
    }
    int candidates[kMaxColors];
    int candidateCount = 0;
    for (int i = 0; i < q.actual; ++i) {
        if (leastDistance[i] <= limit) {
            candidates[candidateCount++] = i;
        }
    }

    int32_t best[kBlockRed][kBlockGreen][kBlockBlue];
    int32_t bestDistance[kBlockRed][kBlockGreen][kBlockBlue];
    for (auto& plane : bestDistance) {
        for (auto& line : plane) {
            std::fill(std::begin(line), std::end(line), kNoDistance);
        }
    }
    std::memset(best, 0, sizeof best);
    for (int c = 0; c < candidateCount; ++c) {
        const Colour& colour = q.palette[candidates[c]];
        for (int i = 0; i < kBlockRed; ++i) {
            int32_t dr = kRedScale * (minRed + (i << kRedShift) - colour.red);
            for (int j = 0; j < kBlockGreen; ++j) {
                int32_t dg = kGreenScale * (minGreen + (j << kGreenShift) - colour.green);
                int32_t partial = dr * dr + dg * dg;
                for (int k = 0; k < kBlockBlue; ++k) {
                    int32_t db = kBlueScale * (minBlue + (k << kBlueShift) - colour.blue);
                    int32_t d = partial + db * db;
                    if (d < bestDistance[i][j][k]) {
                        bestDistance[i][j][k] = d;
                        best[i][j][k] = candidates[c];
                    }
                }
            }
        }
    }
    const int r0 = r & ~(kBlockRed - 1), g0 = g & ~(kBlockGreen - 1), b0 = b & ~(kBlockBlue - 1);
    for (int i = 0; i < kBlockRed; ++i) {
        for (int j = 0; j < kBlockGreen; ++j) {
            for (int k = 0; k < kBlockBlue; ++k) {
                q.inverse[Cell(r0 + i, g0 + j, b0 + k)] = static_cast<uint8_t>(best[i][j][k]);
            }
        }
    }
    q.blockFilled[InverseBlock(r, g, b)] = true;
}

int LookUp(MedianCutQuantizer& q, int red, int green, int blue) {
    int r = red >> kRedShift, g = green >> kGreenShift, b = blue >> kBlueShift;
    if (!q.blockFilled[InverseBlock(r, g, b)]) {
        FillInverseBlock(q, r, g, b);
    }
    return q.inverse[Cell(r, g, b)];
}

template <class Rows>
void CountPixels(MedianCutQuantizer& q, const Rows& pixels, int32_t width, int32_t height) {
    for (int32_t y = 0; y < height; ++y) {
        const auto* row = pixels.Row(y);
        for (int32_t x = 0; x < width; ++x) {
            ++q.histogram[Cell(Rows::Red(row, x) >> kRedShift, Rows::Green(row, x) >> kGreenShift,
                               Rows::Blue(row, x) >> kBlueShift)];
        }
    }
}

template <class Rows>
void MapPlain(MedianCutQuantizer& q, const Rows& pixels, int32_t width, int32_t height,
              uint8_t* indices) {
    for (int32_t y = 0; y < height; ++y) {
        const auto* row = pixels.Row(y);
        uint8_t* out = indices + size_t(y) * size_t(width);
        for (int32_t x = 0; x < width; ++x) {
            out[x] = static_cast<uint8_t>(
                LookUp(q, Rows::Red(row, x), Rows::Green(row, x), Rows::Blue(row, x)));
        }
    }
}

template <class Rows>
void MapDithered(MedianCutQuantizer& q, const Rows& pixels, int32_t width, int32_t height,
                 uint8_t* indices) {
    // The limit as a table over the reachable range, with a margin either side.
    constexpr int kTableReach = 2 * 255;
    std::vector<int> limitTable(2 * kTableReach + 1);
    for (int e = -kTableReach; e <= kTableReach; ++e) {
        limitTable[size_t(e + kTableReach)] = LimitDitherError(e);
    }
    auto limitOf = [&](int e) {
        return e >= -kTableReach && e <= kTableReach ? limitTable[size_t(e + kTableReach)]
                                                     : LimitDitherError(e);
    };

    // A pixel's error is its value after diffusion less its palette entry, both
    // 0..255, so the shares of every error it can have fit a small table; a look
    // up there is much less work per channel than the three divisions.
    constexpr int kErrorReach = 255;
    std::vector<DitherShares> shareTable(2 * kErrorReach + 1);
    for (int e = -kErrorReach; e <= kErrorReach; ++e) {
        shareTable[size_t(e + kErrorReach)] = SplitDitherError(e);
    }
    const DitherShares* sharesOf = &shareTable[kErrorReach];

    const size_t span = size_t(width) + 2;
    std::vector<int32_t> rows(span * 6, 0);
    int32_t* current[3] = {&rows[0], &rows[span], &rows[2 * span]};
    int32_t* next[3] = {&rows[3 * span], &rows[4 * span], &rows[5 * span]};
    bool leftToRight = true;
    for (int32_t y = 0; y < height; ++y) {
        const int d = leftToRight ? 1 : -1;
        for (int ch = 0; ch < 3; ++ch) {
            if (leftToRight) {
                next[ch][0] = next[ch][1] = 0;
            } else {
                next[ch][width] = next[ch][width + 1] = 0;
            }
        }
        const auto* row = pixels.Row(y);
        uint8_t* out = indices + size_t(y) * size_t(width);
        for (int32_t step = 0; step < width; ++step) {
            const int32_t x = leftToRight ? step : width - 1 - step;
            const ptrdiff_t at = ptrdiff_t(x) + 1;
            const int source[3] = {Rows::Red(row, x), Rows::Green(row, x), Rows::Blue(row, x)};
            int v[3];
            for (int ch = 0; ch < 3; ++ch) {
                v[ch] = std::clamp(source[ch] + limitOf(current[ch][at]), 0, 255);
            }
            int i = LookUp(q, v[0], v[1], v[2]);
            out[x] = static_cast<uint8_t>(i);
            const int32_t chosen[3] = {q.palette[i].red, q.palette[i].green, q.palette[i].blue};
            for (int ch = 0; ch < 3; ++ch) {
                const DitherShares& shares = sharesOf[v[ch] - chosen[ch]];
                current[ch][at + d] += shares.ahead;
                next[ch][at - d] += shares.belowBehind;
                next[ch][at] += shares.below;
                next[ch][at + d] = shares.belowAhead;  // first to reach that position
            }
        }
        std::swap(current, next);
        leftToRight = !leftToRight;
    }
}

// The whole method over either pixel layout; indices are packed (width bytes a row).
template <class Rows>
int32_t Quantize(const Rows& pixels, int32_t colors, bool dithered, int32_t width, int32_t height,
                 uint8_t* indices, RgbEntry* palette) {
    width = std::max(width, 0);
    height = std::max(height, 0);
    auto q = std::make_unique<MedianCutQuantizer>();
    q->desired = std::clamp(colors, 1, kMaxColors);
    q->histogram.assign(kHistogramCells, 0u);
    CountPixels(*q, pixels, width, height);
    SelectColours(*q);
    q->inverse.reset(new uint8_t[kHistogramCells]);  // cells are written before they are read
    if (dithered) {
        MapDithered(*q, pixels, width, height, indices);
    } else {
        MapPlain(*q, pixels, width, height, indices);
    }
    for (int i = 0; i < q->actual; ++i) {
        palette[i].red = static_cast<uint8_t>(q->palette[i].red);
        palette[i].green = static_cast<uint8_t>(q->palette[i].green);
        palette[i].blue = static_cast<uint8_t>(q->palette[i].blue);
    }
    return q->actual;
}

}  // namespace

DitherShares SplitDitherError(int32_t e) {
    DitherShares s;
    s.ahead = 7 * e / 16;
    s.belowBehind = 3 * e / 16;
    s.below = 5 * e / 16;
    s.belowAhead = e - s.ahead - s.belowBehind - s.below;
    return s;
}

// Accumulated errors stay within about -255..255; anything beyond is limited
// like its sign's extreme.
int32_t LimitDitherError(int32_t e) {
    int32_t magnitude = e < 0 ? -e : e;
    int32_t limited = magnitude < kErrorFull   ? magnitude
                      : magnitude < kErrorHalf ? kErrorFull + (magnitude - kErrorFull) / 2
                                               : kErrorMax;
    return e < 0 ? -limited : limited;
}

int32_t QuantizeMedianCut(const uint8_t* rgb, int32_t colors, bool dithered, int32_t width,
                          int32_t height, uint8_t* indices, RgbEntry* palette) {
    return Quantize(PackedRgbRows{rgb, std::max(width, 0)}, colors, dithered, width, height,
                    indices, palette);
}

bool ReduceByMedianCut(const ArgbView& source, Colorref fill, bool transparent, bool dithered,
                       const IndexView& target, PaletteBlock& block) {
    try {
        const int32_t w = source.width, h = source.height;
        const size_t pixels = size_t(std::max(w, 0)) * size_t(std::max(h, 0));
        // The source pixels are read where they are. The indices go straight into
        // the target when its rows are packed; otherwise into a buffer of our own,
        // which is written in full before it is read, so it is not cleared.
        const bool packed = target.stride == w;
        std::unique_ptr<uint8_t[]> ownIndices(packed ? nullptr : new uint8_t[pixels]);
        uint8_t* indices = packed ? target.scan0 : ownIndices.get();
        RgbEntry palette[kMaxColors];
        int32_t n = Quantize(ArgbRows{source}, kMaxColors, dithered, w, h, indices, palette);

        int32_t transparentIndex = -1;
        for (int32_t y = 0; y < h; ++y) {
            const Argb* row = source.Row(y);
            const uint8_t* from = &indices[size_t(y) * size_t(w)];
            uint8_t* to = target.Row(y);
            if (!packed) {
                std::memcpy(to, from, size_t(w));
            }
            for (int32_t x = 0; transparent && transparentIndex < 0 && x < w; ++x) {
                if (AlphaOf(row[x]) == 0) {
                    transparentIndex = from[x];
                }
            }
        }
        block.count = std::min<uint32_t>({uint32_t(n), block.count, uint32_t(kMaxColors)});
        for (uint32_t i = 0; i < block.count; ++i) {
            block.entries[i] =
                int32_t(i) == transparentIndex
                    ? TransparentArgbOf(fill)
                    : MakeArgb(255, palette[i].red, palette[i].green, palette[i].blue);
        }
    } catch (const std::bad_alloc&) {
        return false;
    }
    return true;
}
