// The Upload section and the protected password against real files, with the
// data protection Wine provides. The OS class is passed in: this process
// cannot change the version its prefix reports while it runs.
#include <windows.h>

#include <gtest/gtest.h>

#include <iterator>
#include <string>

#include "base/text.h"
#include "settings/grab_settings.h"
#include "settings/upload_settings.h"
#include "tests/win/ini_scratch.h"

namespace {

// The Password line's value as it stands in the file.
std::string StoredPassword() {
    const std::string text = IniScratch::Read();
    const size_t at = text.find("Password=");
    return at == std::string::npos ? "<none>" : text.substr(at + 9, text.find('\r', at) - at - 9);
}

}  // namespace

TEST(UploadSettingsFile, MissingSectionGivesDefaultsAndEveryFieldRoundTrips) {
    for (OsVersionClass osClass : {kOsWindows98, kOsWindowsXp}) {
        IniScratch dir;
        GrabSettings settings(false);
        settings.Load(osClass);
        UploadSettings saved, back;
        UploadWipe wipe(back);
        // No section yet: whatever the record held, the defaults.
        CopyText(back.Server, "left over");
        back.Passive = false;
        LoadUpload(settings, back, osClass);
        EXPECT_STREQ(back.Server, "");
        EXPECT_TRUE(back.Passive);
        char* const savedTexts[] = {saved.Server, saved.User, saved.Password,
                                    saved.Dir,    saved.Port, saved.Service};
        {
            UploadWipe wipe(saved);
            for (size_t i = 0; i < std::size(savedTexts); ++i)
                FormatText(savedTexts[i], kTextChars, "text %d, C:\\x\\", static_cast<int>(i));
            saved.Passive = false;
            SaveUpload(settings, saved, osClass);
        }
        // The password was in the record: nothing of it stays there.
        EXPECT_EQ(std::string(reinterpret_cast<char*>(&saved), sizeof saved),
                  std::string(sizeof saved, '\0'));
        LoadUpload(settings, back, osClass);
        const char* const backTexts[] = {back.Server, back.User, back.Password,
                                         back.Dir,    back.Port, back.Service};
        for (size_t i = 0; i < std::size(backTexts); ++i)
            EXPECT_EQ(std::string(backTexts[i]), "text " + std::to_string(i) + ", C:\\x\\");
        EXPECT_FALSE(back.Passive);
    }
}

TEST(PasswordProtection, StoredFormFollowsTheSavingSystemAndLoadsEverywhere) {
    const struct {
        const char* password;
        OsVersionClass savedOn;
        const char* plainHex;  // the bytes and their zero byte
        bool blob;             // stored as a protection blob instead
    } cases[] = {
        {"", kOsWindows98, "00", false},
        {"old password", kOsWindows98, "6f6c642070617373776f726400", false},
        {"", kOsWindowsXp, "00", true},
        {"s3cret!", kOsWindowsXp, "7333637265742100", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.password) + " saved on " + std::to_string(c.savedOn));
        IniScratch dir;
        GrabSettings settings(false);
        settings.Load(kOsWindows98);
        UploadSettings upload;
        UploadWipe wipe(upload);
        CopyText(upload.Password, c.password);
        SaveUpload(settings, upload, c.savedOn);
        EXPECT_EQ(StoredPassword() == c.plainHex, !c.blob) << StoredPassword();
        // The plain form reads back everywhere, a blob from Windows 2000 on.
        for (OsVersionClass loadOn : {kOsWindows98, kOsWindowsXp}) {
            if (!c.blob || loadOn >= kOsWindows2000) {
                LoadUpload(settings, upload, loadOn);
                EXPECT_STREQ(upload.Password, c.password) << loadOn;
            }
        }
    }
}
