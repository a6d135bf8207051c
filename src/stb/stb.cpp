// stb.exe: hibernation or stand-by on request, for the saver's actions.
#include <windows.h>

#include "base/Text.h"
#include "stb/win32/Win32PowerControl.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  tarnix::stb::Win32PowerControl power;
  return tarnix::stb::Run(tarnix::ArgumentsFromCommandLine(GetCommandLineW()), power);
}
