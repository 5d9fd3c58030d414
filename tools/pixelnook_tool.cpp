// pixelnook-tool: the portable imaging core on the command line, for benchmarks
// and cross-checks against other programs.
//
//   pixelnook-tool reduce --method grayscale|websafe|median|median-dither|octree
//                  [--transparent] [--fill R,G,B] [--runs N] IN.pam OUT_PREFIX
//       Reduces a PAM picture (P7, RGB or RGB_ALPHA, MAXVAL 255; straight alpha)
//       exactly as a GIF save does and writes OUT_PREFIX.indices.pgm (one
//       palette index per pixel) and OUT_PREFIX.palette.txt ("count N", then N
//       entries AARRGGBB). Prints pixels, palette size and the seconds spent in
//       the reduction to stderr: with --runs, the median of N reductions (each
//       with a new reducer), so that the i686 build under Wine and the native
//       one can be timed alike.
//   pixelnook-tool make-image screen|photo OUT.pam
//       Writes one of the generated 1920 x 1080 benchmark pictures.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "bench/test_images.h"
#include "imaging/color_reducer.h"
#include "imaging/fixed_palettes.h"
#include "imaging/median_cut.h"
#include "imaging/octree.h"
#include "tools/pam_image.h"

namespace {

constexpr Colorref kDefaultFill = 0x00FF00FFu;  // magenta, the settings' default
constexpr int32_t kOctreeColors = 255;
constexpr int32_t kOctreeDepth = 8;

int Usage() {
    std::fprintf(stderr,
                 "usage: pixelnook-tool reduce --method "
                 "grayscale|websafe|median|median-dither|octree [--transparent] "
                 "[--fill R,G,B] [--runs N] IN.pam OUT_PREFIX\n"
                 "       pixelnook-tool make-image screen|photo OUT.pam\n");
    return 2;
}

bool ParseFill(const char* text, Colorref& fill) {
    unsigned r = 0, g = 0, b = 0;
    char extra = 0;
    if (std::sscanf(text, "%u,%u,%u%c", &r, &g, &b, &extra) != 3 || r > 255 || g > 255 || b > 255) {
        return false;
    }
    fill = MakeColorref(r, g, b);
    return true;
}

int Reduce(int argc, char** argv) {
    std::string method;
    bool transparent = false;
    Colorref fill = kDefaultFill;
    int runs = 1;
    std::vector<const char*> positional;
    for (int i = 0; i < argc; ++i) {
        if (std::strcmp(argv[i], "--method") == 0 && i + 1 < argc) {
            method = argv[++i];
        } else if (std::strcmp(argv[i], "--transparent") == 0) {
            transparent = true;
        } else if (std::strcmp(argv[i], "--fill") == 0 && i + 1 < argc) {
            if (!ParseFill(argv[++i], fill)) {
                std::fprintf(stderr, "pixelnook-tool: --fill wants R,G,B in 0..255\n");
                return 2;
            }
        } else if (std::strcmp(argv[i], "--runs") == 0 && i + 1 < argc) {
            runs = std::atoi(argv[++i]);
            if (runs < 1) {
                return Usage();
            }
        } else if (argv[i][0] == '-' && argv[i][1] == '-') {
            return Usage();
        } else {
            positional.push_back(argv[i]);
        }
    }
    if (positional.size() != 2 || method.empty()) {
        return Usage();
    }
    GeneratedImage image;
    std::ifstream in(positional[0], std::ios::binary);
    std::string error = "cannot open input";
    if (!in || !ReadPam(in, image, error)) {
        std::fprintf(stderr, "pixelnook-tool: %s: %s\n", positional[0], error.c_str());
        return 1;
    }

    // Stands in for the block GDI+ hands over with a new 8-bit bitmap: 256
    // entries, here opaque black. GDI+ fills them with colours of its own, which
    // entries the reduction leaves alone (the octree's last ones) keep in a file.
    PaletteBlock block;
    block.count = kMaxPaletteEntries;
    std::fill(std::begin(block.entries), std::end(block.entries), kOpaque);
    std::vector<uint8_t> indices(image.pixels.size());
    IndexView target{image.width, image.height, image.width, indices.data()};
    const Argb fillArgb = TransparentArgbOf(fill);

    auto makeReducer = [&]() -> std::unique_ptr<ColorReducer> {
        if (method == "grayscale") {
            return std::make_unique<GrayscaleReducer>(transparent, fillArgb);
        } else if (method == "websafe") {
            return std::make_unique<WebSafeReducer>(transparent, fillArgb);
        } else if (method == "octree") {
            return std::make_unique<OctreeReducer>(transparent, fillArgb, kOctreeColors,
                                                   kOctreeDepth);
        }
        return nullptr;
    };
    const bool medianCut = method == "median" || method == "median-dither";
    const bool dithered = method == "median-dither";
    if (!medianCut && !makeReducer()) {
        return Usage();
    }

    const PaletteBlock startBlock = block;
    bool reduced = true;
    std::vector<double> seconds;
    for (int run = 0; run < runs && reduced; ++run) {
        block = startBlock;
        std::unique_ptr<ColorReducer> reducer = makeReducer();
        const auto start = std::chrono::steady_clock::now();
        if (medianCut) {
            // Median cut reads the image as it is.
            reduced = ReduceByMedianCut(image.View(), fill, transparent, dithered, target, block);
        } else {
            // The others see the working bitmap after the draw.
            reduced = ReduceDrawnColors(*reducer, image.View(), false, target, block);
        }
        seconds.push_back(
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    std::sort(seconds.begin(), seconds.end());
    if (!reduced) {
        std::fprintf(stderr, "pixelnook-tool: out of memory; the image stays 32-bit\n");
        return 1;
    }

    const std::string prefix = positional[1];
    std::ofstream pgm(prefix + ".indices.pgm", std::ios::binary);
    pgm << "P5\n" << image.width << " " << image.height << "\n255\n";
    pgm.write(reinterpret_cast<const char*>(indices.data()), std::streamsize(indices.size()));
    std::ofstream palette(prefix + ".palette.txt");
    palette << "count " << block.count << "\n";
    for (uint32_t i = 0; i < block.count && i < uint32_t(kMaxPaletteEntries); ++i) {
        char entry[16];
        std::snprintf(entry, sizeof entry, "%08X\n", block.entries[i]);
        palette << entry;
    }
    if (!pgm || !palette) {
        std::fprintf(stderr, "pixelnook-tool: cannot write %s.*\n", prefix.c_str());
        return 1;
    }
    std::fprintf(stderr, "pixels %zu palette %u seconds %.6f\n", image.pixels.size(), block.count,
                 seconds[seconds.size() / 2]);
    return 0;
}

int MakeImage(int argc, char** argv) {
    if (argc != 2) {
        return Usage();
    }
    GeneratedImage image;
    if (std::strcmp(argv[0], "screen") == 0) {
        image = ScreenLikeImage();
    } else if (std::strcmp(argv[0], "photo") == 0) {
        image = PhotoLikeImage();
    } else {
        return Usage();
    }
    std::ofstream out(argv[1], std::ios::binary);
    if (!WritePam(out, image)) {
        std::fprintf(stderr, "pixelnook-tool: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        return Usage();
    }
    if (std::strcmp(argv[1], "reduce") == 0) {
        return Reduce(argc - 2, argv + 2);
    }
    if (std::strcmp(argv[1], "make-image") == 0) {
        return MakeImage(argc - 2, argv + 2);
    }
    return Usage();
}
