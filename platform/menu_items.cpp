#include "platform/menu_items.h"

namespace orvane::ui {

MenuItems menu_items(const MenuDesign& design) {
  MenuItems items;
  for (const MenuItemDesign& d : design.items)
    items.push_back(MenuItemState{d.level, d.command, d.text, d.flags});
  return items;
}

MenuItemState* find_menu_item(MenuItems& items, int command) {
  if (command == 0) return nullptr;  // separators and submenu heads
  for (MenuItemState& it : items)
    if (it.command == command) return &it;
  return nullptr;
}

void set_item_flag(MenuItemState& item, unsigned flag, bool on) {
  item.flags = on ? (item.flags | flag) : (item.flags & ~flag);
}

bool show_item_with_separator(MenuItems& items, int command, bool visible) {
  MenuItemState* it = find_menu_item(items, command);
  if (!it) return false;
  set_item_flag(*it, kItemHidden, !visible);
  if (it + 1 != items.data() + items.size() && (it[1].flags & kSeparator))
    set_item_flag(it[1], kItemHidden, !visible);
  return true;
}

}  // namespace orvane::ui
