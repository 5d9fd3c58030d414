// GIF colour reduction on GDI+ images: the 32-bit image is locked, reduced by
// the portable reducers (imaging/), and the indices and palette are written
// into a new 8-bit indexed bitmap.
//
// Every reducer's memory is asked for inside a try: std::bad_alloc (a grab too
// large for the memory left) skips the reduction, and the 32-bit image is
// saved instead, as when GDI+ cannot make the 8-bit bitmap.
#include <new>
#include <utility>

#include "encode/gdiplus_image_steps_win.h"
#include "imaging/color_reducer.h"
#include "imaging/fixed_palettes.h"
#include "imaging/median_cut.h"
#include "imaging/octree.h"

namespace {

// The octree keeps one entry back for the transparent colour.
constexpr int32_t kOctreeColors = 255;
constexpr int32_t kOctreeDepth = 8;

static_assert(sizeof(PaletteBlock) == sizeof(UINT) * 2 + sizeof(gdip::ARGB) * kMaxPaletteEntries,
              "PaletteBlock is laid out as GDI+'s ColorPalette with 256 entries");

bool ReadPalette(GdipImage& image, PaletteBlock& block) {
    INT bytes = 0;
    if (image.Record(Gdip().GdipGetImagePaletteSize(image.Native(), &bytes)) != gdip::Ok ||
        bytes <= 0 || bytes > static_cast<INT>(sizeof block)) {
        return false;
    }
    return image.Record(Gdip().GdipGetImagePalette(image.Native(),
                                                   reinterpret_cast<gdip::ColorPalette*>(&block),
                                                   static_cast<INT>(sizeof block))) == gdip::Ok;
}

// The format the source is locked in. Its own when it is one of the two 32-bit
// layouts the reducers read, because GDI+ then hands out the pixels where they
// lie; asked for another format (32bppRGB as ARGB too) it converts the whole
// image into a new buffer first, 8 MB for a 1920 x 1080 grab. opaque tells
// the reducers that the fourth byte of 32bppRGB is no alpha: as ARGB every
// such pixel would read alpha 255.
struct SourceLock {
    gdip::PixelFormat format;
    bool opaque;
};

SourceLock SourceLockFor(GdipImage& image) {
    if (image.Format() == PixelFormat32bppRGB) {
        return {PixelFormat32bppRGB, true};
    }
    return {kFormatArgb, false};
}

// Runs reduce(source pixels, opaque, target indices, palette block) into a new
// 8-bit bitmap of image's size; null when anything on the way fails.
template <typename Reduce>
ImagePtr ReduceInto(GdipImage& image, Reduce&& reduce) {
    ImagePtr result = BlankImage(image.Width(), image.Height(), kFormatIndexed);
    if (!result) {
        return nullptr;
    }
    PaletteBlock block;
    if (!ReadPalette(*result, block)) {
        return nullptr;
    }
    {
        const SourceLock lock = SourceLockFor(image);
        LockedBits source(image, gdip::ImageLockModeRead, lock.format);
        LockedBits target(*result, gdip::ImageLockModeWrite, kFormatIndexed);
        if (!source || !target || !reduce(source.Argb(), lock.opaque, target.Indices(), block)) {
            return nullptr;
        }
    }
    if (result->Record(Gdip().GdipSetImagePalette(
            result->Native(), reinterpret_cast<const gdip::ColorPalette*>(&block))) != gdip::Ok) {
        return nullptr;
    }
    return result;
}

// ReduceColors over the image as drawn onto a cleared 32-bit bitmap: pixels of
// alpha 0 arrive as 0 in all four channels.
ImagePtr ReduceWith(ColorReducer& reducer, GdipImage& image) {
    return ReduceInto(image, [&reducer](const ArgbView& source, bool opaque,
                                        const IndexView& target, PaletteBlock& block) {
        return ReduceDrawnColors(reducer, source, opaque, target, block);
    });
}

// Builds the reducer (its palette may need memory) and runs it; the image
// itself when either fails.
template <typename Reducer, typename... Args>
ImagePtr ReduceBy(ImagePtr image, Args&&... args) {
    try {
        Reducer reducer(std::forward<Args>(args)...);
        ImagePtr reduced = ReduceWith(reducer, *image);
        return reduced ? std::move(reduced) : std::move(image);
    } catch (const std::bad_alloc&) {
        return image;
    }
}

}  // namespace

ImagePtr ReduceToGrayscale(ImagePtr image, Colorref fill, bool transparent) {
    return ReduceBy<GrayscaleReducer>(std::move(image), transparent, TransparentArgbOf(fill));
}

ImagePtr ReduceToWebSafe(ImagePtr image, Colorref fill, bool transparent) {
    return ReduceBy<WebSafeReducer>(std::move(image), transparent, TransparentArgbOf(fill));
}

ImagePtr ReduceByOctree(ImagePtr image, Colorref fill, bool transparent) {
    return ReduceBy<OctreeReducer>(std::move(image), transparent, TransparentArgbOf(fill),
                                   kOctreeColors, kOctreeDepth);
}

ImagePtr ReduceByMedianCut(ImagePtr image, Colorref fill, bool transparent, bool dithered) {
    ImagePtr reduced = ReduceInto(*image, [&](const ArgbView& source, bool opaque,
                                              const IndexView& target, PaletteBlock& block) {
        // An image without alpha has no transparent pixel to give the fill
        // colour's entry to.
        return ReduceByMedianCut(source, fill, transparent && !opaque, dithered, target, block);
    });
    return reduced ? std::move(reduced) : std::move(image);
}

ImagePtr ReduceForGif(ImagePtr image, int32_t reduction, Colorref fill, bool transparent) {
    switch (static_cast<GifReduction>(reduction)) {
        case GifReduction::Grayscale:
            return ReduceToGrayscale(std::move(image), fill, transparent);
        case GifReduction::MedianCut:
            return ReduceByMedianCut(std::move(image), fill, transparent, false);
        case GifReduction::MedianCutDithered:
            return ReduceByMedianCut(std::move(image), fill, transparent, true);
        case GifReduction::Octree:
            return ReduceByOctree(std::move(image), fill, transparent);
        case GifReduction::WebSafe:
            return ReduceToWebSafe(std::move(image), fill, transparent);
        case GifReduction::Halftone:
        default:
            return image;  // the GIF encoder reduces it with its own halftone palette
    }
}

bool HalftoneAfterSave(int32_t reduction, bool transparent) {
    return static_cast<GifReduction>(reduction) == GifReduction::Halftone && transparent;
}

ImagePtr MakeHalftoneTransparent(ImagePtr image, Colorref fill, const char* path) {
    wchar_t wide[kPathChars];
    if (!WidenPath(path, wide)) {
        return image;
    }
    PaletteBlock block;
    {
        ImagePtr saved = ImageFromFile(wide);
        if (!saved || !ReadPalette(*saved, block)) {
            return image;  // the first save failed: nothing to take the palette from
        }
    }
    ChooseHalftoneTransparentEntry(block, fill);
    return ReduceBy<PaletteReducer>(std::move(image), block);
}
