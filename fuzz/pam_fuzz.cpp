// pixelnook-tool's PAM reader over arbitrary files: a picture it accepts has
// the size its header gave and a pixel for every point.
#include <sstream>

#include "tools/pam_image.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    GeneratedImage image;
    std::string error;
    if (ReadPam(in, image, error) &&
        (image.width <= 0 || image.height <= 0 ||
         image.pixels.size() != size_t(image.width) * size_t(image.height))) {
        __builtin_trap();
    }
    return 0;
}
