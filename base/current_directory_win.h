// The current directory as one whole path.
#pragma once

#include "base/limits.h"

// False, with the path left empty, when the directory cannot be read or does
// not fit: a cut path would name another folder. (Wine answers nothing for a
// directory longer than MAX_PATH; Windows gives the size it would need.)
bool ReadCurrentDirectory(char (&path)[kPathChars]);
