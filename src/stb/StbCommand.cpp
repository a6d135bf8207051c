#include "stb/StbCommand.h"

#include "base/Decimal.h"

namespace tarnix::stb {

namespace {
const wchar_t kUsage[] =
    L"stb puts the computer to sleep for the Tarnix screen saver.\r\n\r\n"
    L"stb /h\tHibernate: the computer saves its work to disk and turns off.\r\n"
    L"stb /s\tStand by: the computer sleeps and wakes on a key press.";
}  // namespace

std::optional<PowerRequest> ParseArguments(const std::wstring& arguments) {
  const std::wstring s = Trim(arguments);
  if (s.size() != 2 || s[0] != L'/') return std::nullopt;
  switch (s[1]) {
    case L'h':
    case L'H': return PowerRequest::Hibernate;
    case L's':
    case L'S': return PowerRequest::StandBy;
    default: return std::nullopt;
  }
}

int Run(const std::wstring& arguments, PowerControl& power) {
  const std::optional<PowerRequest> request = ParseArguments(arguments);
  if (!request) {
    power.ShowMessage(kUsage, false);
    return kExitUsage;
  }
  // Without the privilege the request below fails and says why.
  power.EnableShutdownPrivilege();
  if (power.Suspend(*request)) return kExitDone;
  const std::wstring what = *request == PowerRequest::Hibernate ? L"hibernate" : L"go into stand-by";
  power.ShowMessage(L"The computer could not " + what + L".\r\n\r\n" + power.LastErrorText(), true);
  return kExitRefused;
}

}  // namespace tarnix::stb
