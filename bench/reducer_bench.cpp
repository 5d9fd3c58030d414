// Every GIF colour reduction on a 1920 x 1080 screen-like and photo-like picture,
// timed the way a save runs it: the working-bitmap draw and ReduceColors, or
// ReduceByMedianCut on the picture as it is.
#include <benchmark/benchmark.h>

#include <memory>

#include "bench/test_images.h"
#include "imaging/color_reducer.h"
#include "imaging/fixed_palettes.h"
#include "imaging/median_cut.h"
#include "imaging/octree.h"

namespace {

enum Method { kGrayscale, kWebSafe, kOctree, kMedian, kMedianDithered };
enum Picture { kScreen, kPhoto };

constexpr Colorref kFill = 0x00FF00FFu;

// Generating a picture takes longer than reducing it: make each once per run.
struct Pictures {
    GeneratedImage screen = ScreenLikeImage();
    GeneratedImage photo = PhotoLikeImage();
};

Pictures& SharedPictures() {
    static Pictures pictures;  // benchmark-only: built on first use, read only after
    return pictures;
}

void Reduce(benchmark::State& state) {
    const Method method = Method(state.range(0));
    GeneratedImage& image =
        state.range(1) == kScreen ? SharedPictures().screen : SharedPictures().photo;
    std::vector<uint8_t> indices(image.pixels.size());
    IndexView target{image.width, image.height, image.width, indices.data()};
    GeneratedImage working{image.width, image.height, std::vector<Argb>(image.pixels.size())};
    for (auto _ : state) {
        PaletteBlock block;
        block.count = kMaxPaletteEntries;
        bool ok = false;
        if (method == kMedian || method == kMedianDithered) {
            ok = ReduceByMedianCut(image.View(), kFill, false, method == kMedianDithered, target,
                                   block);
        } else {
            DrawAsWorkingPixels(image.View(), working.View());
            std::unique_ptr<ColorReducer> reducer;
            if (method == kGrayscale) {
                reducer = std::make_unique<GrayscaleReducer>(false, TransparentArgbOf(kFill));
            } else if (method == kWebSafe) {
                reducer = std::make_unique<WebSafeReducer>(false, TransparentArgbOf(kFill));
            } else {
                reducer = std::make_unique<OctreeReducer>(false, TransparentArgbOf(kFill), 255, 8);
            }
            ok = ReduceColors(*reducer, working.View(), target, block);
        }
        benchmark::DoNotOptimize(ok);
        benchmark::DoNotOptimize(indices.data());
    }
    state.SetItemsProcessed(int64_t(state.iterations()) * int64_t(image.pixels.size()));
}

const char* const kMethodNames[] = {"grayscale", "websafe", "octree", "median", "median-dither"};
const char* const kPictureNames[] = {"screen", "photo"};

void RegisterAll() {
    for (int p = kScreen; p <= kPhoto; ++p) {
        for (int m = kGrayscale; m <= kMedianDithered; ++m) {
            std::string name = std::string("Reduce/") + kMethodNames[m] + "/" + kPictureNames[p];
            benchmark::RegisterBenchmark(name.c_str(), Reduce)
                ->Args({m, p})
                ->Unit(benchmark::kMillisecond)
                ->MinTime(1.0);
        }
    }
}

}  // namespace

int main(int argc, char** argv) {
    RegisterAll();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
