// FTP upload of stored grabs.
#pragma once

#include <cstdint>

struct GrabSettings;

// Results of UploadFile.
enum UploadResult : uint32_t {
    kUploadDone = 0,
    kUploadNoInternet = 1,    // no internet handle (or no wininet.dll)
    kUploadNoConnection = 2,  // the server could not be reached or refused the login
    kUploadPutFailed = 3,     // the transfer failed, or the remote name did not fit
};

// Puts one local file on the FTP server (port 21) as dir + "/" + its file
// name, in binary mode, in passive mode when asked. Each call logs in anew and
// closes what it opened; nothing is shown.
uint32_t UploadFile(const char* localPath, bool passive, const char* server, const char* user,
                    const char* password, const char* dir);

// Uploads the stored picture and then its thumbnail, each only if the file
// exists (an empty path names none), to the server of the Upload section of
// the settings' INI file, if one is set. The upload settings, password
// included, are wiped before it returns.
void UploadGrabFiles(GrabSettings& settings, const char* picturePath, const char* thumbnailPath);
