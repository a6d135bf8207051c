// The saver window: the start-up window, the preview, the black screen and the
// design state.
#pragma once
#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "ui/Form.h"
#include "ui/Routes.h"

namespace tarnix {

class App;

class frmMain : public ui::Form {
 public:
  explicit frmMain(App& app);

  // The designed controls.
  ui::Control& lblInfo = Bind(L"lblInfo");
  ui::Control& lblInfo2 = Bind(L"lblInfo2");
  ui::Control& imgLogo = Bind(L"imgLogo");
  ui::Control& tmrWarnung = Bind(L"tmrWarnung");

  static std::span<const ui::Route<frmMain>> Routes();
  void Control_Event(ui::Control& control, ui::Event event, const ui::MouseArgs& args) override;

  void Form_Initialize();
  void ShowDesignState();
  void EnterPreview(const std::wstring& arguments);
  void EnterBlackScreen();
  // The black screen with a countdown to the action that any input cancels.
  void EnterWarning(int code, int seconds);

  bool IsWarning() const { return warning_; }
  int SecondsLeft() const { return secondsLeft_; }

  bool OnTop() const { return onTop_; }
  void SetOnTop(bool value);

  bool IsPreview() const { return isPreview_; }
  int32_t LastMouseX() const { return lastMouseX_; }
  int32_t LastMouseY() const { return lastMouseY_; }

  void Form_Click() override;
  void Form_KeyPress(int& keyAscii) override;
  void Form_MouseMove(int button, int shift, float x, float y) override;
  // The wheel is input as a click is.
  void Form_MouseWheel(int delta) override;
  // The warning: keys that type nothing, every button and the foreground lost cancel it too.
  void Form_KeyDown(int keyCode, int shift) override;
  void Form_MouseDown(int button, int shift, float x, float y) override;
  void Form_AppDeactivate() override;
  void tmrWarnung_Timer();
  void Form_Resize() override {}  // the layout is never recomputed on a size change
  void Form_DisplayChanged() override;
  void WindowLost() override;

 protected:
  void Form_Load() override;
  void Form_Unload(int& cancel) override;

 private:
  void RunStoredAction();
  void WriteSettingsIfNewAccount();
  // The stored action: missing altogether is the black screen; nullopt for a value that is no code.
  std::optional<int> StoredActionCode();
  void Form_Terminate();
  void CoverEveryMonitor();
  void LayOutWarning();
  void ShowWarningText();
  // Starts the action; when it cannot start, says so and ends.
  [[noreturn]] void Act(int code);
  [[noreturn]] void CancelWarning();
  [[noreturn]] void EndAtOnce();

  App& app_;
  bool isPreview_ = false;
  int32_t hostWindow_ = 0;
  // Wider than 16 bits, so that a screen beyond 2184 pixels cannot overflow them.
  int32_t lastMouseX_ = 0, lastMouseY_ = 0;
  bool onTop_ = false;
  bool blackScreen_ = false;
  bool warning_ = false;
  int warningCode_ = 0;
  int secondsLeft_ = 0;
};

}  // namespace tarnix
