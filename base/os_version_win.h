// The operating system's class (see os_version_class.h), queried once.
#pragma once

#include "base/os_version_class.h"

OsVersionClass GetOsVersionClass();
