// ScreenGrab::StoreGrab: a finished grab goes on the clipboard as a bitmap and
// a packed DIB, or into the next numbered file "Prefix###.Ext" of the storage
// directory: BMP written by the program itself when GDI+ is missing, else
// through the GDI+ encoding pipeline.
//
// Nothing is stored, and no buffer is overrun, when the directory and name do
// not fit in a path, when FileStore.Digits is beyond 11 either way, or when the next
// number would pass the largest 32-bit number (an older grab would be
// overwritten); a grab already released by an earlier store is not stored
// again.
#include <windows.h>

#include <iterator>

#include "base/current_directory_win.h"
#include "base/handles_win.h"
#include "base/limits.h"
#include "base/text.h"
#include "capture/bmp_file_win.h"
#include "capture/file_numbering.h"
#include "encode/gdiplus_available_win.h"
#include "encode/gdiplus_save_win.h"
#include "capture/screen_grab_win.h"

namespace {

constexpr char kWrittenWithoutGdiplus[] = "bmp";
constexpr char kThumbnailLetter[] = "t";
// Another program (a clipboard viewer, the system's own clipboard service)
// may hold the clipboard open for a moment; a grab waits up to a second for it.
constexpr int kClipboardAttempts = 20;
constexpr DWORD kClipboardRetryMs = 50;

bool OpenClipboardWhenFree(HWND owner) {
    for (int attempt = 1; !OpenClipboard(owner); ++attempt) {
        if (attempt == kClipboardAttempts) {
            return false;
        }
        Sleep(kClipboardRetryMs);
    }
    return true;
}

// Makes the storage directory current for the length of a file store. The
// change is not checked: a missing directory stores into the current one.
class CurrentDirectoryChange {
public:
    explicit CurrentDirectoryChange(const char* directory) {
        restore_ = ReadCurrentDirectory(saved_);
        SetCurrentDirectoryA(directory);
    }
    ~CurrentDirectoryChange() { Restore(); }
    // Makes the saved directory current again (once).
    void Restore() {
        if (restore_) {
            SetCurrentDirectoryA(saved_);
            restore_ = false;
        }
    }
    CurrentDirectoryChange(const CurrentDirectoryChange&) = delete;
    CurrentDirectoryChange& operator=(const CurrentDirectoryChange&) = delete;

private:
    char saved_[kPathChars] = "";
    bool restore_ = false;
};

// The highest number among the current directory's files "prefix*.extension".
HighestFileNumber ScanDirectory(const char* pattern, const char* prefix) {
    HighestFileNumber highest(prefix);
    WIN32_FIND_DATAA found = {};
    FindHandle search(FindFirstFileA(pattern, &found));
    if (search) {
        do {
            highest.Add(found.cFileName);
        } while (FindNextFileA(search.Get(), &found));
    }
    return highest;
}

// The full path of a name relative to the current directory; false (and dest
// empty) when it does not fit.
bool FullPath(char (&dest)[kPathChars], const char* name) {
    const DWORD length = GetFullPathNameA(name, static_cast<DWORD>(std::size(dest)), dest, nullptr);
    if (length == 0 || length >= std::size(dest)) {
        dest[0] = '\0';
        return false;
    }
    return true;
}

// directory + "\" + [letter] + name; false (and dest empty) when it does not fit.
bool JoinPath(char (&dest)[kPathChars], const char* directory, const char* letter,
              const char* name) {
    const bool whole = CopyText(dest, directory) && AppendText(dest, "\\") &&
                       AppendText(dest, letter) && AppendText(dest, name);
    if (!whole) {
        dest[0] = '\0';
    }
    return whole;
}

}  // namespace

bool ScreenGrab::StoreGrab(const GrabSettings& options, bool alphaFilled, char* picturePath,
                           char* thumbnailPath) {
    // A second press handled before this store replaced the picture and the
    // store before this one released it: nothing is left to store.
    if (!capturedImage.HoldsPicture()) {
        return false;
    }
    if (!options.Properties.StoreFile) {
        // Owned by our main window: a clipboard opened without an owner is
        // emptied to no owner, and then refuses SetClipboardData.
        if (!OpenClipboardWhenFree(window_)) {
            return false;
        }
        bool placed = false;
        if (EmptyClipboard()) {
            GdiObject<HBITMAP> bitmap(capturedImage.TakeBitmap());
            // Offered as a packed DIB too: other processes cannot read a
            // CF_BITMAP under Wine, and programs that want pixels ask for it.
            GlobalMemory dib(MakePackedDib(bitmap.Get(), capturedImage.memoryDc.Get()));
            if (dib && SetClipboardData(CF_DIB, dib.Get()) != nullptr) {
                dib.Release();  // the clipboard owns the memory from here
                placed = true;
            }
            if (SetClipboardData(CF_BITMAP, bitmap.Get()) != nullptr) {
                bitmap.Release();  // the clipboard owns the bitmap from here
                placed = true;
            }
        }
        CloseClipboard();
        return placed;
    }

    const auto& store = options.FileStore;
    // Asked (and GDI+ bound) before the storage folder becomes current, so a
    // gdiplus.dll lying among the grabs is never the one loaded.
    const bool gdiplus = IsGdiplusAvailable();
    CurrentDirectoryChange inStorageDirectory(store.Dir);
    const char* extension = gdiplus ? store.Ext : kWrittenWithoutGdiplus;

    char pattern[kPathChars];
    if (!FormatText(pattern, "%s*.%s", store.Name, extension)) {
        return false;
    }
    int32_t number = 0;
    if (!ScanDirectory(pattern, store.Name).Next(number) && store.Digits != 0) {
        return false;  // no number left that would not overwrite an older grab
    }
    char fileName[kPathChars];
    if (!FormatGrabFileName(fileName, std::size(fileName), store.Name, number, store.Digits,
                            extension)) {
        return false;
    }
    char picture[kPathChars];
    char thumbnail[kPathChars] = "";
    if (!JoinPath(picture, store.Dir, "", fileName) ||
        (options.Thumbnail.Thumb && !JoinPath(thumbnail, store.Dir, kThumbnailLetter, fileName))) {
        return false;  // the reported paths would be cut: name no file at all
    }
    if (picturePath != nullptr) {
        CopyText(picturePath, kPathChars, picture);
    }
    if (thumbnailPath != nullptr && options.Thumbnail.Thumb) {
        CopyText(thumbnailPath, kPathChars, thumbnail);
    }

    // Every name the write uses is made full while the storage folder is
    // current; then the starting folder is current again, because GDI+ loads
    // libraries of its own while it saves (codecs), and none may come from
    // among the grabs.
    char pictureFile[kPathChars];
    char thumbnailFile[kPathChars] = "";
    char thumbnailName[kPathChars];
    if (!FullPath(pictureFile, fileName) ||
        (options.Thumbnail.Thumb &&
         (!CopyText(thumbnailName, kThumbnailLetter) || !AppendText(thumbnailName, fileName) ||
          !FullPath(thumbnailFile, thumbnailName)))) {
        return false;
    }
    GrabSettings resolved = options;
    if (gdiplus && options.Watermark.Watermark) {
        FullPath(resolved.Watermark.File, options.Watermark.File);  // empty: no watermark
    }
    inStorageDirectory.Restore();

    HBITMAP bitmap = capturedImage.dibSection.Get();
    HDC dc = capturedImage.memoryDc.Get();
    if (!gdiplus) {
        // No thumbnail, watermark, image information or transparency here.
        BitmapHeader header;
        return MakeBitmapInfo(bitmap, header) && WriteBmpFile(pictureFile, header, bitmap, dc);
    }
    StoreFormatInputs inputs;
    inputs.reduction = store.Reduction;
    inputs.quality = store.Quality;
    inputs.compression = store.Compression;
    inputs.transFill = options.BkgndFill.TransFill;
    inputs.fillColour = options.BkgndFill.Color;
    inputs.alphaFilled = alphaFilled;
    GdiplusSaveOptions format;
    return GdiplusSaveOptionsFor(extension, inputs, format) &&
           SaveWithGdiplus(pictureFile, thumbnailFile, bitmap, dc, resolved, format);
}
