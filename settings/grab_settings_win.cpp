// Load and Save of the settings record through its IniFile, and the file's
// encryption from Windows 2000 on.
#include <windows.h>

#include "base/system_functions_win.h"
#include "base/text.h"
#include "settings/grab_settings.h"
#include "settings/hot_key_text.h"
#include "settings/settings_keys.h"

namespace {

constexpr char kIniFileName[] = "Pixelnook.ini";

// Reads each key with the field's current value as its default, so a missing
// key leaves the constructor's default. Nothing is clamped or validated.
class Loader {
public:
    explicit Loader(::IniFile& ini) : ini_(ini) {}

    void Section(const char* name) { ini_.SetSection(name); }
    void Bool(const char* key, bool& field) { field = ini_.GetBool(key, field); }
    void Int(const char* key, int32_t& field) { field = ini_.GetInt(key, field); }
    void Float(const char* key, float& field) { field = ini_.GetFloat(key, field); }
    template <size_t N>
    void Text(const char* key, char (&field)[N]) {
        CopyText(field, ini_.GetText(key, field));  // cut to the field
    }
    void HotKey(const char* key, int32_t& field) {
        field = HotKeyFromIniForm(ini_.GetInt(key, field));
    }
    void Color(const char* redKey, const char* greenKey, const char* blueKey, Colorref& field) {
        int32_t red = ini_.GetInt(redKey, static_cast<int32_t>(RedOf(field)));
        int32_t green = ini_.GetInt(greenKey, static_cast<int32_t>(GreenOf(field)));
        int32_t blue = ini_.GetInt(blueKey, static_cast<int32_t>(BlueOf(field)));
        field = ColorFromIni(red, green, blue);
    }

private:
    ::IniFile& ini_;
};

class Saver {
public:
    explicit Saver(::IniFile& ini) : ini_(ini) {}

    void Section(const char* name) { ini_.SetSection(name); }
    void Bool(const char* key, bool& field) { ini_.PutBool(key, field); }
    void Int(const char* key, int32_t& field) { ini_.PutInt(key, field); }
    void Float(const char* key, float& field) { ini_.PutFloat(key, field); }
    template <size_t N>
    void Text(const char* key, char (&field)[N]) {
        ini_.PutText(key, field);
    }
    // A key the system refused is not the user's choice: the file keeps the
    // key it had (or, with none written yet, the default loads next time), so
    // the next start tries it again.
    void HotKey(const char* key, int32_t& field) {
        if (field != kNoHotKey) {
            ini_.PutInt(key, HotKeyToIniForm(field));
        }
    }
    void Color(const char* redKey, const char* greenKey, const char* blueKey, Colorref& field) {
        ini_.PutInt(redKey, static_cast<int32_t>(RedOf(field)));
        ini_.PutInt(greenKey, static_cast<int32_t>(GreenOf(field)));
        ini_.PutInt(blueKey, static_cast<int32_t>(BlueOf(field)));
    }

private:
    ::IniFile& ini_;
};

}  // namespace

void GrabSettings::Load(OsVersionClass osClass) {
    if (!IniFile.Open(kIniFileName)) {
        return;  // no file can be named: the defaults stay, and Save writes nothing
    }
    if (osClass >= kOsWindows2000) {
        // A file encrypted by the last save is opened for reading; failure
        // (a volume without file encryption) changes nothing.
        if (auto decryptFile = Advapi32Optional().DecryptFileA) {
            decryptFile(IniFile.GetPath(), 0);
        }
    }
    Loader loader(IniFile);
    VisitSettingsKeys(*this, loader);
}

void GrabSettings::Save(OsVersionClass osClass) {
    if (!IniFile.IsOpen()) {
        return;
    }
    Saver saver(IniFile);
    VisitSettingsKeys(*this, saver);
    if (osClass >= kOsWindows2000) {
        if (auto encryptFile = Advapi32Optional().EncryptFileA) {
            encryptFile(IniFile.GetPath());
        }
    }
}
