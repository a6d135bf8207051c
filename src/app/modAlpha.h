// The Windows version gate and the thunder window's opacity pulse.
#pragma once

namespace tarnix {

class App;
class Platform;

// Layered windows and the program's other needs start with Windows 2000 (5.0).
bool IsWindows5OrLater(Platform& platform);
// The same answer, asked once per process: the pulse needs it on every tick.
bool Windows5OrLater(App& app);

// One tick of the thunder window's pulse pair: tmrAlpha(0) adds 85 and hands
// over above 240, tmrAlpha(1) takes 90 and hands over below 50 (both strict).
// The level is not clamped; another index changes nothing.
struct PulseStep {
  int level;
  bool handOver;
};
PulseStep ThunderPulse(int level, int timerIndex);

}  // namespace tarnix
