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

// What the machine offers (SystemPowerCapabilities).
struct PowerCapabilities {
  bool s3 = false;                // stand-by in the classic sense (suspend to RAM)
  bool s4 = false;                // hibernation supported
  bool hiberFilePresent = false;  // ... and turned on
  bool aoac = false;              // Modern Standby (S0 low-power idle)
};

// How a request is carried out on a machine.
enum class PowerMethod {
  Sleep,          // SetSuspendState, stand-by
  Hibernate,      // SetSuspendState, hibernation
  DisplayOff,     // Modern Standby: the display off lets the machine sleep, as its power button does
  HibernationOff, // asked for, not available: say so and do nothing
};

// The method for a request; without capabilities (the query failed, an old
// Windows) the plain suspend call of the request.
PowerMethod ChooseMethod(PowerRequest request, const std::optional<PowerCapabilities>& capabilities);

// What stb needs from the system.
class PowerControl {
 public:
  virtual ~PowerControl() = default;
  // nullopt when the system cannot say.
  virtual std::optional<PowerCapabilities> Capabilities() = 0;
  virtual void TurnDisplayOff() = 0;
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
