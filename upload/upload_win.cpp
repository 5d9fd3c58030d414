// The upload after a grab stored to a file: one WinINet FTP session per file.
#include "upload/upload_win.h"

#include <windows.h>

#include <cstdlib>

#include "base/limits.h"
#include "base/os_version_win.h"
#include "settings/upload_settings.h"
#include "upload/remote_name.h"
#include "upload/wininet_functions_win.h"

namespace {

constexpr INTERNET_PORT kFtpPort = 21;  // always, whatever the Upload section's Port says

// How long WinINet waits to connect, and for each send and reply, before it
// gives up. The upload runs on the only thread, so a server that stalls would
// otherwise leave the program deaf to the hot key and the tray for as long as
// the system's own limit allows.
constexpr DWORD kTimeoutMs = 30000;

void SetTimeouts(const WinInetFunctions& winInet, HINTERNET internet) {
    for (DWORD option : {INTERNET_OPTION_CONNECT_TIMEOUT, INTERNET_OPTION_SEND_TIMEOUT,
                         INTERNET_OPTION_RECEIVE_TIMEOUT, INTERNET_OPTION_DATA_SEND_TIMEOUT,
                         INTERNET_OPTION_DATA_RECEIVE_TIMEOUT}) {
        DWORD timeout = kTimeoutMs;
        winInet.InternetSetOptionA(internet, option, &timeout, sizeof timeout);
    }
}

bool FileExists(const char* path) {
    const DWORD attributes = GetFileAttributesA(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

}  // namespace

uint32_t UploadFile(const char* localPath, bool passive, const char* server, const char* user,
                    const char* password, const char* dir) {
    const WinInetFunctions& winInet = WinInet();
    if (!winInet.Available()) {
        return kUploadNoInternet;
    }
    InternetHandle internet(
        winInet.InternetOpenA(nullptr, INTERNET_OPEN_TYPE_DIRECT, nullptr, nullptr, 0));
    if (!internet) {
        return kUploadNoInternet;
    }
    SetTimeouts(winInet, internet.Get());
    // Declared after the internet handle, so it is closed first.
    InternetHandle connection(winInet.InternetConnectA(internet.Get(), server, kFtpPort, user,
                                                       password, INTERNET_SERVICE_FTP,
                                                       passive ? INTERNET_FLAG_PASSIVE : 0, 0));
    if (!connection) {
        return kUploadNoConnection;
    }
    // Only the file name and extension travel; the local folder plays no part.
    char drive[_MAX_DRIVE];
    char folder[_MAX_DIR];
    char fileName[_MAX_FNAME];
    char extension[_MAX_EXT];
    _splitpath(localPath, drive, folder, fileName, extension);
    char remote[kPathChars];
    if (!BuildRemoteName(dir, fileName, extension, remote)) {
        return kUploadPutFailed;
    }
    const BOOL put =
        winInet.FtpPutFileA(connection.Get(), localPath, remote, FTP_TRANSFER_TYPE_BINARY, 0);
    return put ? kUploadDone : kUploadPutFailed;
}

void UploadGrabFiles(GrabSettings& settings, const char* picturePath, const char* thumbnailPath) {
    UploadSettings upload;
    UploadWipe wipe(upload);
    LoadUpload(settings, upload, GetOsVersionClass());
    if (upload.Server[0] == '\0') {
        return;
    }
    for (const char* path : {picturePath, thumbnailPath}) {
        if (path[0] != '\0' && FileExists(path)) {
            UploadFile(path, upload.Passive, upload.Server, upload.User, upload.Password,
                       upload.Dir);
        }
    }
}
