// The real window behind one form: its child controls, and its window
// messages turned into the form's events, one handler per message.
#pragma once
#include <windows.h>

#include <map>
#include <set>
#include <utility>
#include <string>
#include <vector>

#include "ui/Form.h"
#include "ui/win32/GdiCache.h"

namespace tarnix::ui {

inline constexpr wchar_t kFormClass[] = L"TarnixForm";
inline constexpr wchar_t kPictureClass[] = L"TarnixPicture";

// Reports an error no handler caught in one message box and ends the process
// with a non-zero code. The program sets the box's first line, in its user's
// language, before any window opens.
[[noreturn]] void EndOnFatalError(const char* what);
void SetFatalErrorText(std::wstring text);

// A window's whole text, however long.
std::wstring WindowText(HWND hwnd);

// Pixel rectangle of a control within its form.
RECT PixelRect(const Control& c);

struct FormWindow {
  FormWindow(Form& f, GdiCache& g, HINSTANCE i) : form(f), gdi(g), instance(i) {}

  Form& form;
  GdiCache& gdi;
  HINSTANCE instance;
  HWND hwnd = nullptr;
  std::map<Control*, HWND> children;
  std::map<int, Control*> byId;
  HWND toolTips = nullptr;
  std::set<const Control*> tools;                 // the controls that have their tool tip tool
  std::map<const Control*, uint64_t> listsShown;  // the list revision each combo box shows
  Control* pressed = nullptr;  // where the mouse went down
  bool pressedOnForm = false;
  bool destroying = false;

  // The child id and timer id of a control; 0 when it has none.
  int IdOf(const Control& c) const;
  // The control with the keyboard focus and its window (a combo box for its
  // edit part); none when the focus is elsewhere.
  std::pair<Control*, HWND> Focused() const;

  // Child controls (ChildControls.cpp).
  void CreateControls();
  void CreateChild(Control& c, int id);
  void SyncChild(Control& c);
  void SyncTimer(Control& c);
  void SyncToolTip(Control& c);
  // Controls that can take the focus now, in the order Tab moves through them.
  std::vector<HWND> TabOrder() const;
  // After the focused control was hidden or disabled: the default button, or
  // the first in the tab order.
  void MoveFocusOn();
  // The form's default button when it is shown; none otherwise.
  HWND DefaultButton() const;
  // The control that shows the focus of one lying outside the skin, when it has it.
  const Control* SeenFocus() const;
  static RECT FocusMarkRect(const Control& seen);
  static LRESULT CALLBACK PictureProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);

  // Messages (FormWindow.cpp).
  static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  LRESULT Handle(UINT msg, WPARAM wp, LPARAM lp);
  void OnPaint();
  void OnMouse(UINT msg, WPARAM wp, LPARAM lp);
  void OnCommand(WPARAM wp);
  void OnTimer(WPARAM id);
  void OnSize(WPARAM kind, LPARAM lp);
  void OnMove(LPARAM lp);
  LRESULT OnCtlColor(UINT msg, WPARAM wp, LPARAM lp);
  LRESULT OnMeasureItem(MEASUREITEMSTRUCT& mi);
  LRESULT OnDrawItem(DRAWITEMSTRUCT& di);
  void OnClose();
  void OnDestroy();
};

}  // namespace tarnix::ui
