// The name a stored file gets on the FTP server: the remote directory, "/",
// and the local file name with its extension. The local folder plays no part.
#pragma once

#include "base/limits.h"

// Builds dir + "/" + fileName + extension into remote. An empty dir puts the
// file in the server's root; a dir ending in "/" gives a doubled slash, which
// servers take as one. Returns false, leaving remote empty, when the whole
// name does not fit: a cut name would store the file under a wrong name.
bool BuildRemoteName(const char* dir, const char* fileName, const char* extension,
                     char (&remote)[kPathChars]);
