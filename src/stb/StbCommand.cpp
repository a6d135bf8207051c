#include "stb/StbCommand.h"

#include "base/Text.h"
#include "base/Texts.h"

namespace tarnix::stb {

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
    power.ShowMessage(BothLanguages(TextId::StbUsage, L"\r\n\r\n"), false);
    return kExitUsage;
  }
  switch (ChooseMethod(*request, power.Capabilities())) {
    case PowerMethod::HibernationOff:
      power.ShowMessage(BothLanguages(TextId::StbHibernationOff, L"\r\n\r\n"), true);
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
  const TextId what = *request == PowerRequest::Hibernate ? TextId::StbCouldNotHibernate : TextId::StbCouldNotStandBy;
  power.ShowMessage(BothLanguages(what, L"\r\n") + L"\r\n\r\n" + power.LastErrorText(), true);
  return kExitRefused;
}

}  // namespace tarnix::stb
