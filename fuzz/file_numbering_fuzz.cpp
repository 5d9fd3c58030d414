// The next grab's number over a folder of arbitrary names: it is above every
// number in use (or none is given), and the name made from it is refused
// whole or read back by the next scan as that very number.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstring>

#include "base/limits.h"
#include "capture/file_numbering.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    const int32_t digits = in.ConsumeIntegralInRange(-13, 13);
    const std::string prefix = in.ConsumeRandomLengthString(kPathChars);
    const std::string extension = in.ConsumeRandomLengthString(8);
    std::vector<std::string> names;
    while (in.remaining_bytes() > 0) {
        names.push_back(prefix + in.ConsumeRandomLengthString(kPathChars));
    }
    int32_t next = 0;
    if (!ScanFileNumbers(prefix.c_str(), names).Next(next)) {
        return 0;
    }
    const size_t length = strlen(prefix.c_str());
    for (const std::string& name : names) {
        // A number too large for 32 bits is a negative one, which is ignored.
        const char* after = name.c_str() + length;
        const ReadNumber number = ReadLeadingNumber(after);
        if (number.overflow ? after[strspn(after, " \t\n\v\f\r")] != '-' : number.value >= next) {
            __builtin_trap();
        }
    }
    char file[kPathChars];
    if (FormatGrabFileName(file, sizeof file, prefix.c_str(), next, digits, extension.c_str())
            ? digits != 0 && ReadLeadingNumber(file + length).value != next
            : file[0] != '\0') {
        __builtin_trap();
    }
    return 0;
}
