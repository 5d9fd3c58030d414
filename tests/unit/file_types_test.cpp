#include "encode/file_types.h"

#include <gtest/gtest.h>

namespace {

// reduction, quality, compression, transFill, fillColour, alphaFilled
const StoreFormatInputs kInputs{4, 60, 2, true, MakeColorref(1, 2, 3), true};

}  // namespace

TEST(FileTypes, OtherExtensionsAreSavedByNobody) {
    for (const char* ext :
         {"BMP", "Png", "jpeg", "tiff", "", "bmp ", "txt", static_cast<const char*>(nullptr)}) {
        GdiplusSaveOptions o;
        EXPECT_FALSE(GdiplusSaveOptionsFor(ext, kInputs, o)) << (ext ? ext : "null");
        EXPECT_EQ(o.mimeType, nullptr);
    }
}
