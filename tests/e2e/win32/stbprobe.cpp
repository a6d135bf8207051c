// Test helper run under Wine: stb as it is, asking the system for its power
// capabilities, but printing instead of suspending the machine or turning its
// display off, and printing instead of showing a message box.
//   stbprobe ARGUMENTS   prints "capabilities ...", then what stb would do; exits with stb's code
#include <windows.h>

#include <cstdio>

#include "base/Text.h"
#include "stb/win32/Win32PowerControl.h"

namespace {

class Probe : public tarnix::stb::Win32PowerControl {
 public:
  std::optional<tarnix::stb::PowerCapabilities> Capabilities() override {
    const auto c = Win32PowerControl::Capabilities();
    if (c) std::printf("capabilities s3=%d s4=%d hiberfile=%d aoac=%d\n", c->s3, c->s4, c->hiberFilePresent, c->aoac);
    else std::puts("capabilities unknown");
    return c;
  }
  bool Suspend(tarnix::stb::PowerRequest r) override {
    std::printf("would suspend hibernate=%d\n", r == tarnix::stb::PowerRequest::Hibernate);
    return true;
  }
  void TurnDisplayOff() override { std::puts("would turn the display off"); }
  void ShowMessage(const std::wstring& text, bool isError) override {
    std::printf("message error=%d %ls\n", isError, text.substr(0, text.find(L'\r')).c_str());
  }
};

}  // namespace

int wmain() {
  Probe probe;
  const int code = tarnix::stb::Run(tarnix::ArgumentsFromCommandLine(GetCommandLineW()), probe);
  std::fflush(stdout);
  return code;
}
