// One handler per window message of a form's window.
#include "ui/win32/FormWindow.h"

#include <windowsx.h>

#include <algorithm>
#include <exception>
#include <string>

namespace tarnix::ui {

namespace {
std::wstring& FatalErrorText() {
  static std::wstring text;
  return text;
}
}  // namespace

void SetFatalErrorText(std::wstring text) { FatalErrorText() = std::move(text); }

void EndOnFatalError(const char* what) {
  std::wstring text = FatalErrorText() + L"\r\n\r\n";
  for (const char* p = what ? what : "unknown error"; *p; ++p) text += wchar_t(static_cast<unsigned char>(*p));
  MessageBoxW(nullptr, text.c_str(), L"Tarnix", MB_OK | MB_ICONERROR | MB_TASKMODAL);
  ExitProcess(3);
}

namespace {

#ifndef WM_MOUSEHWHEEL
constexpr UINT WM_MOUSEHWHEEL = 0x020E;  // Vista's sideways wheel; the headers for XP lack it
#endif

int ShiftState() {
  return (GetKeyState(VK_SHIFT) < 0 ? 1 : 0) | (GetKeyState(VK_CONTROL) < 0 ? 2 : 0) |
         (GetKeyState(VK_MENU) < 0 ? 4 : 0);
}

int ButtonState(WPARAM wp) {
  return ((wp & MK_LBUTTON) ? 1 : 0) | ((wp & MK_RBUTTON) ? 2 : 0) | ((wp & MK_MBUTTON) ? 4 : 0);
}

}  // namespace

LRESULT CALLBACK FormWindow::Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_NCCREATE) {
    auto* w = static_cast<FormWindow*>(reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams);
    w->hwnd = hwnd;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(w));
  }
  auto* w = reinterpret_cast<FormWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (msg == WM_NCCREATE || !w) return DefWindowProcW(hwnd, msg, wp, lp);
  // An exception must never unwind through the system's frames.
  try {
    return w->Handle(msg, wp, lp);
  } catch (const std::exception& e) {
    EndOnFatalError(e.what());
  } catch (...) {
    EndOnFatalError(nullptr);
  }
  return 0;
}

LRESULT FormWindow::Handle(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: OnPaint(); return 0;
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP: OnMouse(msg, wp, lp); return 0;
    case WM_XBUTTONDOWN:
    case WM_XBUTTONUP: OnMouse(msg, wp, lp); return TRUE;  // as the extra buttons' messages want
    case WM_MOUSEWHEEL:
    case WM_MOUSEHWHEEL: form.Form_MouseWheel(GET_WHEEL_DELTA_WPARAM(wp)); return 0;
    case WM_CHAR: {
      int key = int(wp);
      form.Form_KeyPress(key);
      return 0;
    }
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      form.Form_KeyDown(int(wp), ShiftState());
      return DefWindowProcW(hwnd, msg, wp, lp);
    case WM_ACTIVATEAPP:
      if (!wp) form.Form_AppDeactivate();
      return 0;
    case WM_COMMAND: OnCommand(wp); return 0;
    case WM_TIMER: OnTimer(wp); return 0;
    case WM_SIZE: OnSize(wp, lp); return 0;
    case WM_MOVE: OnMove(lp); return 0;
    case WM_DISPLAYCHANGE: form.Form_DisplayChanged(); return 0;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX: return OnCtlColor(msg, wp, lp);
    case WM_MEASUREITEM: return OnMeasureItem(*reinterpret_cast<MEASUREITEMSTRUCT*>(lp));
    case WM_DRAWITEM: return OnDrawItem(*reinterpret_cast<DRAWITEMSTRUCT*>(lp));
    case WM_CLOSE: OnClose(); return 0;
    case WM_DESTROY: OnDestroy(); return 0;
    default: return DefWindowProcW(hwnd, msg, wp, lp);
  }
}

void FormWindow::OnPaint() {
  PAINTSTRUCT ps;
  HDC target = BeginPaint(hwnd, &ps);
  RECT client;
  GetClientRect(hwnd, &client);
  win32::UniqueMemoryDc dc(CreateCompatibleDC(target));
  win32::UniqueBitmap canvas(
      CreateCompatibleBitmap(target, std::max<LONG>(client.right, 1), std::max<LONG>(client.bottom, 1)));
  {
    win32::Selected selCanvas(dc.get(), canvas.get());
    const FormDesign* d = form.Design();
    FillRect(dc.get(), &client, gdi.BrushFor(d ? d->backColor : 0));
    win32::UniqueMemoryDc pictureDc(CreateCompatibleDC(target));
    SIZE size{};
    if (d && d->picture) {
      if (HBITMAP background = gdi.Picture(d->picture, &size)) {
        win32::Selected sel(pictureDc.get(), background);
        BitBlt(dc.get(), 0, 0, size.cx, size.cy, pictureDc.get(), 0, 0, SRCCOPY);
      }
    }
    SetBkMode(dc.get(), TRANSPARENT);
    SetStretchBltMode(dc.get(), HALFTONE);
    SetBrushOrgEx(dc.get(), 0, 0, nullptr);
    const auto& controls = form.Controls();
    for (auto it = controls.rbegin(); it != controls.rend(); ++it) {  // bottom of the stack first
      const Control& c = **it;
      if (c.IsWindowed() || !c.Visible()) continue;
      RECT r = PixelRect(c);
      if (c.GetKind() == Kind::Image && c.Picture()) {
        if (HBITMAP bmp = gdi.Picture(c.Picture(), &size)) {
          win32::Selected sel(pictureDc.get(), bmp);
          if (c.Design().stretch)
            StretchBlt(dc.get(), r.left, r.top, r.right - r.left, r.bottom - r.top, pictureDc.get(), 0, 0, size.cx,
                       size.cy, SRCCOPY);
          else
            BitBlt(dc.get(), r.left, r.top, size.cx, size.cy, pictureDc.get(), 0, 0, SRCCOPY);
        }
      } else if (c.GetKind() == Kind::Label) {
        win32::Selected sel(dc.get(), gdi.FontFor(c.GetFont()));
        SetTextColor(dc.get(), c.ForeColor() == kDefaultColor ? GetSysColor(COLOR_BTNTEXT) : c.ForeColor());
        const UINT flags = DT_NOPREFIX | (c.Design().centered ? DT_CENTER : DT_LEFT) |
                           (c.Design().wordWrap ? DT_WORDBREAK : DT_SINGLELINE);
        DrawTextW(dc.get(), c.Caption().c_str(), -1, &r, flags);
      }
    }
    if (const Control* seen = SeenFocus()) {
      RECT r = FocusMarkRect(*seen);
      DrawFocusRect(dc.get(), &r);
    }
    BitBlt(target, 0, 0, client.right, client.bottom, dc.get(), 0, 0, SRCCOPY);
  }
  EndPaint(hwnd, &ps);
}

const Control* FormWindow::SeenFocus() const {
  // The mark follows the platform's keyboard cues, as a button's own does.
  if (SendMessageW(hwnd, WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS) return nullptr;
  const Control* focused = Focused().first;
  if (!focused || !focused->Design().seenAs) return nullptr;
  const Control& seen = form.SeenAs(*focused);
  return &seen != focused && seen.Visible() ? &seen : nullptr;
}

RECT FormWindow::FocusMarkRect(const Control& seen) {
  RECT r = PixelRect(seen);
  InflateRect(&r, 2, 1);
  return r;
}

void FormWindow::OnMouse(UINT msg, WPARAM wp, LPARAM lp) {
  const int x = GET_X_LPARAM(lp), y = GET_Y_LPARAM(lp);
  Control* under = form.HitTest(x, y);
  MouseArgs args{ButtonState(wp), ShiftState(), float(x) * kTwipsPerPixel, float(y) * kTwipsPerPixel};
  auto relative = [&](Control* c) {
    MouseArgs a = args;
    a.x -= float(c->Left());
    a.y -= float(c->Top());
    return a;
  };
  switch (msg) {
    case WM_MOUSEMOVE: {
      // While a button is held, moves go to what it went down on.
      Control* target = GetCapture() == hwnd ? pressed : under;
      if (target) form.Control_Event(*target, Event::MouseMove, relative(target));
      else form.Form_MouseMove(args.button, args.shift, args.x, args.y);
      break;
    }
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_XBUTTONDOWN:
      SetCapture(hwnd);
      pressed = under;
      pressedOnForm = under == nullptr;
      if (under) form.Control_Event(*under, Event::MouseDown, relative(under));
      else form.Form_MouseDown(args.button, args.shift, args.x, args.y);
      // A handler that handed the press to the platform (a drag) ends it here:
      // the release went to the platform's move loop.
      if (GetCapture() != hwnd) {
        pressed = nullptr;
        pressedOnForm = false;
      }
      break;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
    case WM_XBUTTONUP: {
      Control* was = pressed;
      const bool onForm = pressedOnForm;
      pressed = nullptr;
      pressedOnForm = false;
      ReleaseCapture();
      // A click is a press and a release over the same thing.
      if (was && was == under) form.Control_Event(*was, Event::Click, relative(was));
      else if (onForm && !under) form.Form_Click();
      break;
    }
  }
}

void FormWindow::OnCommand(WPARAM wp) {
  const auto it = byId.find(LOWORD(wp));
  if (it == byId.end()) return;
  Control& c = *it->second;
  const WORD code = HIWORD(wp);
  const bool box = c.GetKind() == Kind::CheckBox || c.GetKind() == Kind::OptionButton;
  if (box && c.Design().seenAs && (code == BN_SETFOCUS || code == BN_KILLFOCUS)) {
    RECT r = FocusMarkRect(form.SeenAs(c));  // the mark drawn for it comes or goes
    InvalidateRect(hwnd, &r, FALSE);
    return;
  }
  switch (c.GetKind()) {
    case Kind::CommandButton:
      if (code == BN_CLICKED) form.Control_Event(c, Event::Click, {});
      break;
    case Kind::CheckBox:
      // With the focus news a box's second click of a double-click comes as
      // its own notification: it toggles again, as without them.
      if (code == BN_CLICKED || code == BN_DOUBLECLICKED) c.SetValue(c.Value() == 0 ? 1 : 0);  // raises the Click
      break;
    case Kind::OptionButton:
      if (code == BN_CLICKED) c.SetValue(1);  // raises the Click when it was not chosen yet
      break;
    case Kind::ComboBox:
      if (code == CBN_SELCHANGE) {
        const auto child = children.find(&c);
        if (child != children.end()) c.SetListIndex(int(SendMessageW(child->second, CB_GETCURSEL, 0, 0)));
      } else if (code == CBN_EDITCHANGE) {
        form.Control_Event(c, Event::Change, {});  // typed text: only a combo with an edit part has it
      }
      break;
    default: break;
  }
}

void FormWindow::OnTimer(WPARAM id) {
  const auto it = byId.find(int(id));
  if (it != byId.end() && it->second->Enabled()) form.Control_Event(*it->second, Event::Timer, {});
}

void FormWindow::OnSize(WPARAM kind, LPARAM lp) {
  if (kind != SIZE_MINIMIZED) form.HostResized(LOWORD(lp), HIWORD(lp));
  InvalidateRect(hwnd, nullptr, FALSE);
}

void FormWindow::OnMove(LPARAM lp) {
  // The model follows the window when the user drags it; a child (a preview) stays at 0, 0.
  if (!(GetWindowLongW(hwnd, GWL_STYLE) & WS_CHILD) && !IsIconic(hwnd))
    form.HostMoved(GET_X_LPARAM(lp), GET_Y_LPARAM(lp));
}

LRESULT FormWindow::OnCtlColor(UINT msg, WPARAM wp, LPARAM lp) {
  HWND child = reinterpret_cast<HWND>(lp);
  if (msg == WM_CTLCOLORLISTBOX) child = GetParent(child) == hwnd ? child : GetParent(child);
  for (const auto& [c, h] : children) {
    if (h != child && !(c->GetKind() == Kind::ComboBox && IsChild(h, reinterpret_cast<HWND>(lp)))) continue;
    if (c->Design().backColor == kDefaultColor) break;
    HDC dc = reinterpret_cast<HDC>(wp);
    if (c->ForeColor() != kDefaultColor) SetTextColor(dc, c->ForeColor());
    SetBkColor(dc, c->Design().backColor);
    return reinterpret_cast<LRESULT>(gdi.BrushFor(c->Design().backColor));
  }
  return DefWindowProcW(hwnd, msg, wp, lp);
}

LRESULT FormWindow::OnMeasureItem(MEASUREITEMSTRUCT& mi) {
  const auto it = byId.find(int(mi.CtlID));
  if (it == byId.end()) return FALSE;
  mi.itemHeight = UINT(gdi.MeasureText(it->second->GetFont(), L"Ag", 0).height + 2);
  return TRUE;
}

LRESULT FormWindow::OnDrawItem(DRAWITEMSTRUCT& di) {
  const auto it = byId.find(int(di.CtlID));
  if (it == byId.end() || di.CtlType != ODT_COMBOBOX) return FALSE;
  const Control& c = *it->second;
  const bool selected = (di.itemState & ODS_SELECTED) && !(di.itemState & ODS_COMBOBOXEDIT);
  const uint32_t back = c.Design().backColor;
  const uint32_t fore = c.ForeColor() == kDefaultColor ? RGB(0, 0, 0) : c.ForeColor();
  FillRect(di.hDC, &di.rcItem, gdi.BrushFor(selected ? fore : back));
  if (di.itemID != UINT(-1) && int(di.itemID) < c.ListCount()) {
    win32::Selected sel(di.hDC, gdi.FontFor(c.GetFont()));
    SetBkMode(di.hDC, TRANSPARENT);
    SetTextColor(di.hDC, selected ? back : fore);
    RECT r = di.rcItem;
    r.left += 3;
    DrawTextW(di.hDC, c.List(int(di.itemID)).c_str(), -1, &r, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
  }
  if (di.itemState & ODS_FOCUS) DrawFocusRect(di.hDC, &di.rcItem);
  return TRUE;
}

void FormWindow::OnClose() { form.Unload(UnloadMode::FormControlMenu); }

void FormWindow::OnDestroy() {
  if (destroying) return;
  // Destroyed by someone else, such as a preview's host closing.
  destroying = true;
  form.WindowLost();
}

}  // namespace tarnix::ui
