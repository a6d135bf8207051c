// Buttons, boxes, lists and picture boxes as real child windows, so that the
// keyboard and accessibility tools reach them; timers and tool tips.
#include "ui/win32/FormWindow.h"

#include <commctrl.h>

#include <algorithm>

namespace tarnix::ui {

namespace {
constexpr int kFirstChildId = 1000;
// A drop-down combo's window is this much taller than its box: room for the list.
constexpr int kComboListHeight = 200;
#ifndef BCM_SETSHIELD
constexpr UINT BCM_SETSHIELD = 0x160C;  // Vista's common controls 6; older ones ignore it
#endif
}  // namespace

RECT PixelRect(const Control& c) {
  const int l = PixelsFromTwips(c.Left()), t = PixelsFromTwips(c.Top());
  return {l, t, l + PixelsFromTwips(c.Width()), t + PixelsFromTwips(c.Height())};
}

std::wstring WindowText(HWND hwnd) {
  const int length = GetWindowTextLengthW(hwnd);
  std::wstring text(size_t(length) + 1, L'\0');
  text.resize(size_t(GetWindowTextW(hwnd, text.data(), length + 1)));
  return text;
}

int FormWindow::IdOf(const Control& c) const {
  for (const auto& [id, ctl] : byId)
    if (ctl == &c) return id;
  return 0;
}

std::pair<Control*, HWND> FormWindow::Focused() const {
  HWND focus = GetFocus();
  while (focus && GetParent(focus) != hwnd) focus = GetParent(focus);
  for (const auto& [c, h] : children)
    if (h == focus) return {c, h};
  return {nullptr, nullptr};
}

void FormWindow::CreateControls() {
  // Windowed controls in tab order, so that the focus follows it.
  std::vector<Control*> windowed;
  for (const auto& c : form.Controls())
    if (c->IsWindowed()) windowed.push_back(c.get());
  std::stable_sort(windowed.begin(), windowed.end(), [](const Control* a, const Control* b) {
    return a->Design().tabIndex < b->Design().tabIndex;
  });
  int id = kFirstChildId;
  for (const auto& c : form.Controls()) byId[id++] = c.get();
  for (Control* c : windowed) CreateChild(*c, IdOf(*c));
  for (const auto& c : form.Controls()) {
    if (c->Design().toolTip) SyncToolTip(*c);
    if (c->GetKind() == Kind::Timer) SyncTimer(*c);
    if (c->GetKind() == Kind::Label && c->Design().autoSize) {
      const bool wrap = c->Design().wordWrap;
      const Size s = gdi.MeasureText(c->GetFont(), c->Caption(), wrap ? PixelsFromTwips(c->Width()) : 0);
      c->SetMeasuredSize(wrap ? c->Width() : TwipsFromPixels(s.width), TwipsFromPixels(s.height));
    }
  }
}

void FormWindow::CreateChild(Control& c, int id) {
  const ControlDesign& d = c.Design();
  const RECT r = PixelRect(c);
  DWORD style = WS_CHILD | (c.Visible() ? WS_VISIBLE : 0) | (c.Enabled() ? 0 : WS_DISABLED) |
                (d.tabIndex >= 0 ? WS_TABSTOP : 0);
  const wchar_t* cls = L"BUTTON";
  int height = r.bottom - r.top;
  switch (d.kind) {
    case Kind::CommandButton: style |= BS_PUSHBUTTON; break;
    case Kind::CheckBox: style |= BS_3STATE | (d.seenAs ? BS_NOTIFY : 0); break;  // focus news for the mark
    case Kind::OptionButton: style |= BS_RADIOBUTTON | (d.seenAs ? BS_NOTIFY : 0); break;
    case Kind::ComboBox:
      cls = L"COMBOBOX";
      style |= CBS_DROPDOWNLIST | WS_VSCROLL;
      // Drawn by the form when it has colours of its own: themes ignore them otherwise.
      if (d.backColor != kDefaultColor) style |= CBS_OWNERDRAWFIXED | CBS_HASSTRINGS;
      height += kComboListHeight;
      break;
    case Kind::PictureBox: cls = kPictureClass; break;
    default: return;
  }
  HWND h = CreateWindowExW(0, cls, c.Caption().c_str(), style, r.left, r.top, r.right - r.left, height, hwnd,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
  if (!h) return;
  if (d.kind == Kind::PictureBox) SetWindowLongPtrW(h, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&c));
  HFONT font = d.font.face ? gdi.FontFor(c.GetFont()) : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  SendMessageW(h, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  children[&c] = h;
  SyncChild(c);
}

void FormWindow::SyncChild(Control& c) {
  const auto it = children.find(&c);
  if (it == children.end()) return;
  HWND h = it->second;
  const RECT r = PixelRect(c);
  const int extra = c.GetKind() == Kind::ComboBox ? kComboListHeight : 0;
  // Only a change: moving an open list's combo box, even onto its own place,
  // closes the list under the user's arrow keys. A combo box reports its
  // closed height, whatever its list's.
  RECT now;
  GetWindowRect(h, &now);
  MapWindowPoints(nullptr, hwnd, reinterpret_cast<POINT*>(&now), 2);
  const bool moved = now.left != r.left || now.top != r.top || now.right - now.left != r.right - r.left ||
                     (extra == 0 && now.bottom - now.top != r.bottom - r.top);
  if (moved)
    SetWindowPos(h, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top + extra, SWP_NOZORDER | SWP_NOACTIVATE);
  switch (c.GetKind()) {
    case Kind::CheckBox:
    case Kind::OptionButton:
      SendMessageW(h, BM_SETCHECK, WPARAM(c.Value()), 0);
      [[fallthrough]];
    case Kind::CommandButton:
      if (c.Caption() != WindowText(h)) SetWindowTextW(h, c.Caption().c_str());
      if (c.GetKind() == Kind::CommandButton) SendMessageW(h, BCM_SETSHIELD, 0, c.Shield() ? TRUE : FALSE);
      break;
    case Kind::ComboBox:
      if (const auto shown = listsShown.find(&c); shown == listsShown.end() || shown->second != c.ListRevision()) {
        SendMessageW(h, CB_RESETCONTENT, 0, 0);
        for (int i = 0; i < c.ListCount(); ++i)
          SendMessageW(h, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(c.List(i).c_str()));
        listsShown[&c] = c.ListRevision();
      }
      SendMessageW(h, CB_SETCURSEL, WPARAM(c.ListIndex()), 0);
      break;
    case Kind::PictureBox: InvalidateRect(h, nullptr, FALSE); break;
    default: break;
  }
  const HWND focus = GetFocus();
  const bool hadFocus = focus && (focus == h || IsChild(h, focus));
  EnableWindow(h, c.Enabled());
  ShowWindow(h, c.Visible() ? SW_SHOWNA : SW_HIDE);
  // A hidden or disabled control cannot keep the keyboard: it would go nowhere.
  if (hadFocus && !(c.Visible() && c.Enabled())) MoveFocusOn();
}

void FormWindow::SyncTimer(Control& c) {
  const int id = IdOf(c);
  if (!id) return;
  if (c.Enabled() && c.Interval() > 0) SetTimer(hwnd, UINT_PTR(id), UINT(c.Interval()), nullptr);
  else KillTimer(hwnd, UINT_PTR(id));
}

void FormWindow::SyncToolTip(Control& c) {
  if (!toolTips) {
    toolTips = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd, nullptr, instance,
                               nullptr);
  }
  TOOLINFOW ti = {};
  ti.cbSize = sizeof(ti);
  ti.hwnd = hwnd;
  ti.lpszText = const_cast<wchar_t*>(c.Design().toolTip);
  const auto child = children.find(&c);
  const bool windowed = child != children.end();
  if (windowed) {
    ti.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    ti.uId = reinterpret_cast<UINT_PTR>(child->second);
  } else {
    ti.uId = UINT_PTR(IdOf(c));
    ti.uFlags = TTF_SUBCLASS;
    // A hidden windowless control has no area to hover over.
    ti.rect = c.Visible() ? PixelRect(c) : RECT{0, 0, 0, 0};
  }
  // One tool per control, added once; TTM_NEWTOOLRECTW answers nothing, so
  // whether the tool exists is kept here. A windowed control's tool follows
  // its window by itself.
  if (tools.insert(&c).second) {
    SendMessageW(toolTips, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&ti));
  } else if (!windowed) {
    SendMessageW(toolTips, TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&ti));
  }
  if (!c.Visible()) SendMessageW(toolTips, TTM_POP, 0, 0);  // a tip shown for it goes with it
}

std::vector<HWND> FormWindow::TabOrder() const {
  std::vector<HWND> order;
  for (Control* c : form.TabStops())
    if (const auto it = children.find(c); it != children.end()) order.push_back(it->second);
  return order;
}

HWND FormWindow::DefaultButton() const {
  const FormDesign* d = form.Design();
  Control* button = d && d->defaultButton ? form.Find(d->defaultButton) : nullptr;
  const auto it = button && button->Visible() ? children.find(button) : children.end();
  return it == children.end() ? nullptr : it->second;
}

void FormWindow::MoveFocusOn() {
  if (HWND button = DefaultButton(); button && IsWindowEnabled(button)) {
    SetFocus(button);
    return;
  }
  const std::vector<HWND> order = TabOrder();
  if (!order.empty()) SetFocus(order.front());
}

LRESULT CALLBACK FormWindow::PictureProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg != WM_PAINT) return DefWindowProcW(hwnd, msg, wp, lp);  // paints only: nothing here throws
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd, &ps);
  auto* c = reinterpret_cast<Control*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  auto* owner = reinterpret_cast<FormWindow*>(GetWindowLongPtrW(GetParent(hwnd), GWLP_USERDATA));
  if (c && owner && c->Picture()) {
    SIZE size{};
    if (HBITMAP bmp = owner->gdi.Picture(c->Picture(), &size)) {
      win32::UniqueMemoryDc mem(CreateCompatibleDC(dc));
      win32::Selected sel(mem.get(), bmp);
      BitBlt(dc, 0, 0, size.cx, size.cy, mem.get(), 0, 0, SRCCOPY);
    }
  }
  EndPaint(hwnd, &ps);
  return 0;
}

}  // namespace tarnix::ui
