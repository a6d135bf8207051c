// Renders the form model as real windows: one popup per form, made when it
// is first needed (so a run that shows nothing makes no window and loads no
// common controls), windowless
// labels and images painted by the form in stacking order, real child
// controls for buttons, lists and boxes, and window messages turned into the
// form's events (FormWindow).
#pragma once
#include <windows.h>

#include <map>
#include <memory>
#include <vector>

#include "ui/Form.h"
#include "ui/win32/FormWindow.h"
#include "ui/win32/GdiCache.h"

namespace tarnix::ui {

class Win32Host : public FormHost {
 public:
  explicit Win32Host(HINSTANCE instance);
  ~Win32Host() override;

  void Create(Form& form) override;
  void Destroy(Form& form) override;
  bool HasWindow(const Form& form) const override;
  void SetVisible(Form& form, bool visible) override;
  void FormChanged(Form& form) override;
  void ControlChanged(Control& control) override;
  Size MeasureText(const Font& font, const std::wstring& text, int wrapWidth) override;
  void SetTopmost(Form& form, bool topmost) override;
  void BringToFront(Form& form) override;
  void Focus(Control& control) override;
  bool EmbedInto(Form& form, int64_t hostWindow) override;
  void ApplyRegion(Form& form) override;
  void ApplyOpacity(Form& form) override;
  void BeginDrag(Form& form) override;
  std::optional<Picture> ReadPicture(int id) override { return gdi_.Pixels(id); }

  // The keys the forms handle before their windows see them (Tab and
  // Shift+Tab in reading order, Enter, the arrows on option buttons, Alt+F4,
  // Escape) and the moves over their windowed controls; true when the message
  // was handled.
  bool PreTranslate(MSG& msg);
  // Dispatches messages while keepGoing() holds and the thread has not quit.
  template <typename KeepGoing>
  void RunMessageLoop(KeepGoing keepGoing) {
    MSG msg;
    while (keepGoing() && GetMessageW(&msg, nullptr, 0, 0) > 0) {
      if (!PreTranslate(msg)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
      }
      retired_.clear();  // no handler of theirs is running now
    }
  }

 private:
  FormWindow* Find(const Form& form) const;
  // The form's window, made now from the form's state if it has none yet.
  FormWindow* Realize(Form& form);
  void RegisterClasses();
  bool PressOnEnter(FormWindow& w, bool repeated);
  bool ChooseNextOption(FormWindow& w, int step);
  bool MoveTabFocus(FormWindow& w, bool back);

  HINSTANCE instance_;
  bool classesRegistered_ = false;
  GdiCache gdi_;
  std::map<const Form*, std::unique_ptr<FormWindow>> windows_;
  // Windows destroyed while a handler of theirs may still be on the stack
  // (a form unloaded from its own WM_DESTROY or mouse handler): freed by the
  // message loop once that handler has returned.
  std::vector<std::unique_ptr<FormWindow>> retired_;
  // Embedded previews and their hosts: a host can vanish with its process
  // without a message to the child, so a slow thread timer looks.
  std::map<Form*, HWND> previewHosts_;
  UINT_PTR hostWatch_ = 0;
  static void CALLBACK WatchPreviewHosts(HWND, UINT, UINT_PTR, DWORD);
  static Win32Host* watching_;
};

}  // namespace tarnix::ui
