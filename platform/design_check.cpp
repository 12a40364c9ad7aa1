// The checks every window design passes at load, the same for both backends.
#include <set>
#include <string>

#include "platform/ui.h"

namespace orvane::ui {

std::string design_fault(const WindowDesign& design) {
  const std::string where = std::string("window design \"") + design.name + "\": ";
  for (std::size_t i = 0; i < design.controls.size(); ++i) {
    const ControlDesign& c = design.controls[i];
    if (c.id != static_cast<int>(i)) return where + "control \"" + c.name + "\" is out of order";
    if (c.container == kNoContainer) continue;
    if (c.container < 0 || c.container >= c.id)
      return where + "control \"" + c.name + "\" lies in no earlier box";
    const Kind holder = design.controls[static_cast<std::size_t>(c.container)].kind;
    if (holder != Kind::ShapeBox && holder != Kind::GroupBox)
      return where + "control \"" + c.name + "\" lies in no earlier box";
  }
  for (std::size_t i = 0; i < design.timers.size(); ++i)
    if (design.timers[i].id != static_cast<int>(i))
      return where + "timer \"" + design.timers[i].name + "\" is out of order";
  for (std::size_t m = 0; m < design.menus.size(); ++m) {
    const MenuDesign& menu = design.menus[m];
    std::set<int> commands;  // two menus may offer the same command
    if (menu.id != static_cast<int>(m)) return where + "menu \"" + menu.name + "\" is out of order";
    for (std::size_t i = 0; i < menu.items.size(); ++i) {
      const MenuItemDesign& it = menu.items[i];
      const bool head = i + 1 < menu.items.size() && menu.items[i + 1].level > it.level;
      if ((it.flags & kSeparator) || head) {
        if (it.command != 0) return where + "menu item \"" + it.text + "\" cannot carry a command";
      } else if (it.command < kFirstCommand || !commands.insert(it.command).second) {
        return where + "menu item \"" + it.text + "\" has no command of its own";
      }
    }
  }
  return {};
}

}  // namespace orvane::ui
