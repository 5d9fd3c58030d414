#include "settings/ini_file.h"

#include "base/text.h"

const char* IniFile::OpenIn(const char* directory, const char* fileName) {
    CopyText(Directory, directory);
    FormatText(Path, "%s\\%s", Directory, fileName);
    return Path;
}

void IniFile::SetSection(const char* section) {
    CopyText(Section, section);
}
