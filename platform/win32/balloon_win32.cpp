// Balloon tips at a screen point: a tracking tooltip owned by the window, so
// it goes with the window; a click on it or the next balloon takes it away.
#include <windows.h>
// after windows.h
#include <commctrl.h>

#include <string>

#include "platform/win32/ui_objects.h"
#include "platform/win32/wide.h"

namespace orvane::ui {
namespace {

HWND g_balloon = nullptr;

LRESULT CALLBACK balloon_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR) {
  if (msg == WM_LBUTTONDOWN) {
    DestroyWindow(hwnd);
    return 0;
  }
  if (msg == WM_NCDESTROY) {
    RemoveWindowSubclass(hwnd, balloon_proc, 0);
    if (g_balloon == hwnd) g_balloon = nullptr;
  }
  return DefSubclassProc(hwnd, msg, wp, lp);
}

}  // namespace

void show_balloon(Window w, Point at, std::string_view text) {
  win32::WindowObject* owner = win32::object(w);
  if (!owner) return;
  if (g_balloon) DestroyWindow(g_balloon);
  HWND tip =
      CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                      WS_POPUP | TTS_BALLOON | TTS_NOPREFIX | TTS_ALWAYSTIP, CW_USEDEFAULT, CW_USEDEFAULT,
                      CW_USEDEFAULT, CW_USEDEFAULT, owner->hwnd, nullptr, win32::instance(), nullptr);
  if (!tip) return;
  g_balloon = tip;
  SetWindowSubclass(tip, balloon_proc, 0, 0);
  std::wstring wide = win32::widen(text);
  TOOLINFOW tool{};
  tool.cbSize = sizeof tool;
  tool.uFlags = TTF_TRACK | TTF_ABSOLUTE;
  tool.hwnd = owner->hwnd;
  tool.uId = 1;
  tool.lpszText = wide.data();
  SendMessageW(tip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  SendMessageW(tip, TTM_SETMAXTIPWIDTH, 0, 400);
  SendMessageW(tip, TTM_TRACKPOSITION, 0, MAKELPARAM(at.x, at.y));
  SendMessageW(tip, TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&tool));
}

}  // namespace orvane::ui
