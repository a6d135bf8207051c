// One process of the program: its services, its paths and its four windows.
#pragma once
#include <array>
#include <optional>

#include "app/modWinMods.h"
#include "effects/frmBlitz.h"
#include "options/frmOptionen.h"
#include "saver/frmMain.h"
#include "setup/frmSetup.h"

namespace tarnix {

class Platform;
class SettingsStore;

// The exit code of a run whose window the system could not make.
inline constexpr int kExitNoWindow = 4;
// The exit code of a run whose action could not be started.
inline constexpr int kExitActionNotStarted = 5;

class App {
 public:
  App(Platform& platform, SettingsStore& settings);
  App(const App&) = delete;
  App& operator=(const App&) = delete;

  Platform& platform;
  SettingsStore& settings;
  Paths paths;
  // Whether this is Windows 5 or later, once asked (modAlpha's Windows5OrLater).
  std::optional<bool> windows5OrLater;

  frmMain main;
  frmOptionen options;
  frmSetup setup;
  frmBlitz blitz;

  // The four windows in the order EndProgram unloads them.
  std::array<ui::Form*, 4> Forms() { return {&main, &options, &setup, &blitz}; }
  std::array<const ui::Form*, 4> Forms() const { return {&main, &options, &setup, &blitz}; }
  // Gives every window its host (the real windowing layer, or a test's).
  void SetHost(ui::FormHost* host);

  // Start-up: Form_Initialize and Form_Load of the saver window, then the
  // start-up rule (the design state unless Form_Load touched the window).
  void Start();
  // The language of the user's texts (StoredLanguage).
  Language TextLanguage();
  // True while a loaded form of the program has a real window behind it.
  bool HasOpenWindow() const;
};

}  // namespace tarnix
