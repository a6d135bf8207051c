// The services the program needs beyond its windows, behind one interface so the
// handlers run against a recording fake in tests.
#pragma once
#include <optional>
#include <string>

#include "base/Texts.h"

namespace tarnix {

struct VersionInfo {
  int major = 0;
  int minor = 0;
  int revision = 0;
  std::wstring companyName;
};

// "2.6": the version as the dialogs show it.
inline std::wstring MajorMinor(const VersionInfo& v) {
  return std::to_wstring(v.major) + L"." + std::to_wstring(v.minor);
}

// Thrown by a test platform's EndProcess; the real one never returns.
struct ProcessEnded {
  int exitCode;
};

struct ScreenSize {
  int width = 0, height = 0;  // pixels
};

// The rectangle that all monitors together span, in pixels; its left and top
// are negative when a monitor lies left of or above the primary one.
struct ScreenArea {
  int left = 0, top = 0, width = 0, height = 0;
  bool operator==(const ScreenArea&) const = default;
};

// Whether the process holds administrator rights, and whether asking for them
// (a "runas" start) would give them.
struct Elevation {
  bool elevated = true;
  bool canElevate = false;
};

inline constexpr int kShowMinimized = 2;   // SW_SHOWMINIMIZED
inline constexpr unsigned kMbIconExclamation = 0x30;
inline constexpr unsigned kMbIconError = 0x10;
inline constexpr unsigned kMbTopmost = 0x40000;  // MB_TOPMOST: above every other window

class Platform {
 public:
  virtual ~Platform() = default;
  virtual void InitCommonControls() = 0;
  virtual std::wstring ExePath() = 0;        // full path of the running executable
  virtual std::wstring CommandLine() = 0;    // the whole command line, program included
  virtual std::wstring Environment(const std::wstring& name) = 0;  // unset reads as ""
  // The Windows folder as the system reports it (GetWindowsDirectory).
  virtual std::wstring SystemWindowsFolder() = 0;
  virtual bool FolderExists(const std::wstring& path) = 0;
  virtual long OsMajorVersion() = 0;         // 0 when the version query fails
  // The user's Windows display language: German when it is German, else English.
  virtual Language DisplayLanguage() = 0;
  virtual void ShowMessage(const std::wstring& text, unsigned style, const std::wstring& title) = 0;
  virtual void Beep() = 0;
  [[noreturn]] virtual void EndProcess(int exitCode) = 0;
  // Starts program without waiting; false when it cannot be started.
  virtual bool RunCommand(const std::wstring& program, const std::wstring& commandLine,
                          int showState) = 0;
  virtual VersionInfo ReadVersionInfo() = 0;
  // ShowCursor: returns the new display count.
  virtual int ShowCursor(bool show) = 0;
  // Milliseconds since the system started (wrapping), and the user's double-click time.
  virtual unsigned TickCount() = 0;
  virtual unsigned DoubleClickTime() = 0;
  virtual ScreenSize ScreenPixels() = 0;
  virtual ScreenArea VirtualScreenPixels() = 0;
  // Copies a file, replacing the target; false when refused.
  virtual bool CopyFileTo(const std::wstring& from, const std::wstring& to) = 0;
  // Up to count bytes from the start of a file; empty when it cannot be read.
  virtual std::string ReadFileHead(const std::wstring& path, size_t count) = 0;
  // An entry of the Windows profile (win.ini, or where the system keeps it); false when refused.
  virtual bool WriteProfileEntry(const std::wstring& section, const std::wstring& key,
                                 const std::wstring& value) = 0;
  // Tells Windows at once that the screen saver is on; false when refused.
  virtual bool ActivateScreenSaver() = 0;
  virtual Elevation QueryElevation() = 0;
  // Starts this program again with arguments, asking for administrator rights,
  // and waits for it to end while the program's windows go on painting. Its
  // exit code; nullopt when the user declines or it cannot be started.
  virtual std::optional<int> RunElevatedAndWait(const std::wstring& arguments) = 0;
};

}  // namespace tarnix
