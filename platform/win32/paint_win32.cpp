// Painting of the program's own control classes and of drawn controls.
#include <windows.h>

#include "platform/win32/ui_objects.h"
#include "platform/win32/wide.h"

namespace orvane::win32 {
namespace {

COLORREF colour(ui::Colour c) { return RGB(c.r, c.g, c.b); }

void play(HDC dc, const ui::Canvas& canvas) {
  for (const ui::DrawStep& s : canvas.steps()) {
    RECT rc{s.rect.left, s.rect.top, s.rect.left + s.rect.width, s.rect.top + s.rect.height};
    switch (s.op) {
      case ui::DrawStep::Op::Fill: {
        Brush b(CreateSolidBrush(colour(s.colour)));
        FillRect(dc, &rc, b.get());
        break;
      }
      case ui::DrawStep::Op::Frame: {
        Brush b(CreateSolidBrush(colour(s.colour)));
        FrameRect(dc, &rc, b.get());
        break;
      }
      case ui::DrawStep::Op::Line: {
        Pen pen(CreatePen(PS_SOLID, 1, colour(s.colour)));
        HGDIOBJ old = SelectObject(dc, pen.get());
        MoveToEx(dc, rc.left, rc.top, nullptr);
        LineTo(dc, rc.right, rc.bottom);
        SelectObject(dc, old);
        break;
      }
      case ui::DrawStep::Op::Text: {
        Font font(make_font(L"Tahoma", s.points, s.bold));
        HGDIOBJ old = SelectObject(dc, font.get());
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, colour(s.colour));
        const std::wstring t = widen(s.text);
        const UINT align = s.align == ui::Align::Centre  ? DT_CENTER
                           : s.align == ui::Align::Right ? DT_RIGHT
                                                         : DT_LEFT;
        DrawTextW(dc, t.c_str(), static_cast<int>(t.size()), &rc,
                  align | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
        SelectObject(dc, old);
        break;
      }
    }
  }
}

}  // namespace

void paint_label(HWND hwnd, const ControlRec* r) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd, &ps);
  RECT rc;
  GetClientRect(hwnd, &rc);
  const bool strip = r && (r->flags & ui::kRaised);
  const bool coloured = r && r->background;
  if (coloured) {
    Brush b(CreateSolidBrush(*r->background));
    FillRect(dc, &rc, b.get());
  } else {
    FillRect(dc, &rc, GetSysColorBrush(strip ? COLOR_ACTIVECAPTION : COLOR_BTNFACE));
  }
  if (r && r->kind == ui::Kind::PictureBox) FrameRect(dc, &rc, GetSysColorBrush(COLOR_BTNSHADOW));
  const std::wstring text = widen(window_text(hwnd));
  HGDIOBJ old = SelectObject(dc, r && r->font ? r->font.get() : gui_font());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, coloured ? RGB(255, 255, 255) : GetSysColor(strip ? COLOR_CAPTIONTEXT : COLOR_BTNTEXT));
  const UINT align = (r && (r->flags & ui::kCentred)) ? DT_CENTER : DT_LEFT;
  if (strip) rc.left += 4;
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &rc,
            align | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  SelectObject(dc, old);
  EndPaint(hwnd, &ps);
}

void paint_shape(HWND hwnd, const ControlRec* r) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd, &ps);
  RECT rc;
  GetClientRect(hwnd, &rc);
  FillRect(dc, &rc, GetSysColorBrush(COLOR_BTNFACE));
  const int w = (r && (r->flags & ui::kFrameWide)) ? 2 : 1;
  for (int i = 0; i < w; ++i) {
    FrameRect(dc, &rc, GetSysColorBrush(COLOR_BTNSHADOW));
    InflateRect(&rc, -1, -1);
  }
  EndPaint(hwnd, &ps);
}

void draw_picture(const DRAWITEMSTRUCT* di, const ControlRec* r) {
  HDC dc = di->hDC;
  RECT rc = di->rcItem;
  const bool down = (di->itemState & ODS_SELECTED) != 0;
  FillRect(dc, &rc, GetSysColorBrush(COLOR_BTNFACE));
  DrawEdge(dc, &rc, down ? EDGE_SUNKEN : BDR_RAISEDINNER, BF_RECT);
  Pen pen(CreatePen(PS_SOLID, 1, GetSysColor(COLOR_BTNTEXT)));
  HGDIOBJ old = SelectObject(dc, pen.get());
  const int cx = (rc.left + rc.right) / 2 + (down ? 1 : 0), cy = (rc.top + rc.bottom) / 2 + (down ? 1 : 0);
  switch (r ? r->picture : ui::Picture::None) {
    case ui::Picture::More:  // a small triangle pointing down
      for (int i = 0; i < 4; ++i) {
        MoveToEx(dc, cx - 3 + i, cy - 2 + i, nullptr);
        LineTo(dc, cx + 4 - i, cy - 2 + i);
      }
      break;
    case ui::Picture::Minimise:
      MoveToEx(dc, cx - 4, cy + 3, nullptr);
      LineTo(dc, cx + 4, cy + 3);
      MoveToEx(dc, cx - 4, cy + 2, nullptr);
      LineTo(dc, cx + 4, cy + 2);
      break;
    case ui::Picture::Close:
      for (int d = 0; d < 2; ++d) {
        MoveToEx(dc, cx - 4 + d, cy - 4, nullptr);
        LineTo(dc, cx + 4 + d, cy + 4);
        MoveToEx(dc, cx + 3 + d, cy - 4, nullptr);
        LineTo(dc, cx - 5 + d, cy + 4);
      }
      break;
    case ui::Picture::None:
      break;
  }
  SelectObject(dc, old);
}

void paint_custom(HWND hwnd, ControlRec* r) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd, &ps);
  RECT rc;
  GetClientRect(hwnd, &rc);
  const int w = rc.right, h = rc.bottom;
  if (w > 0 && h > 0) {
    MemoryDc mem(CreateCompatibleDC(dc));
    Bitmap bitmap(CreateCompatibleBitmap(dc, w, h));
    HGDIOBJ old = SelectObject(mem.get(), bitmap.get());
    FillRect(mem.get(), &rc, GetSysColorBrush(COLOR_WINDOW));
    ui::Canvas canvas(w, h);
    if (r && r->paint) r->paint(canvas);
    play(mem.get(), canvas);
    BitBlt(dc, 0, 0, w, h, mem.get(), 0, 0, SRCCOPY);
    SelectObject(mem.get(), old);
  }
  EndPaint(hwnd, &ps);
}

}  // namespace orvane::win32
