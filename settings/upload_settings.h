// UploadSettings: the FTP options of the Upload section, read on demand into a
// short-lived record and wiped as soon as it has served, because it holds the
// password in plain text.
//
// The password is stored as hex text. From Windows 2000 on (osClass 6) the
// bytes are a blob made by the system's data protection for the current user;
// before that, or when protection fails, they are the plain password and its
// zero byte. Reading falls back to the plain bytes whenever a blob cannot be
// opened, so a password saved on Windows 98 still reads on XP.
#pragma once

#include <cstdint>

#include "base/os_version_class.h"
#include "settings/ini_file.h"
#include "settings/password_hex.h"

struct GrabSettings;

struct UploadSettings {
    UploadSettings();

    char Server[kTextChars];
    char User[kTextChars];
    char Password[kTextChars];  // plain, in memory only
    char Dir[kTextChars];
    char Port[kTextChars];     // kept and stored; the upload always uses port 21
    char Service[kTextChars];  // kept and stored; the upload always uses FTP
    bool Passive;
};

// Fills upload from the Upload section of the file settings carries.
void LoadUpload(GrabSettings& settings, UploadSettings& upload, OsVersionClass osClass);
// Writes upload to the Upload section, the password in its stored form.
void SaveUpload(GrabSettings& settings, const UploadSettings& upload, OsVersionClass osClass);

// The password's stored form into hex; returns the number of bytes encoded.
int ProtectPassword(const char* password, char (&hex)[kPasswordHexChars], OsVersionClass osClass);
// The stored form back into the password; returns the number of bytes used.
int UnprotectPassword(const char* hex, char (&password)[kTextChars], OsVersionClass osClass);

// Sets every byte of the record to zero in a way the compiler cannot drop.
void WipeUpload(UploadSettings& upload);

// Wipes the record it watches when the scope of the operation that needed it
// ends, whichever way it ends.
class UploadWipe {
public:
    explicit UploadWipe(UploadSettings& upload) : upload_(upload) {}
    ~UploadWipe() { WipeUpload(upload_); }
    UploadWipe(const UploadWipe&) = delete;
    UploadWipe& operator=(const UploadWipe&) = delete;

private:
    UploadSettings& upload_;
};
