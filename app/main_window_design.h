// The window designs of the main window, its panes and its menus.
#pragma once

#include "platform/ui.h"

namespace orvane::app {

extern const ui::WindowDesign kMainWindowDesign;
extern const ui::MenuDesign kMoreMenuDesign;
extern const ui::MenuDesign kTrayMenuDesign;

}  // namespace orvane::app
