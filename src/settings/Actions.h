// The seven actions the saver can carry out, in the order of their codes: the
// one table behind the run mode's commands.
#pragma once

namespace tarnix {

inline constexpr int kActionCount = 7;
inline constexpr int kBlackScreen = 6;

// Where an action's program lives.
enum class ActionFolder { None, System32, Program };

// The names and descriptions are texts (base/Texts.h).
struct ActionDef {
  ActionFolder folder;
  const wchar_t* program;    // file name in that folder; nullptr for the black screen
  const wchar_t* arguments;
};

// Indexed by the action code 0 to 6.
extern const ActionDef kActions[kActionCount];

}  // namespace tarnix
