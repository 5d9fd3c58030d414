// The Upload section and the protected password against real files, with the
// data protection Wine provides. The OS class is passed in: this process
// cannot change the version its prefix reports while it runs.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "base/text.h"
#include "settings/grab_settings.h"
#include "settings/upload_settings.h"
#include "tests/win/ini_scratch.h"

namespace {

// The record's fields as texts, in their order.
std::vector<std::string> Fields(const UploadSettings& u) {
    return {u.Server, u.User, u.Password, u.Dir, u.Port, u.Service, u.Passive ? "on" : "off"};
}

}  // namespace

TEST(UploadSettingsFile, EveryFieldRoundTripsAndThePasswordIsStoredAsTheSavingSystemAllows) {
    // The saving system, the password and its stored form: the plain form (bytes
    // and zero byte), or null for a protection blob.
    const std::tuple<OsVersionClass, const char*, const char*> cases[] = {
        {kOsWindows98, "old password", "6f6c642070617373776f726400"},
        {kOsWindowsXp, "s3cret!", nullptr},
    };
    for (const auto& [savedOn, password, storedForm] : cases) {
        SCOPED_TRACE(savedOn);
        IniScratch dir;
        GrabSettings settings(false);
        settings.Load(savedOn);
        UploadSettings saved, back;
        UploadWipe wipe(back);
        int field = 0;
        for (char* text : {saved.Server, saved.User, saved.Dir, saved.Port, saved.Service})
            FormatText(text, kTextChars, "text %d, C:\\x\\", ++field);
        CopyText(saved.Password, password);
        saved.Passive = false;
        const std::vector<std::string> fields = Fields(saved);
        SaveUpload(settings, saved, savedOn);
        WipeUpload(saved);
        // The password was in the record: nothing of it stays there.
        EXPECT_EQ(std::string(reinterpret_cast<char*>(&saved), sizeof saved),
                  std::string(sizeof saved, '\0'));
        const std::string file = IniScratch::Read();
        const size_t at = file.find("Password=") + 9;
        const std::string stored = file.substr(at, file.find('\r', at) - at);
        // A blob is far longer than any plain form here.
        EXPECT_TRUE(storedForm ? stored == storedForm : stored.size() > 200) << stored;
        // The plain form reads back everywhere, a blob from Windows 2000 on.
        for (OsVersionClass loadOn : {savedOn, kOsWindowsXp}) {
            LoadUpload(settings, back, loadOn);
            EXPECT_EQ(Fields(back), fields) << loadOn;
        }
    }
}
