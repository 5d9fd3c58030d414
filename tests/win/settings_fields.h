// The settings record field by field, for the tests that compare records.
#pragma once

#include <string>
#include <vector>

#include "base/text.h"
#include "settings/grab_settings.h"
#include "settings/settings_keys.h"

// Walks the key list: writes every field down as "Section.Key=value", so two
// records compare field by field and a failure names the field; when asked,
// first gives each field a value unlike its default (texts with spaces and
// backslashes, negative and fractional numbers).
class Fields {
public:
    explicit Fields(bool change) : change_(change) {}
    std::vector<std::string> list;

    void Section(const char* name) { section_ = name; }
    void Bool(const char* key, bool& f) { Add(key, std::to_string(f = f != change_)); }
    void Int(const char* key, int32_t& f) { Add(key, std::to_string(f += change_ ? 3 + ++n_ : 0)); }
    void Float(const char* k, float& f) { Add(k, std::to_string(f = change_ ? ++n_ - 12.25f : f)); }
    template <size_t N>
    void Text(const char* key, char (&f)[N]) {
        if (change_)
            FormatText(f, "C:\\my %s %d\\", key, ++n_);
        Add(key, f);
    }
    void HotKey(const char* key, int32_t& f) { Add(key, std::to_string(f = change_ ? 44 : f)); }
    void Color(const char* red, const char*, const char*, Colorref& f) {
        Add(red, std::to_string(f = change_ ? MakeColorref(1, 128, 254) : f));
    }

private:
    void Add(const char* key, const std::string& value) {
        list.push_back(section_ + "." + key + "=" + value);
    }
    bool change_;
    int32_t n_ = 0;
    std::string section_;
};

inline std::vector<std::string> Dump(GrabSettings& s, bool change = false) {
    Fields fields(change);
    VisitSettingsKeys(s, fields);
    return fields.list;
}
