#include "ui/win32/Win32Host.h"

#include <windowsx.h>

#include <algorithm>

#include "platform/win32/SystemLibrary.h"
#include "ui/win32/LayeredAlpha.h"
#include "ui/win32/Region.h"

namespace tarnix::ui {

namespace {
// WM_KEYDOWN's previous key state: set on the keyboard's repeats of a held key.
constexpr LPARAM kKeyWasDown = LPARAM(1) << 30;
}  // namespace

Win32Host::Win32Host(HINSTANCE instance) : instance_(instance), gdi_(instance) {}

void Win32Host::RegisterClasses() {
  // Deferred to the first window: the cursor alone brings in the display driver.
  if (classesRegistered_) return;
  classesRegistered_ = true;
  WNDCLASSEXW wc = {};
  wc.cbSize = sizeof(wc);
  wc.lpfnWndProc = FormWindow::Proc;
  wc.hInstance = instance_;
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.lpszClassName = kFormClass;
  RegisterClassExW(&wc);
  wc.lpfnWndProc = FormWindow::PictureProc;
  wc.lpszClassName = kPictureClass;
  RegisterClassExW(&wc);
}

Win32Host* Win32Host::watching_ = nullptr;

Win32Host::~Win32Host() {
  if (hostWatch_) KillTimer(nullptr, hostWatch_);
  if (watching_ == this) watching_ = nullptr;
  for (auto& [form, w] : windows_) {
    w->destroying = true;
    DestroyWindow(w->hwnd);
  }
}

FormWindow* Win32Host::Find(const Form& form) const {
  const auto it = windows_.find(&form);
  return it == windows_.end() ? nullptr : it->second.get();
}

void Win32Host::Create(Form& form) {
  // A running timer needs its window at once; anything else waits until shown.
  for (const auto& c : form.Controls())
    if (c->GetKind() == Kind::Timer && c->Enabled() && c->Interval() > 0) {
      Realize(form);
      return;
    }
}

FormWindow* Win32Host::Realize(Form& form) {
  if (FormWindow* existing = Find(form)) return existing;
  const FormDesign* d = form.Design();
  if (!d || !form.IsLoaded()) return nullptr;
  EnsureCommonControls();
  RegisterClasses();
  auto w = std::make_unique<FormWindow>(form, gdi_, instance_);
  const int width = PixelsFromTwips(form.Width()), height = PixelsFromTwips(form.Height());
  const DWORD ex = (d->showInTaskbar ? WS_EX_APPWINDOW : WS_EX_TOOLWINDOW) | (d->activates ? 0 : WS_EX_NOACTIVATE);
  // Created as an overlapped window so that the platform picks its default
  // place, then turned into a frameless popup.
  HWND hwnd = CreateWindowExW(ex, kFormClass, form.Caption().c_str(), WS_OVERLAPPED | WS_CLIPCHILDREN,
                              CW_USEDEFAULT, CW_USEDEFAULT, width, height, nullptr, nullptr, instance_, w.get());
  if (!hwnd) return nullptr;  // the program sees no window for the form and says so
  w->hwnd = hwnd;
  SetWindowLongW(hwnd, GWL_STYLE, WS_POPUP | WS_CLIPCHILDREN);
  RECT rc;
  GetWindowRect(hwnd, &rc);
  int x = rc.left, y = rc.top;
  if (form.IsPlaced()) {
    x = PixelsFromTwips(form.Left());
    y = PixelsFromTwips(form.Top());
  } else if (d->startPosition == StartPosition::ScreenCenter) {
    x = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
    y = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
  }
  SetWindowPos(hwnd, form.Topmost() ? HWND_TOPMOST : nullptr, x, y, width, height,
               (form.Topmost() ? 0 : SWP_NOZORDER) | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  if (d->icon) {
    HICON big = static_cast<HICON>(LoadImageW(instance_, MAKEINTRESOURCEW(d->icon), IMAGE_ICON,
                                              GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON), LR_SHARED));
    HICON small = static_cast<HICON>(LoadImageW(instance_, MAKEINTRESOURCEW(d->icon), IMAGE_ICON,
                                                GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), LR_SHARED));
    SendMessageW(hwnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big));
    SendMessageW(hwnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small));
  }
  FormWindow& ref = *w;
  windows_[&form] = std::move(w);
  if (!form.IsPlaced()) form.HostPlaced(x, y, width, height);
  ref.CreateControls();
  if (!form.WindowRegion().empty()) ApplyRegion(form);
  if (form.Opacity() >= 0) ApplyOpacity(form);
  return &ref;
}

bool Win32Host::PreTranslate(MSG& msg) {
  // Windowed controls get their mouse moves from the queue: a box's hover
  // handler runs as a label's does, and the box still sees the message.
  if (msg.message == WM_MOUSEMOVE) {
    for (const auto& [form, w] : windows_) {
      if (GetParent(msg.hwnd) != w->hwnd) continue;
      for (const auto& [c, h] : w->children) {
        if (h != msg.hwnd) continue;
        MouseArgs args{(msg.wParam & MK_LBUTTON) ? 1 : 0, 0, float(GET_X_LPARAM(msg.lParam)) * kTwipsPerPixel,
                       float(GET_Y_LPARAM(msg.lParam)) * kTwipsPerPixel};
        w->form.Control_Event(*c, Event::MouseMove, args);
        return false;
      }
    }
    return false;
  }
  // Alt+F4 closes the form even when a child has the focus: Wine's combo box
  // swallows every system key instead of passing it on as Windows' does.
  if (msg.message == WM_SYSKEYDOWN && msg.wParam == VK_F4) {
    for (const auto& [form, w] : windows_) {
      if (!IsChild(w->hwnd, msg.hwnd)) continue;
      PostMessageW(w->hwnd, WM_SYSCOMMAND, SC_CLOSE, 0);
      return true;
    }
    return false;
  }
  // Escape closes a dialog-like form as its close box does, unless it closes
  // an open list first.
  if (msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE) {
    for (const auto& [form, w] : windows_) {
      if (msg.hwnd != w->hwnd && !IsChild(w->hwnd, msg.hwnd)) continue;
      if (!form->Design() || !form->Design()->closesOnEscape) return false;
      for (const auto& [c, h] : w->children)
        if (c->GetKind() == Kind::ComboBox && SendMessageW(h, CB_GETDROPPEDSTATE, 0, 0)) return false;
      PostMessageW(w->hwnd, WM_SYSCOMMAND, SC_CLOSE, 0);
      return true;
    }
    return false;
  }
  if (msg.message != WM_KEYDOWN) return false;
  for (const auto& [form, w] : windows_) {
    if (msg.hwnd != w->hwnd && !IsChild(w->hwnd, msg.hwnd)) continue;
    switch (msg.wParam) {
      case VK_RETURN: return PressOnEnter(*w, (msg.lParam & kKeyWasDown) != 0);
      case VK_UP:
      case VK_LEFT: return ChooseNextOption(*w, -1);
      case VK_DOWN:
      case VK_RIGHT: return ChooseNextOption(*w, +1);
      case VK_TAB: return MoveTabFocus(*w, GetKeyState(VK_SHIFT) < 0);
      default: return false;
    }
  }
  return false;
}

bool Win32Host::PressOnEnter(FormWindow& w, bool repeated) {
  // Enter presses the focused push button, as on Windows; anywhere else but in
  // an open list it presses the form's default button.
  const auto [c, h] = w.Focused();
  if (c && c->GetKind() == Kind::ComboBox && SendMessageW(h, CB_GETDROPPEDSTATE, 0, 0)) return false;
  // One press, one click: a held Enter would otherwise walk through every page
  // of the wizard, the choice of action included, at the keyboard's repeat rate.
  if (repeated) return true;
  const HWND target = c && c->GetKind() == Kind::CommandButton ? h : w.DefaultButton();
  if (!target) return false;
  if (IsWindowEnabled(target)) SendMessageW(target, BM_CLICK, 0, 0);
  return true;
}

bool Win32Host::ChooseNextOption(FormWindow& w, int step) {
  // The arrows move between the option buttons of one group and choose, as in a dialog.
  const auto [c, h] = w.Focused();
  if (!c || c->GetKind() != Kind::OptionButton) return false;
  std::vector<HWND> group;
  size_t at = 0;
  for (int i = 0;; ++i) {
    Control* option = w.form.Find(c->Name(), i);
    if (!option) break;
    const auto it = w.children.find(option);
    if (option != c && (it == w.children.end() || !option->Visible() || !option->Enabled())) continue;
    if (option == c) at = group.size();
    group.push_back(option == c ? h : it->second);
  }
  if (group.size() < 2) return true;
  const size_t n = group.size();
  const HWND next = group[step > 0 ? (at + 1) % n : (at + n - 1) % n];
  SetFocus(next);
  SendMessageW(next, BM_CLICK, 0, 0);
  return true;
}

bool Win32Host::MoveTabFocus(FormWindow& w, bool back) {
  // Tab moves through the form's tab stops. The dialog manager would skip
  // option buttons that are not chosen, which the designs do not want.
  const std::vector<HWND> order = w.TabOrder();
  if (order.empty()) return false;
  const auto at = std::find(order.begin(), order.end(), w.Focused().second);
  size_t next = 0;
  if (at != order.end()) {
    const size_t i = size_t(at - order.begin());
    next = back ? (i + order.size() - 1) % order.size() : (i + 1) % order.size();
  } else if (back) {
    next = order.size() - 1;
  }
  SetFocus(order[next]);
  return false;
}

void Win32Host::Destroy(Form& form) {
  const auto it = windows_.find(&form);
  if (it == windows_.end()) return;
  std::unique_ptr<FormWindow> w = std::move(it->second);
  windows_.erase(it);
  previewHosts_.erase(&form);
  const bool alreadyGoing = w->destroying;  // inside its own WM_DESTROY
  w->destroying = true;
  if (!alreadyGoing && IsWindow(w->hwnd)) DestroyWindow(w->hwnd);
  SetWindowLongPtrW(w->hwnd, GWLP_USERDATA, 0);
  retired_.push_back(std::move(w));
  if (windows_.empty()) PostQuitMessage(0);
}

bool Win32Host::HasWindow(const Form& form) const {
  const FormWindow* w = Find(form);
  return w && IsWindow(w->hwnd);
}

void CALLBACK Win32Host::WatchPreviewHosts(HWND, UINT, UINT_PTR, DWORD) {
  Win32Host* self = watching_;
  if (!self) return;
  for (auto it = self->previewHosts_.begin(); it != self->previewHosts_.end();) {
    Form& form = *it->first;
    const HWND host = it->second;
    ++it;  // WindowLost may end the entry
    if (!IsWindow(host) || !self->HasWindow(form)) form.WindowLost();
  }
}

void Win32Host::SetVisible(Form& form, bool visible) {
  FormWindow* w = visible ? Realize(form) : Find(form);
  if (!w) return;
  if (!visible) {
    ShowWindow(w->hwnd, SW_HIDE);
    return;
  }
  const bool activates = !form.Design() || form.Design()->activates;
  if (!activates) {
    ShowWindow(w->hwnd, SW_SHOWNOACTIVATE);
    UpdateWindow(w->hwnd);
    return;
  }
  ShowWindow(w->hwnd, form.GetWindowState() == WindowState::Maximized ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL);
  UpdateWindow(w->hwnd);
  // The focus goes to the first control in the tab order that can take it,
  // with its mark shown from the start.
  const std::vector<HWND> order = w->TabOrder();
  if (!order.empty()) SetFocus(order.front());
  SendMessageW(w->hwnd, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
}

void Win32Host::FormChanged(Form& form) {
  FormWindow* w = Find(form);
  if (!w) return;
  if (form.Caption() != WindowText(w->hwnd)) SetWindowTextW(w->hwnd, form.Caption().c_str());
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
  const bool timerStarts = c.GetKind() == Kind::Timer && c.Enabled() && c.Interval() > 0;
  FormWindow* w = timerStarts ? Realize(c.Owner()) : Find(c.Owner());
  if (!w) return;
  if (c.GetKind() == Kind::Timer) {
    w->SyncTimer(c);
    return;
  }
  if (c.IsWindowed()) {
    w->SyncChild(c);
    return;
  }
  if (c.Design().toolTip) w->SyncToolTip(c);
  InvalidateRect(w->hwnd, nullptr, FALSE);
}

Size Win32Host::MeasureText(const Font& font, const std::wstring& text, int wrapWidth) {
  return gdi_.MeasureText(font, text, wrapWidth);
}

void Win32Host::SetTopmost(Form& form, bool topmost) {
  FormWindow* w = Find(form);
  if (!w) return;
  SetWindowPos(w->hwnd, topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void Win32Host::BringToFront(Form& form) {
  FormWindow* w = Find(form);
  if (!w) return;
  // Raising costs a redraw on Windows: only when a shown window is above it.
  for (HWND above = GetWindow(w->hwnd, GW_HWNDPREV); above; above = GetWindow(above, GW_HWNDPREV))
    if (IsWindowVisible(above) && !(GetWindowLongW(above, GWL_EXSTYLE) & WS_EX_TOPMOST)) {
      SetWindowPos(w->hwnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
      return;
    }
}

void Win32Host::Focus(Control& c) {
  FormWindow* w = Find(c.Owner());
  if (!w) return;
  const auto it = w->children.find(&c);
  if (it != w->children.end() && IsWindowVisible(it->second)) SetFocus(it->second);
}

bool Win32Host::EmbedInto(Form& form, int64_t hostWindow) {
  HWND host = reinterpret_cast<HWND>(static_cast<intptr_t>(hostWindow));
  // The desktop is never a preview's host: a child of it would be a
  // full-screen window that nothing can close.
  if (hostWindow == 0 || !IsWindow(host) || host == GetDesktopWindow()) return false;
  FormWindow* w = Realize(form);
  if (!w) return false;
  RECT hostRect{};
  GetClientRect(host, &hostRect);
  // A child may not keep WS_POPUP: the two styles contradict each other.
  const LONG style = (GetWindowLongW(w->hwnd, GWL_STYLE) & ~LONG(WS_POPUP)) | WS_CHILD;
  SetWindowLongW(w->hwnd, GWL_STYLE, style);
  SetParent(w->hwnd, host);
  SetWindowLongPtrW(w->hwnd, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(host));
  SetWindowPos(w->hwnd, nullptr, 0, 0, hostRect.right, hostRect.bottom, SWP_SHOWWINDOW | SWP_NOACTIVATE | SWP_NOZORDER);
  form.HostPlaced(0, 0, hostRect.right, hostRect.bottom);
  previewHosts_[&form] = host;
  watching_ = this;
  if (!hostWatch_) hostWatch_ = SetTimer(nullptr, 0, 1000, WatchPreviewHosts);
  return true;
}

void Win32Host::ApplyRegion(Form& form) {
  FormWindow* w = Find(form);
  if (!w) return;
  win32::UniqueRegion region = RegionFromRects(form.WindowRegion());
  // On success the system owns the region and deletes it when it is replaced;
  // on failure it is still ours and the wrapper deletes it.
  if (SetWindowRgn(w->hwnd, region.get(), TRUE)) region.release();
}

void Win32Host::ApplyOpacity(Form& form) {
  if (FormWindow* w = Find(form)) ApplyLayeredAlpha(w->hwnd, form.Opacity());
}

void Win32Host::BeginDrag(Form& form) {
  FormWindow* w = Find(form);
  if (!w) return;
  // The platform's own caption drag: it moves the window with the pointer
  // until the button is released, and returns then.
  ReleaseCapture();
  SendMessageW(w->hwnd, WM_NCLBUTTONDOWN, HTCAPTION, 0);
}

}  // namespace tarnix::ui
