#include "settings/Actions.h"

namespace tarnix {

const ActionDef kActions[kActionCount] = {
    {ActionFolder::System32, L"shutdown.exe", L"-s -t 0"},
    {ActionFolder::System32, L"shutdown.exe", L"-r -t 0"},
    {ActionFolder::Program, L"stb.exe", L"/h"},
    {ActionFolder::Program, L"stb.exe", L"/s"},
    {ActionFolder::System32, L"shutdown.exe", L"-l"},
    {ActionFolder::System32, L"rundll32.exe", L"user32.dll,LockWorkStation"},
    {ActionFolder::None, nullptr, nullptr},
};

}  // namespace tarnix
