// The state of a window's pop-up menus, kept the same way by both backends:
// the design's items with the check marks, visibility and texts the program
// gives them. A backend only shows it.
#pragma once

#include <string>
#include <vector>

#include "platform/ui.h"

namespace orvane::ui {

struct MenuItemState {
  int level;
  int command;
  std::string text;
  unsigned flags;
};
using MenuItems = std::vector<MenuItemState>;

MenuItems menu_items(const MenuDesign& design);
// The item that carries the command; nullptr when none does.
MenuItemState* find_menu_item(MenuItems& items, int command);
void set_item_flag(MenuItemState& item, unsigned flag, bool on);
// The item and the separator right after it; false when no item carries the command.
bool show_item_with_separator(MenuItems& items, int command, bool visible);

}  // namespace orvane::ui
