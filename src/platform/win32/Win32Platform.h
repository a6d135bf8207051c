#pragma once
#include "platform/Platform.h"

namespace tarnix {

class Win32Platform : public Platform {
 public:
  void InitCommonControls() override;
  std::wstring ExePath() override;
  std::wstring CommandLine() override;
  std::wstring Environment(const std::wstring& name) override;
  long OsMajorVersion() override;
  Language DisplayLanguage() override;
  unsigned TickCount() override;
  unsigned DoubleClickTime() override;
  std::wstring SystemWindowsFolder() override;
  bool FolderExists(const std::wstring& path) override;
  bool ActivateScreenSaver() override;
  void ShowMessage(const std::wstring& text, unsigned style, const std::wstring& title) override;
  void Beep() override;
  [[noreturn]] void EndProcess(int exitCode) override;
  bool RunCommand(const std::wstring& program, const std::wstring& commandLine,
                  int showState) override;
  VersionInfo ReadVersionInfo() override;
  int ShowCursor(bool show) override;
  ScreenSize ScreenPixels() override;
  bool CopyFileTo(const std::wstring& from, const std::wstring& to) override;
  bool WriteProfileEntry(const std::wstring& section, const std::wstring& key,
                         const std::wstring& value) override;
  Elevation QueryElevation() override;
  std::optional<int> RunElevatedAndWait(const std::wstring& arguments) override;
  std::string ReadFileHead(const std::wstring& path, size_t count) override;
  ScreenArea VirtualScreenPixels() override;
};

}  // namespace tarnix
