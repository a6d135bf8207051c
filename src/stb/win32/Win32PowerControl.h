// stb's system side: the power capabilities, the suspend call and the display.
#pragma once
#include <windows.h>

#include <optional>
#include <string>

#include "stb/StbCommand.h"

namespace tarnix::stb {

class Win32PowerControl : public PowerControl {
 public:
  bool EnableShutdownPrivilege() override;
  std::optional<PowerCapabilities> Capabilities() override;
  bool Suspend(PowerRequest request) override;
  void TurnDisplayOff() override;
  std::wstring LastErrorText() override;
  void ShowMessage(const std::wstring& text, bool isError) override;

 private:
  DWORD error_ = 0;
};

}  // namespace tarnix::stb
