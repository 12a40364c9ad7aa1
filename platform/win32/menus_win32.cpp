// Pop-up menus: items known by command numbers, built afresh at each pop-up.
#include <windows.h>

#include "platform/win32/ui_objects.h"
#include "platform/win32/wide.h"

namespace orvane::win32 {
namespace {

ui::MenuItemState* find_item(ui::Menu m, int command) {
  MenuRec* menu = record(m);
  return menu ? ui::find_menu_item(menu->items, command) : nullptr;
}

// The Win32 menu of the items from index i at the given level.
HMENU build_menu(const ui::MenuItems& items, std::size_t& i, int level) {
  HMENU menu = CreatePopupMenu();
  while (i < items.size() && items[i].level >= level) {
    const ui::MenuItemState& it = items[i];
    ++i;
    const bool has_sub = i < items.size() && items[i].level > it.level;
    if (has_sub) {
      HMENU sub = build_menu(items, i, it.level + 1);
      if (!(it.flags & ui::kItemHidden))
        AppendMenuW(menu, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(sub), widen(it.text).c_str());
      else
        DestroyMenu(sub);
    } else if (it.flags & ui::kItemHidden) {
      continue;
    } else if (it.flags & ui::kSeparator) {
      AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    } else {
      AppendMenuW(menu, MF_STRING | ((it.flags & ui::kItemChecked) ? MF_CHECKED : 0),
                  static_cast<UINT_PTR>(it.command), widen(it.text).c_str());
    }
  }
  return menu;
}

}  // namespace
}  // namespace orvane::win32

namespace orvane::ui {

using namespace win32;

void on_command(Window w, int command, Handler h) {
  if (WindowObject* r = object(w)) r->commands[command] = std::move(h);
}

void set_menu_checked(Menu m, int command, bool on) {
  if (MenuItemState* it = find_item(m, command)) set_item_flag(*it, kItemChecked, on);
}

bool is_menu_checked(Menu m, int command) {
  MenuItemState* it = find_item(m, command);
  return it && (it->flags & kItemChecked);
}

void show_menu_item(Menu m, int command, bool visible) {
  if (MenuItemState* it = find_item(m, command)) set_item_flag(*it, kItemHidden, !visible);
}

void show_menu_item_with_separator(Menu m, int command, bool visible) {
  if (MenuRec* menu = record(m)) show_item_with_separator(menu->items, command, visible);
}

void set_menu_text(Menu m, int command, std::string_view text) {
  if (MenuItemState* it = find_item(m, command)) it->text = text;
}

void pop_up_menu(Menu m, Point at) {
  MenuRec* menu = record(m);
  if (!menu) return;
  HWND owner = object(Window{m.window})->hwnd;
  std::size_t i = 0;
  MenuHandle popup(build_menu(menu->items, i, 0));
  SetForegroundWindow(owner);
  const int chosen = TrackPopupMenu(popup.get(), TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY, at.x, at.y,
                                    0, owner, nullptr);
  PostMessageW(owner, WM_NULL, 0, 0);
  // The same road as a posted WM_COMMAND: the window's handler of the command.
  if (chosen != 0) SendMessageW(owner, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(chosen), 0), 0);
}

Point cursor_position() {
  POINT p{};
  GetCursorPos(&p);
  return Point{p.x, p.y};
}

}  // namespace orvane::ui
