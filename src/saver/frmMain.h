// The saver window: the start-up window, the preview, the black screen and the
// design state.
#pragma once
#include <cstdint>
#include <string>

#include "ui/Form.h"

namespace tarnix {

class App;

class frmMain : public ui::Form {
 public:
  explicit frmMain(App& app);

  // The designed controls.
  ui::Control& lblInfo = Bind(L"lblInfo");
  ui::Control& lblInfo2 = Bind(L"lblInfo2");
  ui::Control& imgLogo = Bind(L"imgLogo");

  void Form_Initialize();
  void ShowDesignState();
  void EnterPreview(const std::wstring& arguments);
  void EnterBlackScreen();

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
  void Form_Resize() override {}  // the layout is never recomputed on a size change
  void Form_DisplayChanged() override;
  void WindowLost() override;

 protected:
  void Form_Load() override;
  void Form_Unload(int& cancel) override;

 private:
  void RunStoredAction();
  void Form_Terminate();
  void CoverEveryMonitor();
  [[noreturn]] void EndAtOnce();

  App& app_;
  bool isPreview_ = false;
  int32_t hostWindow_ = 0;
  // Wider than 16 bits, so that a screen beyond 2184 pixels cannot overflow them.
  int32_t lastMouseX_ = 0, lastMouseY_ = 0;
  bool onTop_ = false;
  bool blackScreen_ = false;
};

}  // namespace tarnix
