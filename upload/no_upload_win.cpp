// FTP upload is not built yet: until it is, stored grabs stay on this machine
// and the Upload section of the INI file is not read.
#include "upload/upload_win.h"

void UploadGrabFiles(const char*, const char*) {}
