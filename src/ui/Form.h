// A window of the program as its handlers see it: loaded on first use, unloaded
// once, with named controls, events routed to handlers, and its state kept here
// so that the Win32 host only renders it.
#pragma once
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "ui/Control.h"
#include "ui/Picture.h"

namespace tarnix::ui {

enum class WindowState { Normal = 0, Maximized = 2 };
enum class StartPosition { PlatformDefault, ScreenCenter };

struct FormDesign {
  const wchar_t* name = L"";
  const wchar_t* caption = L"";
  int clientWidth = 0, clientHeight = 0;  // twips
  uint32_t backColor = Rgb(0, 0, 0);
  int picture = 0;  // background picture, drawn unscaled from the top-left corner
  int icon = 0;
  StartPosition startPosition = StartPosition::PlatformDefault;
  bool showInTaskbar = false;
  bool closesOnEscape = false;  // Escape closes it as the close box does, as in a dialog
  bool activates = true;        // false: shown and raised without ever taking the activation or the focus
  const wchar_t* defaultButton = nullptr;  // the button Enter presses where the focus is on no button
  const ControlDesign* controls = nullptr;  // in stacking order, from the top
  size_t controlCount = 0;
};

struct Size {
  int width = 0, height = 0;
};

class Form;

// Reading order of rectangles: rows from the top, each from the left. A
// rectangle whose middle lies within the first one of a row belongs to it.
std::vector<size_t> ReadingOrder(const std::vector<Rect>& rects);

// What a form needs from the windowing layer. A form without a host keeps its
// state only (tests).
class FormHost {
 public:
  virtual ~FormHost() = default;
  // The form was loaded. A host may make its window later, when it is first
  // needed (shown, embedded, a timer running), from the form's state then.
  virtual void Create(Form& form) = 0;
  virtual void Destroy(Form& form) = 0;
  // Whether the form has a real window now (made, and not gone).
  virtual bool HasWindow(const Form& form) const = 0;
  virtual void SetVisible(Form& form, bool visible) = 0;
  virtual void FormChanged(Form& /*form*/) {}
  virtual void ControlChanged(Control& /*control*/) {}
  // Pixels a caption needs in a font; wrapWidth > 0 wraps at that many pixels.
  virtual Size MeasureText(const Font& font, const std::wstring& text, int wrapWidth) = 0;
  virtual void SetTopmost(Form& form, bool topmost) = 0;
  virtual void BringToFront(Form& /*form*/) {}
  // Gives a windowed control the keyboard focus.
  virtual void Focus(Control& /*control*/) {}
  // Makes the window a visible child covering the client area of another
  // window (a preview host). False when the handle names no window.
  virtual bool EmbedInto(Form& form, int64_t hostWindow) = 0;
  // Clips the window to form.WindowRegion() (none: the full rectangle).
  virtual void ApplyRegion(Form& /*form*/) {}
  // Makes the window layered with form.Opacity().
  virtual void ApplyOpacity(Form& /*form*/) {}
  // Lets the platform move the window with the pointer, as if its caption had been pressed.
  virtual void BeginDrag(Form& /*form*/) {}
  // The pixels of a picture resource; nullopt when there is none.
  virtual std::optional<Picture> ReadPicture(int /*id*/) { return std::nullopt; }
};

enum class UnloadMode { FormControlMenu = 0, FormCode = 1 };
enum class Event { Click, Change, MouseMove, MouseDown, Timer };

struct MouseArgs {
  int button = 0, shift = 0;
  float x = 0, y = 0;  // twips, relative to the control (or the form)
};

class Form {
 public:
  explicit Form(std::wstring name);
  explicit Form(const FormDesign& design);
  virtual ~Form();
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;

  const std::wstring& Name() const { return name_; }
  const FormDesign* Design() const { return design_; }
  bool IsLoaded() const { return loaded_; }
  bool IsVisible() const { return visible_; }
  // True once Show, Hide or Unload has been asked for since loading.
  bool WasTouched() const { return touched_; }

  void SetHost(FormHost* host) { host_ = host; }
  FormHost* Host() const { return host_; }

  void Load();
  void Show();
  void Hide();
  // Does nothing for a window that is not loaded or is being unloaded already,
  // so nested calls never run the handlers twice. Returns false if cancelled.
  bool Unload(UnloadMode mode = UnloadMode::FormCode);

  // Window properties; places and sizes in twips.
  const std::wstring& Caption() const { return caption_; }
  void SetCaption(const std::wstring& caption);
  int Left() const { return left_; }
  int Top() const { return top_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  void Move(int left, int top, int width = -1, int height = -1);
  // True once the program has placed the window (Move); otherwise the
  // platform picks its place when the window is made.
  bool IsPlaced() const { return placed_; }
  bool Topmost() const { return topmost_; }
  void SetTopmost(bool topmost);
  WindowState GetWindowState() const { return windowState_; }
  void SetWindowState(WindowState state);
  // The window's shape in pixels of its own area; empty: its full rectangle.
  const std::vector<Rect>& WindowRegion() const { return region_; }
  void SetWindowRegion(std::vector<Rect> rects);
  // Opacity 0 to 255 of a layered window; -1 until it is made layered.
  int Opacity() const { return opacity_; }
  void SetOpacity(int alpha);
  // Hands the window to the platform's move loop until the button is released.
  void BeginDrag() {
    if (host_ && loaded_) host_->BeginDrag(*this);
  }
  // Puts the window above the others of its level.
  void ZOrder() {
    if (host_ && loaded_) host_->BringToFront(*this);
  }

  // Controls by name (and index for control arrays), for tests and tools;
  // handlers use the form's typed members.
  Control& C(const std::wstring& name, int index = -1);
  Control* Find(const std::wstring& name, int index = -1) const;
  const std::vector<std::unique_ptr<Control>>& Controls() const { return controls_; }
  // The windowless control under a pixel, from the top of the stacking order.
  Control* HitTest(int x, int y) const;
  // Where the user sees a control: its own place, or for one that lies outside
  // the skin, the same element of the control its design names as seenAs.
  const Control& SeenAs(const Control& c) const;
  // The controls Tab moves between: shown, enabled and taking the focus, in
  // the reading order of where the user sees them.
  std::vector<Control*> TabStops() const;

  // Called by the host.
  void HostPlaced(int leftPx, int topPx, int widthPx, int heightPx);
  void HostResized(int widthPx, int heightPx);
  void HostMoved(int leftPx, int topPx);
  void ControlChanged(Control& control);
  void OptionClicked(Control& option);
  virtual void Form_Click() {}
  virtual void Form_KeyPress(int& /*keyAscii*/) {}
  // Any key pressed, those that type nothing (Shift, the arrows, Alt) included.
  virtual void Form_KeyDown(int /*keyCode*/, int /*shift*/) {}
  // The program lost the foreground to another one.
  virtual void Form_AppDeactivate() {}
  virtual void Form_MouseMove(int /*button*/, int /*shift*/, float /*x*/, float /*y*/) {}
  virtual void Form_MouseDown(int /*button*/, int /*shift*/, float /*x*/, float /*y*/) {}
  virtual void Form_MouseWheel(int /*delta*/) {}
  virtual void Form_Resize() {}
  // The monitors or their resolution changed.
  virtual void Form_DisplayChanged() {}
  virtual void Control_Event(Control& /*control*/, Event /*event*/, const MouseArgs& /*args*/) {}
  // The host showed the window itself (a preview embedded in its host).
  void ShownByHost() {
    visible_ = true;
    touched_ = true;
  }
  // The window was destroyed by someone else (a preview's host going away).
  virtual void WindowLost() { Unload(); }

 protected:
  // Binds a typed member to its designed control when the form is made; a
  // name the design lacks fails here, never later in a handler.
  Control& Bind(const wchar_t* name);
  ControlArray BindArray(const wchar_t* name);

  virtual void Form_Load() {}
  virtual void Form_QueryUnload(int& /*cancel*/, UnloadMode /*mode*/) {}
  virtual void Form_Unload(int& /*cancel*/) {}

 private:
  void ResetToDesign();

  std::wstring name_;
  const FormDesign* design_ = nullptr;
  FormHost* host_ = nullptr;
  std::vector<std::unique_ptr<Control>> controls_;
  bool loaded_ = false;
  bool loading_ = false;
  bool unloading_ = false;
  bool visible_ = false;
  bool touched_ = false;
  std::wstring caption_;
  int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
  bool placed_ = false;
  bool topmost_ = false;
  WindowState windowState_ = WindowState::Normal;
  std::vector<Rect> region_;
  int opacity_ = -1;
};

}  // namespace tarnix::ui
