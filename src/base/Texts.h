// Every text the program itself knows, in English and German: one table per
// language, here only. Handlers ask for a text by its name; which language
// they ask for is the settings' rule (settings/LanguageTables.h), or both
// where no language is known yet.
#pragma once
#include <string>

namespace tarnix {

enum class Language { English = 0, German = 1 };

enum class TextId {
  // What the wizard stores for every later reader ("Sprache"/..., "Einstellungen"/"Optionen").
  ActionCaption,
  SaveCaption,
  ThunderCaption,
  DescriptionCaption,
  OptionsTitle,
  // The wizard's own.
  ChooseLanguage,
  InstallInstruction,
  ActionPrompt,
  InstallError,
  InstallErrorTitle,
  CompanionMissing,  // %1 stb.drl beside the setup
  FreeProgram,
  AuthorPrefix,
  InstallSuccess,
  SetupEnding,
  // Messages.
  WrongWindows,
  WrongWindowsTitle,
  NoWindow,
  FatalError,  // an error no handler caught; its own words follow
  SaveFailed,
  ActionNotStarted,  // %1 the program
  // The warning before an action; %1 is the time left ("15 seconds").
  WarnTurnOff,
  WarnRestart,
  WarnHibernate,
  WarnStandBy,
  WarnLogOff,
  WarnCancelHint,
  // The options dialog's warning list.
  WarningCaption,
  NoWarning,
  Second,   // "1 second"
  Seconds,  // "%1 seconds"
  // The companion, stb.
  StbUsage,
  StbHibernationOff,
  StbCouldNotHibernate,
  StbCouldNotStandBy,
  // Removing the program.
  UninstallQuestion,
  UninstallDone,
  UninstallLeftovers,  // %1 what is left, one per line
  UninstallNothing,
  Count
};

const wchar_t* Text(TextId id, Language language);
// A text with its %1 replaced by arg.
std::wstring Text(TextId id, Language language, const std::wstring& arg);
// Both languages, English first, for messages shown before a language is known.
std::wstring BothLanguages(TextId id, const wchar_t* separator);

// "1 second", "30 seconds", "1 Sekunde", "30 Sekunden".
std::wstring SecondsText(int seconds, Language language);

// The seven actions' names and descriptions, by action code 0 to 6.
const wchar_t* ActionName(int code, Language language);
const wchar_t* ActionDescription(int code, Language language);

}  // namespace tarnix
