// Renders the form model as real windows: one popup per form, windowless
// labels and images painted by the form in stacking order, real child
// controls for buttons, lists and boxes, and window messages turned into the
// form's events.
#pragma once
#include <windows.h>

#include <map>
#include <memory>
#include <tuple>

#include "platform/win32/Unique.h"
#include "ui/Form.h"

namespace tarnix::ui {

class Win32Host : public FormHost {
 public:
  explicit Win32Host(HINSTANCE instance);
  ~Win32Host() override;

  void Create(Form& form) override;
  void Destroy(Form& form) override;
  void SetVisible(Form& form, bool visible) override;
  void FormChanged(Form& form) override;
  void ControlChanged(Control& control) override;
  Size MeasureText(const Font& font, const std::wstring& text, int wrapWidth) override;
  void SetTopmost(Form& form, bool topmost) override;
  void BringToFront(Form& form) override;
  bool EmbedInto(Form& form, int64_t hostWindow) override;

  HWND WindowOf(const Form& form) const;
  // Tab and Shift+Tab through the design's tab order; true
  // when the message was handled.
  bool PreTranslate(MSG& msg);
  // Dispatches messages while keepGoing() holds and the thread has not quit.
  template <typename KeepGoing>
  void RunMessageLoop(KeepGoing keepGoing) {
    MSG msg;
    while (keepGoing() && GetMessageW(&msg, nullptr, 0, 0) > 0) {
      if (PreTranslate(msg)) continue;
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
  }
  bool HasWindows() const { return !windows_.empty(); }

 private:
  struct Window;
  static LRESULT CALLBACK FormProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  static LRESULT CALLBACK PictureProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  LRESULT Handle(Window& w, UINT msg, WPARAM wp, LPARAM lp);
  void Paint(Window& w);
  void Mouse(Window& w, UINT msg, WPARAM wp, LPARAM lp);
  void Command(Window& w, WPARAM wp, LPARAM lp);
  void CreateChild(Window& w, Control& c, int id);
  void SyncChild(Window& w, Control& c);
  void SyncTimer(Window& w, Control& c);
  void SyncToolTip(Window& w, Control& c);
  HFONT FontFor(const Font& font);
  HBITMAP Picture(int id, SIZE* size = nullptr);
  HBRUSH BrushFor(uint32_t color);
  Window* Find(const Form& form) const;

  HINSTANCE instance_;
  std::map<const Form*, std::unique_ptr<Window>> windows_;
  std::map<std::tuple<std::wstring, int, bool, bool, bool>, win32::UniqueFont> fonts_;
  std::map<int, win32::UniqueBitmap> pictures_;
  std::map<uint32_t, win32::UniqueBrush> brushes_;
};

}  // namespace tarnix::ui
