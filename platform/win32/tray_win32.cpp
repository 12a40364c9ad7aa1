// Tray icons: one a window, added again when Explorer's taskbar comes back.
#include <windows.h>
// after windows.h
#include <shellapi.h>

#include <algorithm>
#include <iterator>

#include "platform/win32/ui_objects.h"
#include "platform/win32/wide.h"

namespace orvane::win32 {
namespace {

constexpr UINT kTrayId = 1;

HICON blank_icon(WindowObject* w) {
  if (!w->blank_icon) {
    BYTE and_mask[16 * 16 / 8];
    BYTE xor_mask[16 * 16 / 8] = {};
    std::fill(std::begin(and_mask), std::end(and_mask), BYTE{0xFF});
    w->blank_icon.reset(CreateIcon(instance(), 16, 16, 1, 1, and_mask, xor_mask));
  }
  return w->blank_icon.get();
}

HICON resource_icon(int id) {
  return static_cast<HICON>(LoadImageW(instance(), MAKEINTRESOURCEW(id), IMAGE_ICON, 16, 16, 0));
}

HICON icon_of(WindowObject* w) {
  static const Icon program(resource_icon(1)), search_box(resource_icon(2));
  switch (w->tray_icon) {
    case ui::Icon::Program:
      return program.get();
    case ui::Icon::SearchBox:
      return search_box.get();
    case ui::Icon::Blank:
      break;
  }
  return blank_icon(w);
}

}  // namespace

// Broadcast when Explorer (re)starts: its new taskbar knows no icons yet.
UINT taskbar_created_message() {
  static const UINT message = RegisterWindowMessageW(L"TaskbarCreated");
  return message;
}

bool notify_tray(WindowObject* w, DWORD action) {
  NOTIFYICONDATAW nid{};
  nid.cbSize = sizeof nid;
  nid.hWnd = w->hwnd;
  nid.uID = kTrayId;
  nid.uFlags = NIF_ICON | NIF_TIP | NIF_MESSAGE;
  nid.uCallbackMessage = kTrayMessage;
  nid.hIcon = icon_of(w);
  lstrcpynW(nid.szTip, widen(w->tray_tip).c_str(), static_cast<int>(std::size(nid.szTip)));
  return Shell_NotifyIconW(action, &nid) != FALSE;
}

void on_tray_message(WindowObject* w, LPARAM lp) {
  switch (LOWORD(lp)) {
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONUP:
    case WM_CONTEXTMENU:
      run(w->tray_event);
      if (w->tray_action) {
        const ui::TrayAction a = LOWORD(lp) == WM_LBUTTONUP       ? ui::TrayAction::LeftUp
                                 : LOWORD(lp) == WM_LBUTTONDBLCLK ? ui::TrayAction::LeftDoubleClick
                                 : LOWORD(lp) == WM_RBUTTONUP     ? ui::TrayAction::RightUp
                                                                  : ui::TrayAction::ContextMenu;
        auto h = w->tray_action;
        h(a);
      }
      break;
  }
}

}  // namespace orvane::win32

namespace orvane::ui {

using namespace win32;

// Without a taskbar (Explorer not yet running) the icon is added when the
// taskbar announces itself.
bool add_tray_icon(Window w, Icon icon, std::string_view tip) {
  WindowObject* r = object(w);
  if (!r) return false;
  r->tray_wanted = true;
  r->tray_icon = icon;
  r->tray_tip = tip;
  return notify_tray(r, NIM_ADD);
}

void modify_tray_icon(Window w, Icon icon, std::string_view tip) {
  WindowObject* r = object(w);
  if (!r || !r->tray_wanted) return;
  r->tray_icon = icon;
  r->tray_tip = tip;
  notify_tray(r, NIM_MODIFY);
}

void remove_tray_icon(Window w) {
  WindowObject* r = object(w);
  if (!r || !r->tray_wanted) return;
  NOTIFYICONDATAW nid{};
  nid.cbSize = sizeof nid;
  nid.hWnd = r->hwnd;
  nid.uID = kTrayId;
  Shell_NotifyIconW(NIM_DELETE, &nid);
  r->tray_wanted = false;
}

void on_tray_event(Window w, Handler h) {
  if (WindowObject* r = object(w)) r->tray_event = std::move(h);
}

void on_tray_action(Window w, std::function<void(TrayAction)> h) {
  if (WindowObject* r = object(w)) r->tray_action = std::move(h);
}

}  // namespace orvane::ui
