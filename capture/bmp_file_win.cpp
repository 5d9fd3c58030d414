// BMP files; see bmp_file_win.h.
#include "capture/bmp_file_win.h"

#include <cstring>
#include <memory>
#include <new>

#include "base/handles_win.h"
#include "imaging/dib_section_win.h"

namespace {

bool WriteAll(HANDLE file, const void* bytes, DWORD count) {
    DWORD written = 0;
    return WriteFile(file, bytes, count, &written, nullptr) && written == count;
}

}  // namespace

bool MakeBitmapInfo(HBITMAP bitmap, BitmapHeader& header) {
    BITMAP description = {};
    if (bitmap == nullptr || GetObjectA(bitmap, sizeof description, &description) == 0) {
        header = BitmapHeader{};
        return false;
    }
    return MakeBitmapHeader(description.bmWidth, description.bmHeight, description.bmPlanes,
                            description.bmBitsPixel, header);
}

namespace {

// Reads the bitmap's rows, bottom-up as the header says, into pixels
// (header.sizeImage bytes).
bool ReadPixels(const BitmapHeader& header, HBITMAP bitmap, HDC dc, uint8_t* pixels) {
    // The grab is 32 bits per pixel, so no colour table follows the header; the
    // spare room only guards against GetDIBits writing one for other formats.
    struct {
        BITMAPINFOHEADER header;
        RGBQUAD colours[256];
    } info = {};
    info.header.biSize = header.size;
    info.header.biWidth = header.width;
    info.header.biHeight = header.height;
    info.header.biPlanes = header.planes;
    info.header.biBitCount = header.bitCount;
    info.header.biCompression = header.compression;
    info.header.biSizeImage = header.sizeImage;
    return GetDIBits(dc, bitmap, 0, static_cast<UINT>(header.height), pixels,
                     reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS) != 0;
}

// The DIB section's own rows when they are exactly what the file holds: a
// bottom-up section of the header's size, depth and row length, as every grab
// is. Null for any other bitmap. GetDIBits would only copy these bytes into
// fresh memory (8 MB for a 1920 x 1080 grab) before they are written.
const uint8_t* SectionPixels(const BitmapHeader& header, HBITMAP bitmap) {
    DibPixels section;
    const bool sameLayout =
        DibSectionPixels(bitmap, section) && section.bottomUp &&
        header.bitCount == kDibBitsPerPixel && section.width == header.width &&
        section.height == header.height &&
        static_cast<uint64_t>(section.stride) * static_cast<uint64_t>(section.height) ==
            header.sizeImage;
    return sameLayout ? section.bits : nullptr;
}

}  // namespace

bool WriteBmpFile(const char* path, const BitmapHeader& header, HBITMAP bitmap, HDC dc) {
    const uint8_t* pixels = SectionPixels(header, bitmap);
    std::unique_ptr<uint8_t[]> copy;
    if (pixels == nullptr) {
        copy.reset(new (std::nothrow) uint8_t[header.sizeImage]);
        if (!copy || !ReadPixels(header, bitmap, dc, copy.get())) {
            return false;
        }
        pixels = copy.get();
    }
    FileHandle file(CreateFileA(path, GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        return false;
    }
    const auto fileHeader = BmpFileHeaderBytes(header);
    const auto infoHeader = BitmapHeaderBytes(header);
    const bool whole =
        WriteAll(file.Get(), fileHeader.data(), static_cast<DWORD>(fileHeader.size())) &&
        WriteAll(file.Get(), infoHeader.data(), static_cast<DWORD>(infoHeader.size())) &&
        WriteAll(file.Get(), pixels, header.sizeImage);
    if (!whole) {
        // A full disk: a cut-off picture is worse than none.
        file.Reset();
        DeleteFileA(path);
    }
    return whole;
}

HGLOBAL MakePackedDib(HBITMAP bitmap, HDC dc) {
    BitmapHeader header;
    if (!MakeBitmapInfo(bitmap, header)) {
        return nullptr;
    }
    const auto headerBytes = BitmapHeaderBytes(header);
    GlobalMemory memory(
        GlobalAlloc(GMEM_MOVEABLE, headerBytes.size() + static_cast<SIZE_T>(header.sizeImage)));
    if (!memory) {
        return nullptr;
    }
    auto* bytes = static_cast<uint8_t*>(GlobalLock(memory.Get()));
    if (bytes == nullptr) {
        return nullptr;
    }
    memcpy(bytes, headerBytes.data(), headerBytes.size());
    const bool read = ReadPixels(header, bitmap, dc, bytes + headerBytes.size());
    GlobalUnlock(memory.Get());
    return read ? memory.Release() : nullptr;
}
