#include "settings/status_text.h"

#include "base/text.h"
#include "resources/texts.h"
#include "settings/grab_settings.h"
#include "settings/hot_key_text.h"

std::string GrabTypeName(const GrabSettings& settings) {
    switch (static_cast<GrabType>(settings.Properties.SnapType)) {
        case GrabType::Control:
            return TEXT_TYPE_CONTROL;
        case GrabType::ClientArea:
            return TEXT_TYPE_CLIENT_AREA;
        case GrabType::Window:
            return TEXT_TYPE_WINDOW;
        case GrabType::Desktop:
            return TEXT_TYPE_DESKTOP;
        case GrabType::VirtualScreen:
            return TEXT_TYPE_VIRTUAL_SCREEN;
        case GrabType::RectangularArea:
            return TEXT_TYPE_RECTANGULAR_AREA;
    }
    return TEXT_TYPE_UNKNOWN;
}

std::string TooltipText(const GrabSettings& settings) {
    if (settings.Properties.HotKey == kNoHotKey) {
        return TEXT_NO_HOTKEY_STATUS;
    }
    char status[kTextChars];
    FormatText(status, TEXT_STATUS_FORMAT, HotKeyText(settings).c_str(),
               GrabTypeName(settings).c_str());
    return status;
}

std::string WindowTitle(const GrabSettings& settings) {
    char title[kPathChars];
    CopyText(title, TooltipText(settings).c_str());
    AppendText(title, TEXT_TITLE_SUFFIX);
    return title;
}
