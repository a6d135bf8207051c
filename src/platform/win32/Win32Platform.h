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
  bool DeactivateScreenSaver() override;
  std::wstring ReadProfileEntry(const std::wstring& section, const std::wstring& key) override;
  bool RemoveProfileEntry(const std::wstring& section, const std::wstring& key) override;
  bool AskYesNo(const std::wstring& text, const std::wstring& title) override;
  bool FileExists(const std::wstring& path) override;
  std::optional<uint64_t> FileSize(const std::wstring& path) override;
  bool DeleteFileNow(const std::wstring& path) override;
  bool DeleteFileWhenFree(const std::wstring& path, unsigned timeoutMs) override;
  bool RenameFile(const std::wstring& from, const std::wstring& to) override;
  bool DeleteAtRestart(const std::wstring& path) override;
  void ForgetDownloadMark(const std::wstring& path) override;
  std::wstring TempFolder() override;
  bool WriteMachineKey(const std::wstring& subKey, const std::vector<RegistryValue>& values) override;
  bool MachineKeyExists(const std::wstring& subKey) override;
  bool DeleteMachineKey(const std::wstring& subKey) override;
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
