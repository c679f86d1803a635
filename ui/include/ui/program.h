// The program's start: the application object, its title and icon, the
// picture, and the main window.
#pragma once

#include <ostream>

#include "ui/embedded.h"
#include "ui/tapplication.h"

namespace veldamo::ui {

inline constexpr char kApplicationTitle[] = "VELDAMO";
inline constexpr char kDesktopFileName[] = "veldamo";

// Sets up `app` and creates the main window, hidden. If the picture does not
// load, writes why to `errors` and returns false.
bool StartVeldamo(TApplication& app, const ResourceBytes& resources, std::ostream& errors);

// StartVeldamo, then runs until the window closes. Returns the exit code:
// 0, or 1 if the program could not start. Needs a live QApplication.
int RunVeldamo(const ResourceBytes& resources, std::ostream& errors);

}  // namespace veldamo::ui
