#include "settings/upload_settings.h"

UploadSettings::UploadSettings()
    : Server{}, User{}, Password{}, Dir{}, Port{}, Service{}, Passive(true) {}
