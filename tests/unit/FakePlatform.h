// A platform that records what the program asked of it; EndProcess throws.
#pragma once
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "app/App.h"
#include "platform/Platform.h"
#include "settings/SettingsStore.h"

namespace tarnix::testing {

// The smallest complete x86 program the install accepts: the DOS header, the
// PE headers with a 224-byte optional header, one section of 512 bytes.
inline std::string MinimalProgram(uint16_t machine = 0x14C) {
  std::string f(0x400, '\0');
  auto put = [&](size_t at, uint32_t v, size_t bytes) {
    for (size_t i = 0; i < bytes; ++i) f[at + i] = char(v >> (8 * i) & 0xFF);
  };
  f[0] = 'M', f[1] = 'Z';
  put(0x3C, 0x40, 4);
  f.replace(0x40, 4, std::string("PE\0\0", 4));
  put(0x44, machine, 2);
  put(0x46, 1, 2);                              // one section
  put(0x54, 224, 2);                            // optional header size
  put(0x56, 0x0102, 2);                         // executable, 32-bit
  put(0x58, machine == 0x14C ? 0x10B : 0x20B, 2);
  put(0x58 + 60, 0x200, 4);                     // size of the headers
  const size_t section = 0x58 + 224;
  f.replace(section, 5, ".text");
  put(section + 16, 0x200, 4);                  // raw size
  put(section + 20, 0x200, 4);                  // raw data at
  return f;
}

class FakePlatform : public Platform {
 public:
  std::wstring exePath = L"C:\\WINDOWS\\Tarnix.scr";
  std::wstring commandLine = L"C:\\WINDOWS\\Tarnix.scr /s";
  std::wstring winDir = L"C:\\WINDOWS";
  long osMajor = 5;
  bool canStart = true;
  size_t copiesAllowed = SIZE_MAX;  // copies after this many are refused
  bool canWriteProfile = true;
  ScreenSize screen{1024, 768};
  Elevation elevation{};   // elevated, as XP and Wine are
  std::optional<int> elevatedExitCode = 0;  // nullopt: the user declines the prompt
  std::vector<std::wstring> elevatedRuns;   // their arguments
  ScreenArea virtualScreen{0, 0, 1024, 768};
  // Files by path; a path not listed reads as a complete program.
  std::map<std::wstring, std::string> fileHeads;

  struct Run { std::wstring program, commandLine; int show; };
  struct Message { std::wstring text; unsigned style; std::wstring title; };
  std::vector<Run> runs;
  std::vector<Message> messages;
  struct Copy { std::wstring from, to; };
  std::vector<Copy> copies;
  std::vector<std::wstring> profile;  // "section/key=value" in order
  std::vector<std::wstring> events;  // calls in order
  int beeps = 0;
  int cursorCount = 0;
  int initCommonControls = 0;

  void InitCommonControls() override { ++initCommonControls; events.push_back(L"InitCommonControls"); }
  std::wstring ExePath() override { return exePath; }
  std::wstring CommandLine() override { return commandLine; }
  std::wstring Environment(const std::wstring& name) override {
    return name == L"WinDir" ? winDir : std::wstring();
  }
  std::wstring systemWindowsFolder = L"C:\\WINDOWS";
  std::set<std::wstring> missingFolders;  // every other folder exists
  bool canActivate = true;
  std::wstring SystemWindowsFolder() override { return systemWindowsFolder; }
  bool FolderExists(const std::wstring& path) override { return !path.empty() && !missingFolders.count(path); }
  bool ActivateScreenSaver() override {
    events.push_back(L"ActivateScreenSaver");
    return canActivate;
  }
  // Time moves a second on every look at the clock: a test's clicks are a
  // user's, far apart, unless it sets the step to play a double-click.
  unsigned tick = 100000, tickStep = 1000, doubleClickTime = 500;
  unsigned TickCount() override { return tick += tickStep; }
  unsigned DoubleClickTime() override { return doubleClickTime; }
  Language displayLanguage = Language::English;
  Language DisplayLanguage() override { return displayLanguage; }
  long OsMajorVersion() override {
    events.push_back(L"OsMajorVersion");
    return osMajor;
  }
  std::function<void()> whileMessageShows;  // what the user sees meanwhile
  void ShowMessage(const std::wstring& text, unsigned style, const std::wstring& title) override {
    messages.push_back({text, style, title});
    events.push_back(L"Message");
    if (whileMessageShows) whileMessageShows();
  }
  void Beep() override { ++beeps; events.push_back(L"Beep"); }
  [[noreturn]] void EndProcess(int code) override {
    events.push_back(L"EndProcess");
    throw ProcessEnded{code};
  }
  bool RunCommand(const std::wstring& program, const std::wstring& line, int show) override {
    events.push_back(L"Run");
    if (!canStart) return false;
    runs.push_back({program, line, show});
    return true;
  }
  VersionInfo ReadVersionInfo() override { return {2, 6, 0, L"Pellhorn Software"}; }
  ScreenSize ScreenPixels() override { return screen; }
  // Files that exist, for the uninstall; their content is fileHeads' (a
  // complete program where not listed). Locked ones run in a process.
  std::set<std::wstring> files;
  std::set<std::wstring> lockedFiles;
  bool freedWithinWait = true;  // the processes that run a locked file end during DeleteFileWhenFree
  bool canDeleteAtRestart = true;
  bool canRename = true;
  std::set<std::wstring> movedAway;  // renamed: nothing is there under the old name
  std::vector<std::wstring> deletedAtRestart;
  std::wstring tempFolder = L"C:\\TEMP\\";
  bool CopyFileTo(const std::wstring& from, const std::wstring& to) override {
    events.push_back(L"CopyFile");
    copies.push_back({from, to});
    // A file that a program runs cannot be overwritten.
    if (copies.size() > copiesAllowed || movedAway.count(from) || lockedFiles.count(to)) return false;
    files.insert(to);
    if (const auto it = fileHeads.find(from); it != fileHeads.end()) fileHeads[to] = it->second;
    if (downloadMarks.count(from)) downloadMarks.insert(to);
    return true;
  }
  // Files that carry the mark of a download from the Internet.
  std::set<std::wstring> downloadMarks;
  void ForgetDownloadMark(const std::wstring& path) override { downloadMarks.erase(path); }
  bool FileExists(const std::wstring& path) override { return files.count(path) > 0; }
  std::optional<uint64_t> FileSize(const std::wstring& path) override {
    if (!files.count(path)) return std::nullopt;
    const auto it = fileHeads.find(path);
    return (it == fileHeads.end() ? MinimalProgram() : it->second).size();
  }
  bool DeleteFileNow(const std::wstring& path) override {
    events.push_back(L"DeleteFile " + path);
    if (lockedFiles.count(path)) return false;
    files.erase(path);
    return true;
  }
  bool DeleteFileWhenFree(const std::wstring& path, unsigned) override {
    if (freedWithinWait) lockedFiles.erase(path);
    return DeleteFileNow(path);
  }
  bool RenameFile(const std::wstring& from, const std::wstring& to) override {
    events.push_back(L"RenameFile " + from + L" " + to);
    if (!canRename || !files.count(from) || files.count(to)) return false;
    files.erase(from);
    files.insert(to);
    movedAway.insert(from);
    if (lockedFiles.erase(from)) lockedFiles.insert(to);  // the program that runs it still does
    return true;
  }
  bool DeleteAtRestart(const std::wstring& path) override {
    deletedAtRestart.push_back(path);
    return canDeleteAtRestart;
  }
  std::wstring TempFolder() override { return tempFolder; }
  // Machine-wide registry keys with their values.
  std::map<std::wstring, std::vector<RegistryValue>> machineKeys;
  bool canWriteMachine = true, canDeleteMachine = true;
  bool WriteMachineKey(const std::wstring& key, const std::vector<RegistryValue>& values) override {
    events.push_back(L"WriteMachineKey");
    if (!canWriteMachine) return false;
    machineKeys[key] = values;
    return true;
  }
  bool MachineKeyExists(const std::wstring& key) override { return machineKeys.count(key) > 0; }
  bool DeleteMachineKey(const std::wstring& key) override {
    events.push_back(L"DeleteMachineKey");
    if (!canDeleteMachine) return false;
    machineKeys.erase(key);
    return true;
  }
  // The profile as it stands, "section/key" to value.
  std::map<std::wstring, std::wstring> profileNow;
  bool WriteProfileEntry(const std::wstring& section, const std::wstring& key, const std::wstring& value) override {
    events.push_back(L"WriteProfile");
    profile.push_back(section + L"/" + key + L"=" + value);
    if (canWriteProfile) profileNow[section + L"/" + key] = value;
    return canWriteProfile;
  }
  std::wstring ReadProfileEntry(const std::wstring& section, const std::wstring& key) override {
    const auto it = profileNow.find(section + L"/" + key);
    return it == profileNow.end() ? std::wstring() : it->second;
  }
  bool RemoveProfileEntry(const std::wstring& section, const std::wstring& key) override {
    events.push_back(L"RemoveProfile");
    if (canWriteProfile) profileNow.erase(section + L"/" + key);
    return canWriteProfile;
  }
  bool DeactivateScreenSaver() override {
    events.push_back(L"DeactivateScreenSaver");
    return canActivate;
  }
  bool answerYes = true;
  std::vector<std::wstring> questions;
  bool AskYesNo(const std::wstring& text, const std::wstring&) override {
    events.push_back(L"Ask");
    questions.push_back(text);
    return answerYes;
  }
  Elevation QueryElevation() override { return elevation; }
  std::optional<int> RunElevatedAndWait(const std::wstring& arguments) override {
    events.push_back(L"RunElevated");
    elevatedRuns.push_back(arguments);
    return elevatedExitCode;
  }
  std::string ReadFileHead(const std::wstring& path, size_t count) override {
    const auto it = fileHeads.find(path);
    return (it == fileHeads.end() ? MinimalProgram() : it->second).substr(0, count);
  }
  ScreenArea VirtualScreenPixels() override { return virtualScreen; }
  int ShowCursor(bool show) override {
    events.push_back(show ? L"ShowCursor(true)" : L"ShowCursor(false)");
    return cursorCount += show ? 1 : -1;
  }
};

// A process of the program with a fake platform and an in-memory store.
struct FakeProcess {
  FakePlatform platform;
  MemorySettingsStore settings;
  App app{platform, settings};

  // Runs the start-up; true when the process ended on its own.
  bool Start() {
    try {
      app.Start();
    } catch (const ProcessEnded&) {
      return true;
    }
    return false;
  }
  // Runs an input or handler; true when it ended the process.
  static bool Ends(const std::function<void()>& action) {
    try {
      action();
    } catch (const ProcessEnded&) {
      return true;
    }
    return false;
  }
};

}  // namespace tarnix::testing
