// The Upload section and the protected password against real files, with the
// data protection Wine provides. The OS class is passed in: this process
// cannot change the version its prefix reports while it runs.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "base/text.h"
#include "settings/grab_settings.h"
#include "settings/upload_settings.h"
#include "tests/win/ini_scratch.h"

namespace {

GrabSettings LoadedSettings() {
    GrabSettings s(false);
    s.Load(kOsWindows98);
    return s;
}

std::string StoredPassword(const IniScratch& dir) {
    char text[4096] = "";
    GetPrivateProfileStringA("Upload", "Password", "<none>", text, sizeof text,
                             dir.IniPath().c_str());
    return text;
}

bool AllZero(const UploadSettings& upload) {
    const unsigned char* bytes = reinterpret_cast<const unsigned char*>(&upload);
    for (size_t i = 0; i < sizeof upload; ++i) {
        if (bytes[i] != 0)
            return false;
    }
    return true;
}

void SavePassword(GrabSettings& settings, const char* password, OsVersionClass osClass) {
    UploadSettings upload;
    UploadWipe wipe(upload);
    CopyText(upload.Password, password);
    SaveUpload(settings, upload, osClass);
}

std::string LoadPassword(GrabSettings& settings, OsVersionClass osClass) {
    UploadSettings upload;
    UploadWipe wipe(upload);
    LoadUpload(settings, upload, osClass);
    return upload.Password;
}

}  // namespace

TEST(UploadSettingsFile, MissingSectionGivesDefaults) {
    IniScratch dir;
    GrabSettings settings = LoadedSettings();
    UploadSettings upload;
    CopyText(upload.Server, "left over");
    upload.Passive = false;
    LoadUpload(settings, upload, kOsWindowsXp);
    EXPECT_STREQ(upload.Server, "");
    EXPECT_STREQ(upload.Password, "");
    EXPECT_TRUE(upload.Passive);
    WipeUpload(upload);
}

TEST(UploadSettingsFile, RoundTripsEveryField) {
    for (OsVersionClass osClass : {kOsWindows98, kOsWindowsXp}) {
        IniScratch dir;
        GrabSettings settings = LoadedSettings();
        UploadSettings saved;
        CopyText(saved.Server, "ftp.example.org");
        CopyText(saved.User, "grabber");
        CopyText(saved.Password, "s3cret pass");
        CopyText(saved.Dir, "/incoming/shots");
        CopyText(saved.Port, "2121");
        CopyText(saved.Service, "ftp");
        saved.Passive = false;
        SaveUpload(settings, saved, osClass);

        UploadSettings back;
        LoadUpload(settings, back, osClass);
        EXPECT_STREQ(back.Server, saved.Server);
        EXPECT_STREQ(back.User, saved.User);
        EXPECT_STREQ(back.Password, saved.Password);
        EXPECT_STREQ(back.Dir, saved.Dir);
        EXPECT_STREQ(back.Port, saved.Port);
        EXPECT_STREQ(back.Service, saved.Service);
        EXPECT_FALSE(back.Passive);
        WipeUpload(saved);
        WipeUpload(back);
    }
}

TEST(UploadSettingsFile, RecordIsWipedWhenTheOperationEnds) {
    IniScratch dir;
    GrabSettings settings = LoadedSettings();
    UploadSettings upload;
    {
        UploadWipe wipe(upload);
        CopyText(upload.Server, "host");
        CopyText(upload.Password, "hunter2");
        SaveUpload(settings, upload, kOsWindowsXp);
    }
    EXPECT_TRUE(AllZero(upload)) << "after save";
    {
        UploadWipe wipe(upload);
        LoadUpload(settings, upload, kOsWindowsXp);
        EXPECT_STREQ(upload.Password, "hunter2");
    }
    EXPECT_TRUE(AllZero(upload)) << "after load";
}

TEST(PasswordProtection, StoredFormFollowsTheSavingSystemAndLoadsEverywhere) {
    const struct {
        const char* password;
        OsVersionClass savedOn;
        const char* stored;  // nullptr: a protection blob, not the plain hex
    } cases[] = {
        {"", kOsWindows98, "00"},
        {"", kOsWindowsXp, nullptr},
        {"old password", kOsWindows98, "6f6c642070617373776f726400"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.password) + " saved on " + std::to_string(c.savedOn));
        IniScratch dir;
        GrabSettings settings = LoadedSettings();
        SavePassword(settings, c.password, c.savedOn);
        if (c.stored != nullptr) {
            EXPECT_EQ(StoredPassword(dir), c.stored);
            EXPECT_EQ(LoadPassword(settings, kOsWindows98), c.password);
        } else {
            EXPECT_NE(StoredPassword(dir), "00");
        }
        EXPECT_EQ(LoadPassword(settings, kOsWindowsXp), c.password);
    }
}

TEST(PasswordProtection, PlainFormBelowWindows2000) {
    char hex[kPasswordHexChars];
    EXPECT_EQ(ProtectPassword("abc", hex, kOsWindowsMe), 4);
    EXPECT_STREQ(hex, "61626300");
    char password[kTextChars];
    EXPECT_EQ(UnprotectPassword("61626300", password, kOsWindowsMe), 4);
    EXPECT_STREQ(password, "abc");
}

TEST(PasswordProtection, BlobOnXpDiffersEachSaveAndLoadsBack) {
    IniScratch dir;
    GrabSettings settings = LoadedSettings();
    const char password[] = "s3cret!";
    SavePassword(settings, password, kOsWindowsXp);
    std::string first = StoredPassword(dir);
    EXPECT_EQ(LoadPassword(settings, kOsWindowsXp), password);
    SavePassword(settings, password, kOsWindowsXp);
    std::string second = StoredPassword(dir);
    EXPECT_EQ(LoadPassword(settings, kOsWindowsXp), password);

    const std::string plainHex =
        "73336372657421"
        "00";
    EXPECT_NE(first, plainHex);
    EXPECT_GT(first.size(), plainHex.size()) << "a protection blob is longer than the plain bytes";
    EXPECT_EQ(first.find_first_not_of("0123456789abcdef"), std::string::npos) << first;
    EXPECT_NE(first, second) << "every blob is new";

    // Neither the password nor its plain hex form is anywhere in the file.
    std::string bytes = dir.ReadIni();
    EXPECT_EQ(bytes.find(password), std::string::npos);
    EXPECT_EQ(bytes.find("7333637265742100"), std::string::npos);

    char hex[kPasswordHexChars];
    EXPECT_GT(ProtectPassword(password, hex, kOsWindowsXp), 8);
}

TEST(PasswordProtection, HandEditedStoredTexts) {
    const struct {
        const char* stored;
        const char* password;
    } cases[] = {
        {"6162630", "abc"},  // an odd last digit is ignored
        {"616263", "abc"},   // no zero byte: one is always added
        {"41zz42", "A"},     // a pair that is not hex decodes to 0, which ends the text
        {"4a4B00", "JK"},    // upper-case digits read as hex
        {"zz", ""},         {"", ""},
    };
    for (OsVersionClass osClass : {kOsWindows98, kOsWindowsXp}) {
        for (const auto& c : cases) {
            IniScratch dir;
            dir.WriteIni(std::string("[Upload]\r\nPassword=") + c.stored + "\r\n");
            GrabSettings settings = LoadedSettings();
            EXPECT_EQ(LoadPassword(settings, osClass), c.password) << c.stored << " " << osClass;
        }
    }
}

TEST(PasswordProtection, LongStoredTextStaysInItsBuffers) {
    for (OsVersionClass osClass : {kOsWindows98, kOsWindowsXp}) {
        IniScratch dir;
        dir.WriteIni("[Upload]\r\nPassword=" + std::string(5000, '4') +
                     "\r\nServer=" + std::string(5000, 's') + "\r\n");
        GrabSettings settings = LoadedSettings();
        UploadSettings upload;
        UploadWipe wipe(upload);
        LoadUpload(settings, upload, osClass);
        EXPECT_EQ(std::string(upload.Password), std::string(kTextChars - 1, 'D'));
        EXPECT_EQ(std::string(upload.Server), std::string(kTextChars - 1, 's'));
    }
}
