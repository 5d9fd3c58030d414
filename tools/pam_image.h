// The PAM pictures pixelnook-tool reads and writes: P7 with TUPLTYPE RGB or
// RGB_ALPHA, MAXVAL 255, straight alpha. Written always as RGB_ALPHA.
#pragma once

#include <istream>
#include <ostream>
#include <string>

#include "bench/test_images.h"

// False, with a reason in error, for anything but such a picture; nothing is
// allocated for pixels the stream does not hold (it must be seekable).
bool ReadPam(std::istream& in, GeneratedImage& image, std::string& error);
bool WritePam(std::ostream& out, const GeneratedImage& image);
