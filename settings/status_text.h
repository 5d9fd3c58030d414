// The status text that the tray tooltip and the main window's title show:
// which hot key takes which kind of grab.
#pragma once

#include <string>

struct GrabSettings;

// "Window", "Client Area", ... or "Unknown" for a value outside the grab types.
std::string GrabTypeName(const GrabSettings& settings);

// "Use Win+F10 to take a Window screen grab", or the no-hot-key text. At most
// 255 characters, like the buffer the string table's format is written into.
std::string TooltipText(const GrabSettings& settings);

// The main window's title: the status text followed by the version suffix.
std::string WindowTitle(const GrabSettings& settings);
