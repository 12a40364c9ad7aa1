// Timers: the id of a window's timer is its design number + 1.
#include <windows.h>

#include "platform/win32/ui_objects.h"

namespace orvane::win32 {

void kill_timers(WindowObject* w) {
  for (std::size_t i = 0; i < w->timers.size(); ++i)
    if (w->timers[i].period > 0) KillTimer(w->hwnd, i + 1);
}

void on_timer(WindowObject* w, WPARAM id) {
  if (id >= 1 && id <= w->timers.size()) run(w->timers[id - 1].tick);
}

}  // namespace orvane::win32

namespace orvane::ui {

using namespace win32;

void set_period(Timer t, int ms) {
  TimerRec* r = record(t);
  if (!r) return;
  HWND owner = object(Window{t.window})->hwnd;
  const auto id = static_cast<UINT_PTR>(t.id + 1);
  r->period = ms > 0 ? ms : 0;
  if (ms > 0)
    SetTimer(owner, id, static_cast<UINT>(ms), nullptr);
  else
    KillTimer(owner, id);
}

int period(Timer t) {
  TimerRec* r = record(t);
  return r ? r->period : 0;
}

void on_tick(Timer t, Handler h) {
  if (TimerRec* r = record(t)) r->tick = std::move(h);
}

}  // namespace orvane::ui
