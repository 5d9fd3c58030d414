// Reading and writing PAM pictures; see pam_image.h.
#include "tools/pam_image.h"

#include <sstream>
#include <vector>

bool ReadPam(std::istream& in, GeneratedImage& image, std::string& error) {
    std::string line;
    if (!std::getline(in, line) || line != "P7") {
        error = "not a PAM (P7) file";
        return false;
    }
    int32_t width = -1, height = -1, depth = -1, maxval = -1;
    std::string tupleType;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') {
            continue;
        }
        if (line == "ENDHDR") {
            break;
        }
        std::istringstream fields(line);
        std::string key;
        fields >> key;
        if (key == "WIDTH") {
            fields >> width;
        } else if (key == "HEIGHT") {
            fields >> height;
        } else if (key == "DEPTH") {
            fields >> depth;
        } else if (key == "MAXVAL") {
            fields >> maxval;
        } else if (key == "TUPLTYPE") {
            fields >> tupleType;
        }
    }
    const bool rgba = tupleType == "RGB_ALPHA" && depth == 4;
    const bool rgb = tupleType == "RGB" && depth == 3;
    if (width <= 0 || height <= 0 || maxval != 255 || !(rgba || rgb)) {
        error = "need TUPLTYPE RGB or RGB_ALPHA, MAXVAL 255 and a size";
        return false;
    }
    // The header's size is believed only as far as the file holds its pixels:
    // a damaged header must not have the reader ask for gigabytes first.
    const std::streampos start = in.tellg();
    in.seekg(0, std::ios::end);
    const std::streamoff available = in.tellg() - start;
    in.seekg(start);
    if (start < 0 || available < 0 ||
        uint64_t(available) / (uint64_t(width) * uint64_t(depth)) < uint64_t(height)) {
        error = "truncated pixel data";
        return false;
    }
    image.width = width;
    image.height = height;
    image.pixels.resize(size_t(width) * size_t(height));
    std::vector<uint8_t> raw(size_t(width) * size_t(depth));  // one row at a time
    for (int32_t y = 0; y < height; ++y) {
        if (!in.read(reinterpret_cast<char*>(raw.data()), std::streamsize(raw.size()))) {
            error = "truncated pixel data";
            return false;
        }
        Argb* row = &image.pixels[size_t(y) * size_t(width)];
        for (int32_t x = 0; x < width; ++x) {
            const uint8_t* p = &raw[size_t(x) * size_t(depth)];
            row[x] = MakeArgb(rgba ? p[3] : 255, p[0], p[1], p[2]);
        }
    }
    return true;
}

bool WritePam(std::ostream& out, const GeneratedImage& image) {
    out << "P7\nWIDTH " << image.width << "\nHEIGHT " << image.height
        << "\nDEPTH 4\nMAXVAL 255\nTUPLTYPE RGB_ALPHA\nENDHDR\n";
    std::vector<uint8_t> raw;
    raw.reserve(image.pixels.size() * 4);
    for (Argb p : image.pixels) {
        raw.insert(raw.end(), {uint8_t(RedOfArgb(p)), uint8_t(GreenOfArgb(p)),
                               uint8_t(BlueOfArgb(p)), uint8_t(AlphaOf(p))});
    }
    out.write(reinterpret_cast<const char*>(raw.data()), std::streamsize(raw.size()));
    return bool(out);
}
