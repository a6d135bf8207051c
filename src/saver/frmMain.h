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
  explicit frmMain(App& app) : ui::Form(L"frmMain"), app_(app) {}

  void Form_Initialize();
  void ShowDesignState();
  void EnterPreview(const std::wstring& arguments);
  void EnterBlackScreen();

 protected:
  void Form_Load() override;
  void Form_Unload(int& cancel) override;

 private:
  void RunStoredAction();
  void Form_Terminate();

  App& app_;
};

}  // namespace tarnix
