// stb: the companion program that puts the computer into hibernation (/h) or
// stand-by (/s) for the saver's actions 2 and 3. Its rules, apart from the system.
#pragma once
#include <optional>
#include <string>

namespace tarnix::stb {

enum class PowerRequest { Hibernate, StandBy };

// Exit codes: done, refused by the system, not understood.
inline constexpr int kExitDone = 0;
inline constexpr int kExitRefused = 1;
inline constexpr int kExitUsage = 2;

// One switch, /h or /s in either letter case, blanks around it allowed; any
// other argument text asks for nothing.
std::optional<PowerRequest> ParseArguments(const std::wstring& arguments);

// What stb needs from the system.
class PowerControl {
 public:
  virtual ~PowerControl() = default;
  // The shutdown privilege of the process's token; false when it cannot be had.
  virtual bool EnableShutdownPrivilege() = 0;
  // Asks for hibernation or stand-by; false when the system refuses.
  virtual bool Suspend(PowerRequest request) = 0;
  // The system's own words for the last refusal.
  virtual std::wstring LastErrorText() = 0;
  virtual void ShowMessage(const std::wstring& text, bool isError) = 0;
};

// The whole program after start-up; returns its exit code.
int Run(const std::wstring& arguments, PowerControl& power);

}  // namespace tarnix::stb
