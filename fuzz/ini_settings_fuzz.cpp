// The settings as a damaged or hostile Pixelnook.ini gives them: every key
// converted the way Load converts it, from the input's next text or number,
// then the texts and names the program makes from the record at once, and
// the path helpers over any text.
#include <fuzzer/FuzzedDataProvider.h>

#include "base/text.h"
#include "capture/file_numbering.h"
#include "settings/hot_key_text.h"
#include "settings/settings_keys.h"
#include "settings/status_text.h"

namespace {

// Load's visitor with the input in the profile functions' place: a text is
// what GetPrivateProfileString reads (at most 1023 characters), a number what
// GetPrivateProfileInt makes of one.
struct FuzzLoader {
    FuzzedDataProvider& in;
    std::string read;

    const char* Read() {
        read = in.ConsumeRandomLengthString(kIniTextChars - 1);
        return read.c_str();
    }
    int32_t Number() { return in.ConsumeIntegral<int32_t>(); }
    void Section(const char*) {}
    void Bool(const char*, bool& field) { field = BoolFromIni(Number()); }
    void Int(const char*, int32_t& field) { field = Number(); }
    void Float(const char*, float& field) { field = FloatFromIni(Read(), field); }
    template <size_t N>
    void Text(const char*, char (&field)[N]) {
        CopyText(field, TextOrDefault(Read(), field));
    }
    void HotKey(const char*, int32_t& field) { field = HotKeyFromIniForm(Number()); }
    void Color(const char*, const char*, const char*, Colorref& field) {
        field = ColorFromIni(Number(), Number(), Number());
    }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    GrabSettings settings(in.ConsumeBool());
    FuzzLoader loader{in, {}};
    VisitSettingsKeys(settings, loader);
    if (TooltipText(settings).size() > 255 || WindowTitle(settings).empty()) {
        __builtin_trap();
    }
    HotKeyText(settings);
    char name[kPathChars];
    FormatGrabFileName(name, sizeof name, settings.FileStore.Name, in.ConsumeIntegral<int32_t>(),
                       settings.FileStore.Digits, settings.FileStore.Ext);
    const std::string path = loader.Read();
    char directory[kPathChars];
    if (DirectoryOfFile(path.c_str(), directory, sizeof directory)) {
        RelativePathLengthBound(directory, settings.FileStore.Dir);
    }
    settings.IniFile.OpenIn(path.c_str(), "Pixelnook.ini");
    settings.IniFile.SetSection(loader.Read());
    return 0;
}
