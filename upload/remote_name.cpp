#include "upload/remote_name.h"

#include "base/text.h"

bool BuildRemoteName(const char* dir, const char* fileName, const char* extension,
                     char (&remote)[kPathChars]) {
    const bool whole = CopyText(remote, dir) && AppendText(remote, "/") &&
                       AppendText(remote, fileName) && AppendText(remote, extension);
    if (!whole) {
        remote[0] = '\0';
    }
    return whole;
}
