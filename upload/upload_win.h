// FTP upload of stored grabs.
#pragma once

// Uploads the stored picture and its thumbnail (either path may be empty, or
// name no file) to the server of the INI file's Upload section, if one is set.
void UploadGrabFiles(const char* picturePath, const char* thumbnailPath);
