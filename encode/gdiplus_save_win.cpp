// The GDI+ encoding pipeline; see gdiplus_save_win.h.
//
// Order of one save: start GDI+ (the DIB section is taken out of the grab's
// device context, where GDI+ cannot read it); find the encoder; the full-size
// image: transparency, watermark, GIF reduction, encoder settings, the seven
// image information items on the image that is saved, save (and for halftone
// GIFs with transparency the items again and a second save); then the thumbnail from the same grab,
// saved with the encoder's defaults; shut GDI+ down and put the DIB section back.
#include "encode/gdiplus_save_win.h"

#include <cstddef>
#include <cstring>
#include <new>
#include <utility>

#include "base/handles_win.h"
#include "base/limits.h"
#include "base/text.h"
#include "encode/gdiplus_image_win.h"
#include "resources/texts.h"
#include "encode/gdiplus_image_steps_win.h"
#include "imaging/thumbnail_size.h"

namespace {

// Written as the software item of every full-size file.
constexpr char kSoftware[] = TEXT_SOFTWARE_NAME;

// GDI+'s encoder parameter ids (gdiplusimaging.h declares them as data in a
// library we do not link).
constexpr GUID kEncoderQuality = {
    0x1d5be4b5, 0xfa4a, 0x452d, {0x9c, 0xdd, 0x5d, 0xb3, 0x51, 0x05, 0xe7, 0xeb}};
constexpr GUID kEncoderCompression = {
    0xe09d739d, 0xccd4, 0x44ee, {0x8e, 0xba, 0x3f, 0xbf, 0x8b, 0xe4, 0xfc, 0x58}};

// Image information tags, set in this order.
constexpr PROPID kTagImageTitle = 0x0320;
constexpr PROPID kTagCopyright = 0x8298;
constexpr PROPID kTagDocumentName = 0x010D;
constexpr PROPID kTagImageDescription = 0x010E;
constexpr PROPID kTagArtist = 0x013B;
constexpr PROPID kTagDateTime = 0x0132;
constexpr PROPID kTagSoftware = 0x0131;

// The parameter list of a full-size save: quality and compression, always
// both. Laid out as GDI+'s EncoderParameters with two entries; the values live
// in the record, so it is neither copied nor moved.
struct EncoderSettings {
    EncoderSettings(int32_t qualityValue, int32_t compressionValue)
        : quality(qualityValue), compression(compressionValue) {
        parameter[0] = {kEncoderQuality, 1, gdip::EncoderParameterValueTypeLong, &quality};
        parameter[1] = {kEncoderCompression, 1, gdip::EncoderParameterValueTypeLong, &compression};
    }
    EncoderSettings(const EncoderSettings&) = delete;
    EncoderSettings& operator=(const EncoderSettings&) = delete;

    const gdip::EncoderParameters* Get() const {
        return reinterpret_cast<const gdip::EncoderParameters*>(this);
    }

    UINT count = 2;
    gdip::EncoderParameter parameter[2];
    LONG quality;
    LONG compression;
};
static_assert(offsetof(EncoderSettings, parameter) == offsetof(gdip::EncoderParameters, Parameter),
              "EncoderSettings starts as EncoderParameters");

// StartGdiplus and its undoing: puts a 1 x 1 bitmap into the grab's device
// context for the length of a save (GDI+ takes the DIB section only while it
// is selected nowhere) and starts GDI+; the destructor shuts GDI+ down and
// selects the DIB section back.
class GdiplusSession {
public:
    explicit GdiplusSession(HDC dc) : dc_(dc), placeholder_(CreateBitmap(1, 1, 1, 1, nullptr)) {
        previous_ = SelectObject(dc_, placeholder_.Get());
        const gdip::GdiplusStartupInput input;  // version 1, nothing suppressed
        started_ = Gdip().GdiplusStartup(&token_, &input, nullptr) == gdip::Ok;
    }
    ~GdiplusSession() {
        if (started_) {
            Gdip().GdiplusShutdown(token_);
        }
        if (previous_ != nullptr && previous_ != HGDI_ERROR) {
            SelectObject(dc_, previous_);
        }
    }
    GdiplusSession(const GdiplusSession&) = delete;
    GdiplusSession& operator=(const GdiplusSession&) = delete;

    bool Started() const { return started_; }

private:
    HDC dc_;
    GdiObject<HBITMAP> placeholder_;
    HGDIOBJ previous_ = nullptr;
    ULONG_PTR token_ = 0;
    bool started_ = false;
};

// What both saves of one grab share.
struct SaveJob {
    const char* picturePath;
    const char* thumbnailPath;
    HBITMAP bitmap;
    CLSID encoder;
    const GrabSettings& settings;
    const GdiplusSaveOptions& options;
};

bool SameMimeType(const WCHAR* wide, const char* narrow) {
    for (; *narrow != '\0'; ++wide, ++narrow) {
        if (*wide != static_cast<WCHAR>(static_cast<unsigned char>(*narrow))) {
            return false;
        }
    }
    return *wide == L'\0';
}

// What lay at a path before this store wrote there. With a fixed file name
// (FileStore.Digits 0) that is the previous grab: a save that fails before
// GDI+ opens the file must leave it alone, while a file the save created or
// wrote to (a full disk leaves a cut-off one) is removed.
class FileBeforeSave {
public:
    explicit FileBeforeSave(const char* path) : path_(path) {
        existed_ = GetFileAttributesExA(path, GetFileExInfoStandard, &before_) != 0;
    }
    FileBeforeSave(const FileBeforeSave&) = delete;
    FileBeforeSave& operator=(const FileBeforeSave&) = delete;

    // Removes the file unless it is still the one that lay there before.
    void RemoveWhatTheSaveLeft() const {
        WIN32_FILE_ATTRIBUTE_DATA now = {};
        if (GetFileAttributesExA(path_, GetFileExInfoStandard, &now) == 0) {
            return;  // nothing there
        }
        const bool untouched = existed_ && now.nFileSizeHigh == before_.nFileSizeHigh &&
                               now.nFileSizeLow == before_.nFileSizeLow &&
                               CompareFileTime(&now.ftLastWriteTime, &before_.ftLastWriteTime) == 0;
        if (!untouched) {
            DeleteFileA(path_);
        }
    }

private:
    const char* path_;
    WIN32_FILE_ATTRIBUTE_DATA before_ = {};
    bool existed_ = false;
};

// The image saved as path; the status is recorded in the image.
gdip::GpStatus SaveImageFile(GdipImage& image, const CLSID& encoder,
                             const gdip::EncoderParameters* parameters, const char* path) {
    wchar_t wide[kPathChars];
    if (!WidenPath(path, wide)) {
        return image.Record(gdip::InvalidParameter);  // a cut path would name another file
    }
    return image.Record(Gdip().GdipSaveImageToFile(image.Native(), wide, &encoder, parameters));
}

// Transparency as the type wants it: the captured alpha for PNG and TIFF grabs
// whose alpha is meaningful, else the fill colour as a key.
ImagePtr WithTransparency(ImagePtr image, const SaveJob& job) {
    if (job.options.alphaFilled) {
        return ApplyCapturedAlpha(std::move(image), job.options.colour, job.bitmap);
    }
    return MakeColorTransparent(std::move(image), job.options.colour);
}

// The store time in UTC, as image information dates are written.
void FormatDateTime(char (&text)[kTextChars]) {
    SYSTEMTIME now = {};
    GetSystemTime(&now);
    FormatText(text, "%4.4d:%2.2d:%2.2d %2.2d:%2.2d:00", now.wYear, now.wMonth, now.wDay, now.wHour,
               now.wMinute);
}

// The seven text items, in their order; an empty text is left out. A failing
// item only records its status in the image.
void SetImageInfo(GdipImage& image, const GrabSettings& settings) {
    char date[kTextChars] = "";
    FormatDateTime(date);
    const struct {
        PROPID id;
        const char* text;
    } items[] = {
        {kTagImageTitle, settings.Info.Title},
        {kTagCopyright, settings.Info.Copyright},
        {kTagDocumentName, settings.Info.Docname},
        {kTagImageDescription, settings.Info.Description},
        {kTagArtist, settings.Info.Artist},
        {kTagDateTime, date},
        {kTagSoftware, kSoftware},
    };
    for (const auto& item : items) {
        const size_t length = strnlen(item.text, kTextChars);
        if (length == 0 || length >= static_cast<size_t>(kTextChars)) {
            continue;
        }
        gdip::PropertyItem property = {};
        property.id = item.id;
        property.length = static_cast<ULONG>(length + 1);  // the terminating zero counts
        property.type = PropertyTagTypeASCII;
        property.value = const_cast<char*>(item.text);
        image.Record(Gdip().GdipSetPropertyItem(image.Native(), &property));
    }
}

// GIF reduction, the save as path, and the halftone method's second save. The
// image information (info, when given) is set on each image just before it is
// saved: a reduction or the halftone step makes a new image that carries none
// of it. True when the file was written; when it was not, no file this save
// touched is left.
bool ReduceAndSave(ImagePtr& image, const SaveJob& job, const gdip::EncoderParameters* parameters,
                   const GrabSettings* info, const char* path) {
    const GdiplusSaveOptions& o = job.options;
    if (o.gif) {
        image = ReduceForGif(std::move(image), o.reduction, o.colour, o.transparent);
    }
    const FileBeforeSave before(path);
    auto save = [&] {
        if (info != nullptr) {
            SetImageInfo(*image, *info);
        }
        return SaveImageFile(*image, job.encoder, parameters, path) == gdip::Ok;
    };
    bool written = save();
    if (written && o.gif && HalftoneAfterSave(o.reduction, o.transparent)) {
        image = MakeHalftoneTransparent(std::move(image), o.colour, path);
        written = save();
    }
    if (!written) {
        before.RemoveWhatTheSaveLeft();
    }
    return written;
}

// The grab as the first image of a save. A step that only reads it gets the
// DIB section's own pixels: under Wine, filling fresh memory for a copy of a
// 1920 x 1080 grab costs about as much as encoding it. One that draws into it
// (the watermark) gets a copy, so the grab itself never changes.
ImagePtr GrabImage(const SaveJob& job, bool drawnInto) {
    ImagePtr view = drawnInto ? nullptr : ImageOverDibSection(job.bitmap);
    return view ? std::move(view) : ImageFromBitmap(job.bitmap);
}

// The full-size file. Gives the final image back when the thumbnail needs it;
// written reports whether the file was.
ImagePtr SaveFullImage(const SaveJob& job, bool keepImage, bool& written) {
    written = false;
    ImagePtr image = GrabImage(job, job.settings.Watermark.Watermark);
    if (!image) {
        return nullptr;
    }
    const GdiplusSaveOptions& o = job.options;
    if (o.transparent) {
        image = WithTransparency(std::move(image), job);
    }
    if (job.settings.Watermark.Watermark) {
        DrawWatermark(*image, *image, job.settings.Watermark);
    }
    const EncoderSettings parameters(o.quality, EncoderCompressionValue(o.compression));
    written = ReduceAndSave(image, job, parameters.Get(), &job.settings, job.picturePath);
    return keepImage ? std::move(image) : nullptr;
}

void SaveThumbnail(const SaveJob& job, GdipImage& full) {
    const auto& t = job.settings.Thumbnail;
    const GdiplusSaveOptions& o = job.options;
    const bool ownMark = job.settings.Watermark.Watermark && t.WMSame;
    // The grab as it was when the thumbnail gets its own mark (drawn into the
    // thumbnail, not into this) or its own transparency; otherwise the
    // finished full-size image is scaled.
    ImagePtr owned;
    if (ownMark || o.transparent) {
        owned = GrabImage(job, false);
        if (!owned) {
            return;
        }
        if (o.transparent) {
            owned = WithTransparency(std::move(owned), job);
        }
    }
    GdipImage& source = owned ? *owned : full;
    const ThumbnailSize size = ComputeThumbnailSize(t.Percent, t.Width, t.Height, t.Aspect,
                                                    source.Width(), source.Height());
    if (!size.Makes()) {
        return;
    }
    ImagePtr thumbnail = BlankImage(size.width, size.height, kFormatArgb);
    if (!thumbnail) {
        return;
    }
    {
        GdipGraphics graphics(*thumbnail);
        if (!graphics) {
            return;
        }
        thumbnail->Record(Gdip().GdipSetPageUnit(graphics.Get(), gdip::UnitPixel));
        thumbnail->Record(Gdip().GdipSetInterpolationMode(
            graphics.Get(), gdip::InterpolationModeHighQualityBicubic));
        thumbnail->Record(Gdip().GdipDrawImageRectI(graphics.Get(), source.Native(), 0, 0,
                                                    size.width, size.height));
    }
    if (ownMark) {
        // Measured against the full-size picture: the mark keeps its size.
        DrawWatermark(*thumbnail, full, job.settings.Watermark);
    }
    ReduceAndSave(thumbnail, job, nullptr, nullptr, job.thumbnailPath);  // no information
}

}  // namespace

int GetEncoderClsid(const char* mimeType, CLSID& clsid) {
    UINT count = 0;
    UINT bytes = 0;
    if (Gdip().GdipGetImageEncodersSize(&count, &bytes) != gdip::Ok || bytes == 0) {
        return -1;
    }
    std::unique_ptr<uint8_t[]> buffer(new (std::nothrow) uint8_t[bytes]);
    if (!buffer) {
        return -1;
    }
    auto* encoders = reinterpret_cast<gdip::ImageCodecInfo*>(buffer.get());
    if (Gdip().GdipGetImageEncoders(count, bytes, encoders) != gdip::Ok) {
        return -1;
    }
    for (UINT i = 0; i < count; ++i) {
        if (encoders[i].MimeType != nullptr && SameMimeType(encoders[i].MimeType, mimeType)) {
            clsid = encoders[i].Clsid;
            return static_cast<int>(i);
        }
    }
    return -1;
}

bool SaveWithGdiplus(const char* picturePath, const char* thumbnailPath, HBITMAP bitmap, HDC dc,
                     const GrabSettings& settings, const GdiplusSaveOptions& options) {
    if (!GdiplusLibrary().Usable() || options.mimeType == nullptr) {
        return false;
    }
    GdiplusSession session(dc);
    if (!session.Started()) {
        return false;
    }
    SaveJob job{picturePath, thumbnailPath, bitmap, CLSID{}, settings, options};
    if (GetEncoderClsid(options.mimeType, job.encoder) < 0) {
        return false;  // no encoder for the type: no file at all
    }
    const bool thumbnail = settings.Thumbnail.Thumb;
    bool written = false;
    ImagePtr full = SaveFullImage(job, thumbnail, written);
    if (thumbnail && full) {
        SaveThumbnail(job, *full);
    }
    return written;
}
