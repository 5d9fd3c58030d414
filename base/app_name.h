// The program's name towards the system: the name of its guard mutex and of
// its main window's class, by which a second copy and the settings dialog's
// Unload button find the main window.
#pragma once

constexpr char kAppName[] = "PixelnookClass";
