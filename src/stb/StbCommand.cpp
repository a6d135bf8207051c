#include "stb/StbCommand.h"

#include "base/Text.h"

namespace tarnix::stb {

namespace {
const wchar_t kUsage[] =
    L"stb puts the computer to sleep for the Tarnix screen saver.\r\n\r\n"
    L"stb /h\tHibernate: the computer saves its work to disk and turns off.\r\n"
    L"stb /s\tStand by: the computer sleeps and wakes on a key press.";

const wchar_t kHibernationOff[] =
    L"This computer cannot hibernate: hibernation is turned off or not supported.\r\n"
    L"To turn it on, open a command prompt as administrator and enter: powercfg /hibernate on\r\n\r\n"
    L"Dieser Computer kann nicht in den Ruhezustand wechseln: der Ruhezustand ist ausgeschaltet "
    L"oder wird nicht unterst\u00fctzt.\r\n"
    L"Zum Einschalten \u00f6ffnen Sie eine Eingabeaufforderung als Administrator und geben ein: "
    L"powercfg /hibernate on";
}  // namespace

PowerMethod ChooseMethod(PowerRequest request, const std::optional<PowerCapabilities>& c) {
  if (request == PowerRequest::Hibernate) {
    if (!c) return PowerMethod::Hibernate;
    return c->s4 && c->hiberFilePresent ? PowerMethod::Hibernate : PowerMethod::HibernationOff;
  }
  // Without S3 the suspend call does nothing, or hibernates where that is on.
  if (c && !c->s3 && c->aoac) return PowerMethod::DisplayOff;
  return PowerMethod::Sleep;
}

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
  switch (ChooseMethod(*request, power.Capabilities())) {
    case PowerMethod::HibernationOff:
      power.ShowMessage(kHibernationOff, true);
      return kExitRefused;
    case PowerMethod::DisplayOff:
      power.TurnDisplayOff();
      return kExitDone;
    case PowerMethod::Sleep:
    case PowerMethod::Hibernate:
      break;
  }
  // Without the privilege the request below fails and says why.
  power.EnableShutdownPrivilege();
  if (power.Suspend(*request)) return kExitDone;
  const std::wstring what = *request == PowerRequest::Hibernate ? L"hibernate" : L"go into stand-by";
  power.ShowMessage(L"The computer could not " + what + L".\r\n\r\n" + power.LastErrorText(), true);
  return kExitRefused;
}

}  // namespace tarnix::stb
