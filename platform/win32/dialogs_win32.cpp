// Message boxes and the screen.
#include <windows.h>

#include "platform/win32/ui_objects.h"
#include "platform/win32/wide.h"

namespace orvane::ui {

using namespace win32;

Answer message_box(Window owner, std::string_view t, std::string_view title, Buttons buttons) {
  WindowObject* o = object(owner);
  UINT type = MB_OK;
  switch (buttons) {
    case Buttons::Ok:
      break;
    case Buttons::YesNo:
      type = MB_YESNO;
      break;
    case Buttons::OkCancel:
      type = MB_OKCANCEL;
      break;
    case Buttons::YesNoCancel:
      type = MB_YESNOCANCEL;
      break;
  }
  const int r = MessageBoxW(o ? o->hwnd : nullptr, widen(t).c_str(), widen(title).c_str(),
                            type | MB_TOPMOST | MB_TASKMODAL | MB_SETFOREGROUND);
  switch (r) {
    case IDYES:
      return Answer::Yes;
    case IDNO:
      return Answer::No;
    case IDCANCEL:
      return Answer::Cancel;
    default:
      return Answer::Ok;
  }
}

ScreenInfo screen() {
  ScreenInfo s;
  s.width = GetSystemMetrics(SM_CXSCREEN);
  s.height = GetSystemMetrics(SM_CYSCREEN);
  RECT wa{0, 0, s.width, s.height};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &wa, 0);
  s.work_area = Rect{wa.left, wa.top, wa.right - wa.left, wa.bottom - wa.top};
  return s;
}

}  // namespace orvane::ui
