// Reading back what was written, for the tests of every layer.
#pragma once

#include <fstream>
#include <iterator>
#include <string>

// The file's bytes as they are on disk ("" when there is no file).
inline std::string FileBytes(const std::string& path) {
    return {std::istreambuf_iterator<char>(std::ifstream(path, std::ios::binary).rdbuf()), {}};
}
