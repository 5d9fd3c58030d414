// The Upload section and the password's protection: CryptProtectData and
// CryptUnprotectData, bound at run time, from Windows 2000 on.
#include <windows.h>

#include <cstring>
#include <iterator>

#include "base/system_functions_win.h"
#include "base/text.h"
#include "settings/grab_settings.h"
#include "settings/upload_settings.h"

namespace {

constexpr char kUploadSection[] = "Upload";

// The blob can be opened only by the same Windows user, and never asks them
// anything: no description, no extra entropy, no prompt.
constexpr DWORD kProtectFlags = CRYPTPROTECT_UI_FORBIDDEN;

// Owns a blob the protection functions allocated: its bytes are overwritten
// before LocalFree hands them back, as they may be the plain password.
class ProtectedBlob {
public:
    ProtectedBlob() = default;
    ~ProtectedBlob() {
        if (blob_.pbData != nullptr) {
            SecureZeroMemory(blob_.pbData, blob_.cbData);
            LocalFree(blob_.pbData);
        }
    }
    ProtectedBlob(const ProtectedBlob&) = delete;
    ProtectedBlob& operator=(const ProtectedBlob&) = delete;

    DATA_BLOB* Out() { return &blob_; }
    const uint8_t* Bytes() const { return blob_.pbData; }
    size_t Size() const { return blob_.cbData; }
    bool HasData() const { return blob_.pbData != nullptr && blob_.cbData > 0; }

private:
    DATA_BLOB blob_ = {};
};

// The plain bytes of the password, its zero byte included.
int EncodePlain(const char* password, char (&hex)[kPasswordHexChars]) {
    size_t count = strlen(password) + 1;
    EncodeHex(reinterpret_cast<const uint8_t*>(password), count, hex, std::size(hex));
    return static_cast<int>(count);
}

}  // namespace

int ProtectPassword(const char* password, char (&hex)[kPasswordHexChars], OsVersionClass osClass) {
    // Every caller's password fits a 256-character field; a longer text is cut
    // there, so its plain form always fits the stored text.
    char plain[kTextChars] = "";
    CopyText(plain, password);
    hex[0] = '\0';
    int encoded = 0;
    auto protect = Crypt32Optional().CryptProtectData;
    if (osClass >= kOsWindows2000 && protect != nullptr) {
        DATA_BLOB in = {static_cast<DWORD>(strlen(plain) + 1), reinterpret_cast<BYTE*>(plain)};
        ProtectedBlob blob;
        if (protect(&in, nullptr, nullptr, nullptr, nullptr, kProtectFlags, blob.Out()) &&
            blob.HasData() && EncodeHex(blob.Bytes(), blob.Size(), hex, std::size(hex))) {
            encoded = static_cast<int>(blob.Size());
        }
        // A blob too long for the stored text would come back cut and unreadable:
        // the plain form below is stored instead.
    }
    if (encoded == 0) {
        encoded = EncodePlain(plain, hex);
    }
    SecureZeroMemory(plain, sizeof plain);
    return encoded;
}

int UnprotectPassword(const char* hex, char (&password)[kTextChars], OsVersionClass osClass) {
    uint8_t decoded[kPasswordBytes];
    size_t count = DecodeHex(hex, decoded, std::size(decoded));
    int used = static_cast<int>(count);
    bool opened = false;
    auto unprotect = Crypt32Optional().CryptUnprotectData;
    if (osClass >= kOsWindows2000 && unprotect != nullptr) {
        DATA_BLOB in = {static_cast<DWORD>(count), decoded};
        ProtectedBlob plain;
        if (unprotect(&in, nullptr, nullptr, nullptr, nullptr, kProtectFlags, plain.Out()) &&
            plain.HasData()) {
            BytesToText(plain.Bytes(), plain.Size(), password, std::size(password));
            used = static_cast<int>(plain.Size());
            opened = true;
        }
    }
    if (!opened) {
        // Stored in plain form (or a blob this user cannot open): the decoded
        // bytes are the password.
        BytesToText(decoded, count + 1, password, std::size(password));
    }
    SecureZeroMemory(decoded, sizeof decoded);
    return used;
}

void LoadUpload(GrabSettings& settings, UploadSettings& upload, OsVersionClass osClass) {
    upload = UploadSettings();
    ::IniFile& ini = settings.IniFile;
    ini.SetSection(kUploadSection);
    CopyText(upload.Server, ini.GetText("Server", upload.Server));
    CopyText(upload.User, ini.GetText("User", upload.User));
    CopyText(upload.Dir, ini.GetText("Dir", upload.Dir));
    CopyText(upload.Port, ini.GetText("Port", upload.Port));
    CopyText(upload.Service, ini.GetText("Service", upload.Service));
    upload.Passive = ini.GetBool("Passive", upload.Passive);
    char hex[kPasswordHexChars] = "";
    CopyText(hex, ini.GetText("Password", ""));
    IniFile::WipeText();
    UnprotectPassword(hex, upload.Password, osClass);
    SecureZeroMemory(hex, sizeof hex);
}

void SaveUpload(GrabSettings& settings, const UploadSettings& upload, OsVersionClass osClass) {
    ::IniFile& ini = settings.IniFile;
    ini.SetSection(kUploadSection);
    ini.PutText("Server", upload.Server);
    ini.PutText("User", upload.User);
    ini.PutText("Dir", upload.Dir);
    ini.PutText("Port", upload.Port);
    ini.PutText("Service", upload.Service);
    ini.PutBool("Passive", upload.Passive);
    char hex[kPasswordHexChars] = "";
    ProtectPassword(upload.Password, hex, osClass);
    ini.PutText("Password", hex);
    SecureZeroMemory(hex, sizeof hex);
}

void WipeUpload(UploadSettings& upload) {
    SecureZeroMemory(&upload, sizeof upload);
}
