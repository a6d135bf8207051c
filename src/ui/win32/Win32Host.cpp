#include "ui/win32/Win32Host.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace tarnix::ui {

namespace {

const wchar_t kFormClass[] = L"TarnixForm";
const wchar_t kPictureClass[] = L"TarnixPicture";
constexpr int kFirstChildId = 1000;
// A drop-down combo's window is this much taller than its box: room for the list.
constexpr int kComboListHeight = 200;

struct MemoryDcTraits {
  using Handle = HDC;
  static Handle Invalid() { return nullptr; }
  static bool Valid(Handle h) { return h != nullptr; }
  static void Close(Handle h) { ::DeleteDC(h); }
};
using UniqueMemoryDc = win32::Unique<MemoryDcTraits>;

// Restores the object a DC had selected before.
class Selected {
 public:
  Selected(HDC dc, HGDIOBJ obj) : dc_(dc), old_(obj ? SelectObject(dc, obj) : nullptr) {}
  ~Selected() {
    if (old_) SelectObject(dc_, old_);
  }
  Selected(const Selected&) = delete;
  Selected& operator=(const Selected&) = delete;

 private:
  HDC dc_;
  HGDIOBJ old_;
};

RECT PixelRect(const Control& c) {
  const int l = PixelsFromTwips(c.Left()), t = PixelsFromTwips(c.Top());
  return {l, t, l + PixelsFromTwips(c.Width()), t + PixelsFromTwips(c.Height())};
}

int ShiftState() {
  return (GetKeyState(VK_SHIFT) < 0 ? 1 : 0) | (GetKeyState(VK_CONTROL) < 0 ? 2 : 0) |
         (GetKeyState(VK_MENU) < 0 ? 4 : 0);
}

int ButtonState(WPARAM wp) {
  return ((wp & MK_LBUTTON) ? 1 : 0) | ((wp & MK_RBUTTON) ? 2 : 0) | ((wp & MK_MBUTTON) ? 4 : 0);
}

}  // namespace

struct Win32Host::Window {
  Win32Host* host = nullptr;
  Form* form = nullptr;
  HWND hwnd = nullptr;
  std::map<Control*, HWND> children;
  std::map<int, Control*> byId;
  HWND toolTips = nullptr;
  Control* pressed = nullptr;  // where the mouse went down
  bool pressedOnForm = false;
  bool destroying = false;

  // The child id and timer id of a control; 0 when it has none.
  int IdOf(const Control& c) const {
    for (const auto& [id, ctl] : byId)
      if (ctl == &c) return id;
    return 0;
  }
};

Win32Host::Win32Host(HINSTANCE instance) : instance_(instance) {
  WNDCLASSEXW wc = {};
  wc.cbSize = sizeof(wc);
  wc.lpfnWndProc = FormProc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.lpszClassName = kFormClass;
  RegisterClassExW(&wc);
  wc.lpfnWndProc = PictureProc;
  wc.lpszClassName = kPictureClass;
  RegisterClassExW(&wc);
}

Win32Host::~Win32Host() {
  for (auto& [form, w] : windows_) {
    w->destroying = true;
    DestroyWindow(w->hwnd);
  }
}

Win32Host::Window* Win32Host::Find(const Form& form) const {
  const auto it = windows_.find(&form);
  return it == windows_.end() ? nullptr : it->second.get();
}

HWND Win32Host::WindowOf(const Form& form) const {
  const Window* w = Find(form);
  return w ? w->hwnd : nullptr;
}

void Win32Host::Create(Form& form) {
  const FormDesign* d = form.Design();
  if (!d || Find(form)) return;
  auto w = std::make_unique<Window>();
  w->host = this;
  w->form = &form;
  const int width = PixelsFromTwips(form.Width()), height = PixelsFromTwips(form.Height());
  const DWORD ex = d->showInTaskbar ? WS_EX_APPWINDOW : WS_EX_TOOLWINDOW;
  // Created as an overlapped window so that the platform picks its default
  // place, then turned into a frameless popup.
  HWND hwnd = CreateWindowExW(ex, kFormClass, form.Caption().c_str(), WS_OVERLAPPED | WS_CLIPCHILDREN,
                              CW_USEDEFAULT, CW_USEDEFAULT, width, height, nullptr, nullptr, instance_, w.get());
  if (!hwnd) return;
  w->hwnd = hwnd;
  SetWindowLongW(hwnd, GWL_STYLE, WS_POPUP | WS_CLIPCHILDREN);
  RECT rc;
  GetWindowRect(hwnd, &rc);
  int x = rc.left, y = rc.top;
  if (d->startPosition == StartPosition::ScreenCenter) {
    x = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
    y = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
  }
  SetWindowPos(hwnd, nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  if (d->icon) {
    HICON big = static_cast<HICON>(LoadImageW(instance_, MAKEINTRESOURCEW(d->icon), IMAGE_ICON,
                                              GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON), LR_SHARED));
    HICON small = static_cast<HICON>(LoadImageW(instance_, MAKEINTRESOURCEW(d->icon), IMAGE_ICON,
                                                GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), LR_SHARED));
    SendMessageW(hwnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big));
    SendMessageW(hwnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small));
  }
  Window& ref = *w;
  windows_[&form] = std::move(w);
  form.HostPlaced(x, y, width, height);

  // Windowed controls in tab order, so that the focus follows it.
  std::vector<Control*> windowed;
  for (const auto& c : form.Controls())
    if (c->IsWindowed()) windowed.push_back(c.get());
  std::stable_sort(windowed.begin(), windowed.end(), [](const Control* a, const Control* b) {
    return a->Design().tabIndex < b->Design().tabIndex;
  });
  int id = kFirstChildId;
  for (const auto& c : form.Controls()) ref.byId[id++] = c.get();
  for (Control* c : windowed) CreateChild(ref, *c, ref.IdOf(*c));
  for (const auto& c : form.Controls()) {
    if (c->Design().toolTip) SyncToolTip(ref, *c);
    if (c->GetKind() == Kind::Timer) SyncTimer(ref, *c);
    if (c->GetKind() == Kind::Label && c->Design().autoSize) {
      const Size s = MeasureText(c->GetFont(), c->Caption(), c->Design().wordWrap ? PixelsFromTwips(c->Width()) : 0);
      c->SetMeasuredSize(c->Design().wordWrap ? c->Width() : TwipsFromPixels(s.width), TwipsFromPixels(s.height));
    }
  }
}

void Win32Host::CreateChild(Window& w, Control& c, int id) {
  const ControlDesign& d = c.Design();
  const RECT r = PixelRect(c);
  DWORD style = WS_CHILD | (c.Visible() ? WS_VISIBLE : 0) | (c.Enabled() ? 0 : WS_DISABLED) |
                (d.tabIndex >= 0 ? WS_TABSTOP : 0);
  const wchar_t* cls = L"BUTTON";
  int height = r.bottom - r.top;
  switch (d.kind) {
    case Kind::CommandButton: style |= BS_PUSHBUTTON; break;
    case Kind::CheckBox: style |= BS_3STATE; break;
    case Kind::OptionButton: style |= BS_RADIOBUTTON; break;
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
  HWND h = CreateWindowExW(0, cls, c.Caption().c_str(), style, r.left, r.top, r.right - r.left, height, w.hwnd,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance_, nullptr);
  if (!h) return;
  if (d.kind == Kind::PictureBox) SetWindowLongPtrW(h, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&c));
  HFONT font = d.font.face ? FontFor(c.GetFont()) : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  SendMessageW(h, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  w.children[&c] = h;
  SyncChild(w, c);
}

void Win32Host::SyncChild(Window& w, Control& c) {
  const auto it = w.children.find(&c);
  if (it == w.children.end()) return;
  HWND h = it->second;
  const RECT r = PixelRect(c);
  const int extra = c.GetKind() == Kind::ComboBox ? kComboListHeight : 0;
  SetWindowPos(h, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top + extra, SWP_NOZORDER | SWP_NOACTIVATE);
  switch (c.GetKind()) {
    case Kind::CheckBox:
    case Kind::OptionButton:
      SendMessageW(h, BM_SETCHECK, WPARAM(c.Value()), 0);
      [[fallthrough]];
    case Kind::CommandButton: {
      wchar_t current[512] = L"";
      GetWindowTextW(h, current, 512);
      if (c.Caption() != current) SetWindowTextW(h, c.Caption().c_str());
      break;
    }
    case Kind::ComboBox:
      if (SendMessageW(h, CB_GETCOUNT, 0, 0) != c.ListCount()) {
        SendMessageW(h, CB_RESETCONTENT, 0, 0);
        for (int i = 0; i < c.ListCount(); ++i)
          SendMessageW(h, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(c.List(i).c_str()));
      }
      SendMessageW(h, CB_SETCURSEL, WPARAM(c.ListIndex()), 0);
      break;
    case Kind::PictureBox: InvalidateRect(h, nullptr, FALSE); break;
    default: break;
  }
  EnableWindow(h, c.Enabled());
  ShowWindow(h, c.Visible() ? SW_SHOWNA : SW_HIDE);
}

void Win32Host::SyncTimer(Window& w, Control& c) {
  const int id = w.IdOf(c);
  if (!id) return;
  if (c.Enabled() && c.Interval() > 0) SetTimer(w.hwnd, UINT_PTR(id), UINT(c.Interval()), nullptr);
  else KillTimer(w.hwnd, UINT_PTR(id));
}

void Win32Host::SyncToolTip(Window& w, Control& c) {
  if (!w.toolTips) {
    w.toolTips = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                                 CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, w.hwnd, nullptr, instance_,
                                 nullptr);
  }
  TOOLINFOW ti = {};
  ti.cbSize = sizeof(ti);
  ti.hwnd = w.hwnd;
  ti.lpszText = const_cast<wchar_t*>(c.Design().toolTip);
  const auto child = w.children.find(&c);
  if (child != w.children.end()) {
    ti.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    ti.uId = reinterpret_cast<UINT_PTR>(child->second);
  } else {
    ti.uId = UINT_PTR(w.IdOf(c));
    ti.uFlags = TTF_SUBCLASS;
    // A hidden windowless control has no area to hover over.
    ti.rect = c.Visible() ? PixelRect(c) : RECT{0, 0, 0, 0};
  }
  if (!SendMessageW(w.toolTips, TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&ti)) || (ti.uFlags & TTF_IDISHWND))
    SendMessageW(w.toolTips, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&ti));
}

// Controls that can take the focus now, in the design's tab order.
static std::vector<HWND> TabOrder(const std::map<Control*, HWND>& children) {
  std::vector<std::pair<int, HWND>> stops;
  for (const auto& [c, h] : children)
    if (c->Design().tabIndex >= 0 && c->Visible() && c->Enabled()) stops.push_back({c->Design().tabIndex, h});
  std::stable_sort(stops.begin(), stops.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
  std::vector<HWND> order;
  for (const auto& s : stops) order.push_back(s.second);
  return order;
}

bool Win32Host::PreTranslate(MSG& msg) {
  // Tab moves through the design's tab order. The dialog manager would skip
  // option buttons that are not chosen, which the designs do not want.
  if (msg.message != WM_KEYDOWN || msg.wParam != VK_TAB) return false;
  for (const auto& [form, w] : windows_) {
    if (w->children.empty() || (msg.hwnd != w->hwnd && !IsChild(w->hwnd, msg.hwnd))) continue;
    const std::vector<HWND> order = TabOrder(w->children);
    if (order.empty()) return false;
    HWND focus = GetFocus();
    while (focus && GetParent(focus) != w->hwnd) focus = GetParent(focus);  // a combo's edit part
    const auto at = std::find(order.begin(), order.end(), focus);
    const bool back = GetKeyState(VK_SHIFT) < 0;
    size_t next = 0;
    if (at != order.end()) {
      const size_t i = size_t(at - order.begin());
      next = back ? (i + order.size() - 1) % order.size() : (i + 1) % order.size();
    } else if (back) {
      next = order.size() - 1;
    }
    SetFocus(order[next]);
    return true;
  }
  return false;
}

void Win32Host::Destroy(Form& form) {
  const auto it = windows_.find(&form);
  if (it == windows_.end()) return;
  std::unique_ptr<Window> w = std::move(it->second);
  windows_.erase(it);
  const bool alreadyGoing = w->destroying;  // inside its own WM_DESTROY
  w->destroying = true;
  if (!alreadyGoing && IsWindow(w->hwnd)) DestroyWindow(w->hwnd);
  SetWindowLongPtrW(w->hwnd, GWLP_USERDATA, 0);
  if (windows_.empty()) PostQuitMessage(0);
}

void Win32Host::SetVisible(Form& form, bool visible) {
  Window* w = Find(form);
  if (!w) return;
  if (!visible) {
    ShowWindow(w->hwnd, SW_HIDE);
    return;
  }
  ShowWindow(w->hwnd, form.GetWindowState() == WindowState::Maximized ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL);
  UpdateWindow(w->hwnd);
  // The focus goes to the first control in the tab order that can take it.
  const std::vector<HWND> order = TabOrder(w->children);
  if (!order.empty()) SetFocus(order.front());
}

void Win32Host::FormChanged(Form& form) {
  Window* w = Find(form);
  if (!w) return;
  wchar_t current[512] = L"";
  GetWindowTextW(w->hwnd, current, 512);
  if (form.Caption() != current) SetWindowTextW(w->hwnd, form.Caption().c_str());
  const bool maximized = IsZoomed(w->hwnd) != FALSE;
  const bool wantMaximized = form.GetWindowState() == WindowState::Maximized;
  if (maximized != wantMaximized) {
    if (IsWindowVisible(w->hwnd)) ShowWindow(w->hwnd, wantMaximized ? SW_MAXIMIZE : SW_RESTORE);
    return;  // the size follows the state
  }
  if (!maximized && !(GetWindowLongW(w->hwnd, GWL_STYLE) & WS_CHILD))
    SetWindowPos(w->hwnd, nullptr, PixelsFromTwips(form.Left()), PixelsFromTwips(form.Top()),
                 PixelsFromTwips(form.Width()), PixelsFromTwips(form.Height()), SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32Host::ControlChanged(Control& c) {
  Window* w = Find(c.Owner());
  if (!w) return;
  if (c.GetKind() == Kind::Timer) {
    SyncTimer(*w, c);
    return;
  }
  if (c.IsWindowed()) {
    SyncChild(*w, c);
    return;
  }
  if (c.Design().toolTip) SyncToolTip(*w, c);
  InvalidateRect(w->hwnd, nullptr, FALSE);
}

Size Win32Host::MeasureText(const Font& font, const std::wstring& text, int wrapWidth) {
  HDC screen = GetDC(nullptr);
  UniqueMemoryDc dc(CreateCompatibleDC(screen));
  ReleaseDC(nullptr, screen);
  Selected sel(dc.get(), FontFor(font));
  RECT r{0, 0, wrapWidth > 0 ? wrapWidth : 0, 0};
  const UINT flags = DT_CALCRECT | DT_NOPREFIX | (wrapWidth > 0 ? DT_WORDBREAK : DT_SINGLELINE);
  DrawTextW(dc.get(), text.empty() ? L" " : text.c_str(), -1, &r, flags);
  return {text.empty() ? 0 : r.right - r.left, r.bottom - r.top};
}

void Win32Host::SetTopmost(Form& form, bool topmost) {
  Window* w = Find(form);
  if (!w) return;
  SetWindowPos(w->hwnd, topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

void Win32Host::BringToFront(Form& form) {
  if (Window* w = Find(form)) SetWindowPos(w->hwnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

bool Win32Host::EmbedInto(Form& form, int64_t hostWindow) {
  Window* w = Find(form);
  HWND host = reinterpret_cast<HWND>(static_cast<intptr_t>(hostWindow));
  if (!w || hostWindow == 0 || !IsWindow(host)) return false;
  RECT hostRect{};
  GetClientRect(host, &hostRect);
  // A child may not keep WS_POPUP: the two styles contradict each other.
  const LONG style = (GetWindowLongW(w->hwnd, GWL_STYLE) & ~LONG(WS_POPUP)) | WS_CHILD;
  SetWindowLongW(w->hwnd, GWL_STYLE, style);
  SetParent(w->hwnd, host);
  SetWindowLongPtrW(w->hwnd, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(host));
  SetWindowPos(w->hwnd, nullptr, 0, 0, hostRect.right, hostRect.bottom, SWP_SHOWWINDOW | SWP_NOACTIVATE | SWP_NOZORDER);
  form.HostPlaced(0, 0, hostRect.right, hostRect.bottom);
  return true;
}

HFONT Win32Host::FontFor(const Font& f) {
  const std::wstring face = f.face ? f.face : L"MS Shell Dlg";
  const int height = -int(std::lround(f.points * 96.0 / 72.0));
  const auto key = std::make_tuple(face, height, f.bold, f.italic, f.underline);
  auto it = fonts_.find(key);
  if (it == fonts_.end()) {
    HFONT h = CreateFontW(height, 0, 0, 0, f.bold ? FW_BOLD : FW_NORMAL, f.italic, f.underline, FALSE,
                          ANSI_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                          DEFAULT_PITCH | FF_SWISS, face.c_str());
    it = fonts_.emplace(key, win32::UniqueFont(h)).first;
  }
  return it->second.get();
}

HBITMAP Win32Host::Picture(int id, SIZE* size) {
  auto it = pictures_.find(id);
  if (it == pictures_.end()) {
    HBITMAP h = static_cast<HBITMAP>(LoadImageW(instance_, MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    it = pictures_.emplace(id, win32::UniqueBitmap(h)).first;
  }
  if (size && it->second) {
    BITMAP bm{};
    GetObjectW(it->second.get(), sizeof(bm), &bm);
    *size = {bm.bmWidth, bm.bmHeight};
  }
  return it->second.get();
}

HBRUSH Win32Host::BrushFor(uint32_t color) {
  auto it = brushes_.find(color);
  if (it == brushes_.end()) it = brushes_.emplace(color, win32::UniqueBrush(CreateSolidBrush(color))).first;
  return it->second.get();
}

void Win32Host::Paint(Window& w) {
  PAINTSTRUCT ps;
  HDC target = BeginPaint(w.hwnd, &ps);
  RECT client;
  GetClientRect(w.hwnd, &client);
  UniqueMemoryDc dc(CreateCompatibleDC(target));
  win32::UniqueBitmap canvas(CreateCompatibleBitmap(target, std::max<LONG>(client.right, 1), std::max<LONG>(client.bottom, 1)));
  {
    Selected selCanvas(dc.get(), canvas.get());
    const FormDesign* d = w.form->Design();
    FillRect(dc.get(), &client, BrushFor(d ? d->backColor : 0));
    UniqueMemoryDc pictureDc(CreateCompatibleDC(target));
    SIZE size{};
    if (d && d->picture) {
      if (HBITMAP background = Picture(d->picture, &size)) {
        Selected sel(pictureDc.get(), background);
        BitBlt(dc.get(), 0, 0, size.cx, size.cy, pictureDc.get(), 0, 0, SRCCOPY);
      }
    }
    SetBkMode(dc.get(), TRANSPARENT);
    SetStretchBltMode(dc.get(), HALFTONE);
    SetBrushOrgEx(dc.get(), 0, 0, nullptr);
    const auto& controls = w.form->Controls();
    for (auto it = controls.rbegin(); it != controls.rend(); ++it) {  // bottom of the stack first
      const Control& c = **it;
      if (c.IsWindowed() || !c.Visible()) continue;
      RECT r = PixelRect(c);
      if (c.GetKind() == Kind::Image && c.Picture()) {
        if (HBITMAP bmp = Picture(c.Picture(), &size)) {
          Selected sel(pictureDc.get(), bmp);
          if (c.Design().stretch)
            StretchBlt(dc.get(), r.left, r.top, r.right - r.left, r.bottom - r.top, pictureDc.get(), 0, 0, size.cx,
                       size.cy, SRCCOPY);
          else
            BitBlt(dc.get(), r.left, r.top, size.cx, size.cy, pictureDc.get(), 0, 0, SRCCOPY);
        }
      } else if (c.GetKind() == Kind::Label) {
        Selected sel(dc.get(), FontFor(c.GetFont()));
        SetTextColor(dc.get(), c.ForeColor() == kDefaultColor ? RGB(0, 0, 0) : c.ForeColor());
        const UINT flags = DT_NOPREFIX | (c.Design().centered ? DT_CENTER : DT_LEFT) |
                           (c.Design().wordWrap ? DT_WORDBREAK : DT_SINGLELINE);
        DrawTextW(dc.get(), c.Caption().c_str(), -1, &r, flags);
      }
    }
    BitBlt(target, 0, 0, client.right, client.bottom, dc.get(), 0, 0, SRCCOPY);
  }
  EndPaint(w.hwnd, &ps);
}

void Win32Host::Mouse(Window& w, UINT msg, WPARAM wp, LPARAM lp) {
  const int x = GET_X_LPARAM(lp), y = GET_Y_LPARAM(lp);
  Control* under = w.form->HitTest(x, y);
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
      Control* target = GetCapture() == w.hwnd ? w.pressed : under;
      if (target) w.form->Control_Event(*target, Event::MouseMove, relative(target));
      else w.form->Form_MouseMove(args.button, args.shift, args.x, args.y);
      break;
    }
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
      SetCapture(w.hwnd);
      w.pressed = under;
      w.pressedOnForm = under == nullptr;
      if (under) w.form->Control_Event(*under, Event::MouseDown, relative(under));
      break;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP: {
      Control* pressed = w.pressed;
      const bool onForm = w.pressedOnForm;
      w.pressed = nullptr;
      w.pressedOnForm = false;
      ReleaseCapture();
      // A click is a press and a release over the same thing.
      if (pressed && pressed == under) w.form->Control_Event(*pressed, Event::Click, relative(pressed));
      else if (onForm && !under) w.form->Form_Click();
      break;
    }
  }
}

void Win32Host::Command(Window& w, WPARAM wp, LPARAM) {
  const auto it = w.byId.find(LOWORD(wp));
  if (it == w.byId.end()) return;
  Control& c = *it->second;
  const WORD code = HIWORD(wp);
  switch (c.GetKind()) {
    case Kind::CommandButton:
      if (code == BN_CLICKED) w.form->Control_Event(c, Event::Click, {});
      break;
    case Kind::CheckBox:
      if (code == BN_CLICKED) {
        c.SetValue(c.Value() == 0 ? 1 : 0);
        w.form->Control_Event(c, Event::Click, {});
      }
      break;
    case Kind::OptionButton:
      if (code == BN_CLICKED) {
        c.SetValue(1);
        w.form->Control_Event(c, Event::Click, {});
      }
      break;
    case Kind::ComboBox:
      if (code == CBN_SELCHANGE) {
        const auto child = w.children.find(&c);
        if (child != w.children.end()) c.SetListIndex(int(SendMessageW(child->second, CB_GETCURSEL, 0, 0)));
      }
      break;
    default: break;
  }
}

LRESULT CALLBACK Win32Host::FormProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_NCCREATE) {
    auto* cs = reinterpret_cast<CREATESTRUCTW*>(lp);
    auto* w = static_cast<Window*>(cs->lpCreateParams);
    w->hwnd = hwnd;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(w));
  }
  auto* w = reinterpret_cast<Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (msg == WM_NCCREATE || !w) return DefWindowProcW(hwnd, msg, wp, lp);
  return w->host->Handle(*w, msg, wp, lp);
}

LRESULT Win32Host::Handle(Window& w, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: Paint(w); return 0;
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
      Mouse(w, msg, wp, lp);
      return 0;
    case WM_CHAR: {
      int key = int(wp);
      w.form->Form_KeyPress(key);
      return 0;
    }
    case WM_COMMAND: Command(w, wp, lp); return 0;
    case WM_TIMER: {
      const auto it = w.byId.find(int(wp));
      if (it != w.byId.end() && it->second->Enabled()) w.form->Control_Event(*it->second, Event::Timer, {});
      return 0;
    }
    case WM_SIZE:
      if (wp != SIZE_MINIMIZED) w.form->HostResized(LOWORD(lp), HIWORD(lp));
      InvalidateRect(w.hwnd, nullptr, FALSE);
      return 0;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX: {
      HWND child = reinterpret_cast<HWND>(lp);
      if (msg == WM_CTLCOLORLISTBOX) child = GetParent(child) == w.hwnd ? child : GetParent(child);
      for (const auto& [c, h] : w.children) {
        if (h != child && !(c->GetKind() == Kind::ComboBox && IsChild(h, reinterpret_cast<HWND>(lp)))) continue;
        if (c->Design().backColor == kDefaultColor) break;
        HDC dc = reinterpret_cast<HDC>(wp);
        if (c->ForeColor() != kDefaultColor) SetTextColor(dc, c->ForeColor());
        SetBkColor(dc, c->Design().backColor);
        return reinterpret_cast<LRESULT>(BrushFor(c->Design().backColor));
      }
      return DefWindowProcW(w.hwnd, msg, wp, lp);
    }
    case WM_MEASUREITEM: {
      auto* mi = reinterpret_cast<MEASUREITEMSTRUCT*>(lp);
      const auto it = w.byId.find(int(mi->CtlID));
      if (it == w.byId.end()) return FALSE;
      mi->itemHeight = UINT(MeasureText(it->second->GetFont(), L"Ag", 0).height + 2);
      return TRUE;
    }
    case WM_DRAWITEM: {
      auto* di = reinterpret_cast<DRAWITEMSTRUCT*>(lp);
      const auto it = w.byId.find(int(di->CtlID));
      if (it == w.byId.end() || di->CtlType != ODT_COMBOBOX) return FALSE;
      const Control& c = *it->second;
      const bool selected = (di->itemState & ODS_SELECTED) && !(di->itemState & ODS_COMBOBOXEDIT);
      const uint32_t back = c.Design().backColor;
      const uint32_t fore = c.ForeColor() == kDefaultColor ? RGB(0, 0, 0) : c.ForeColor();
      FillRect(di->hDC, &di->rcItem, BrushFor(selected ? fore : back));
      if (di->itemID != UINT(-1) && int(di->itemID) < c.ListCount()) {
        Selected sel(di->hDC, FontFor(c.GetFont()));
        SetBkMode(di->hDC, TRANSPARENT);
        SetTextColor(di->hDC, selected ? back : fore);
        RECT r = di->rcItem;
        r.left += 3;
        DrawTextW(di->hDC, c.List(int(di->itemID)).c_str(), -1, &r, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
      }
      if (di->itemState & ODS_FOCUS) DrawFocusRect(di->hDC, &di->rcItem);
      return TRUE;
    }
    case WM_CLOSE:
      w.form->Unload(UnloadMode::FormControlMenu);
      return 0;
    case WM_DESTROY:
      if (!w.destroying) {
        // Destroyed by someone else, such as a preview's host closing.
        w.destroying = true;
        w.form->WindowLost();
      }
      return 0;
    default: return DefWindowProcW(w.hwnd, msg, wp, lp);
  }
}

LRESULT CALLBACK Win32Host::PictureProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg != WM_PAINT) return DefWindowProcW(hwnd, msg, wp, lp);
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd, &ps);
  auto* c = reinterpret_cast<Control*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  auto* owner = reinterpret_cast<Window*>(GetWindowLongPtrW(GetParent(hwnd), GWLP_USERDATA));
  Win32Host* host = owner ? owner->host : nullptr;
  if (c && host && c->Picture()) {
    SIZE size{};
    if (HBITMAP bmp = host->Picture(c->Picture(), &size)) {
      UniqueMemoryDc mem(CreateCompatibleDC(dc));
      Selected sel(mem.get(), bmp);
      BitBlt(dc, 0, 0, size.cx, size.cy, mem.get(), 0, 0, SRCCOPY);
    }
  }
  EndPaint(hwnd, &ps);
  return 0;
}

}  // namespace tarnix::ui
