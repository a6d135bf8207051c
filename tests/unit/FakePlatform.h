// A platform that records what the program asked of it; EndProcess throws.
#pragma once
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "app/App.h"
#include "platform/Platform.h"
#include "settings/SettingsStore.h"

namespace tarnix::testing {

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
  // File heads by path; a path not listed reads as a program's.
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
  Language displayLanguage = Language::English;
  Language DisplayLanguage() override { return displayLanguage; }
  long OsMajorVersion() override {
    events.push_back(L"OsMajorVersion");
    return osMajor;
  }
  void ShowMessage(const std::wstring& text, unsigned style, const std::wstring& title) override {
    messages.push_back({text, style, title});
    events.push_back(L"Message");
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
  bool CopyFileTo(const std::wstring& from, const std::wstring& to) override {
    events.push_back(L"CopyFile");
    copies.push_back({from, to});
    return copies.size() <= copiesAllowed;
  }
  bool WriteProfileEntry(const std::wstring& section, const std::wstring& key, const std::wstring& value) override {
    events.push_back(L"WriteProfile");
    profile.push_back(section + L"/" + key + L"=" + value);
    return canWriteProfile;
  }
  Elevation QueryElevation() override { return elevation; }
  std::optional<int> RunElevatedAndWait(const std::wstring& arguments) override {
    events.push_back(L"RunElevated");
    elevatedRuns.push_back(arguments);
    return elevatedExitCode;
  }
  std::string ReadFileHead(const std::wstring& path, size_t count) override {
    const auto it = fileHeads.find(path);
    return (it == fileHeads.end() ? std::string("MZ\x90") : it->second).substr(0, count);
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
