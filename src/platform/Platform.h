// The services the program needs beyond its windows, behind one interface so the
// handlers run against a recording fake in tests.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

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

// A value of a machine-wide registry key: a text, or a number where one is set.
struct RegistryValue {
  std::wstring name;
  std::wstring text;
  std::optional<uint32_t> number;  // a REG_DWORD
};

inline constexpr int kShowHidden = 0;      // SW_HIDE
inline constexpr int kShowMinimized = 2;   // SW_SHOWMINIMIZED
inline constexpr unsigned kMbIconExclamation = 0x30;
inline constexpr unsigned kMbIconError = 0x10;
inline constexpr unsigned kMbIconInformation = 0x40;
inline constexpr unsigned kMbTopmost = 0x40000;  // MB_TOPMOST: above every other window
// What RunElevatedAndWait reports for a helper that never started, though
// nobody declined: none of this program's helpers exits with it.
inline constexpr int kElevatedNotStarted = -1;

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
  // Copies a file, replacing the target; false when refused. The copy keeps
  // the file's mark of a download from the Internet, where it has one.
  virtual bool CopyFileTo(const std::wstring& from, const std::wstring& to) = 0;
  // Takes that mark off a file: Windows then starts it without the warning for
  // downloaded programs. Nothing happens where there is none.
  virtual void ForgetDownloadMark(const std::wstring& path) = 0;
  // Up to count bytes from the start of a file; empty when it cannot be read.
  virtual std::string ReadFileHead(const std::wstring& path, size_t count) = 0;
  // An entry of the Windows profile (win.ini, or where the system keeps it); false when refused.
  virtual bool WriteProfileEntry(const std::wstring& section, const std::wstring& key,
                                 const std::wstring& value) = 0;
  virtual std::wstring ReadProfileEntry(const std::wstring& section, const std::wstring& key) = 0;
  virtual bool RemoveProfileEntry(const std::wstring& section, const std::wstring& key) = 0;
  // Tells Windows at once that the screen saver is on, or off; false when refused.
  virtual bool ActivateScreenSaver() = 0;
  virtual bool DeactivateScreenSaver() = 0;
  // A question with Yes and No; true for Yes.
  virtual bool AskYesNo(const std::wstring& text, const std::wstring& title) = 0;
  virtual bool FileExists(const std::wstring& path) = 0;
  virtual std::optional<uint64_t> FileSize(const std::wstring& path) = 0;
  // Deletes a file; true when it is gone, also when it was never there.
  virtual bool DeleteFileNow(const std::wstring& path) = 0;
  // Deletes a file as soon as no program runs it any more, trying for up to
  // timeoutMs; true when it is gone.
  virtual bool DeleteFileWhenFree(const std::wstring& path, unsigned timeoutMs) = 0;
  // Gives a file another name in its folder; a running program's file too,
  // which cannot be deleted. False when refused or the new name is taken.
  virtual bool RenameFile(const std::wstring& from, const std::wstring& to) = 0;
  // Has the system delete a file at its next start; false when refused.
  virtual bool DeleteAtRestart(const std::wstring& path) = 0;
  // The user's temporary folder, ending in "\".
  virtual std::wstring TempFolder() = 0;
  // A key under HKEY_LOCAL_MACHINE with its values; false when refused, and
  // then nothing of it is left.
  virtual bool WriteMachineKey(const std::wstring& subKey, const std::vector<RegistryValue>& values) = 0;
  virtual bool MachineKeyExists(const std::wstring& subKey) = 0;
  // True when the key is gone, also when it was never there.
  virtual bool DeleteMachineKey(const std::wstring& subKey) = 0;
  virtual Elevation QueryElevation() = 0;
  // Starts this program again with arguments, asking for administrator rights,
  // and waits for it to end while the program's windows go on painting. Its
  // exit code; nullopt when the user declines the prompt, kElevatedNotStarted
  // when it cannot be started at all (the user said yes, or was never asked).
  virtual std::optional<int> RunElevatedAndWait(const std::wstring& arguments) = 0;
};

}  // namespace tarnix
