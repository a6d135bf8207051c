// Test helper run under Wine: one window with every kind of control the
// window runtime offers, logging the events its handlers receive.
//   uitest LOGFILE [throw]   (throw: cmdOK's click handler throws, as a fault would)
#include <windows.h>
#include <shellapi.h>

#include <cstdio>
#include <iterator>
#include <stdexcept>
#include <string>

#include "forms/resource.h"
#include "platform/win32/Win32Platform.h"
#include "ui/win32/Win32Host.h"

namespace {

using namespace tarnix::ui;

constexpr Font kArial12Bold{L"Arial", 12, true};
const ControlDesign kControls[] = {
    {.name = L"lblTitle", .kind = Kind::Label, .left = 1500, .top = 1200, .width = 600, .height = 285,
     .caption = L"Runtime", .font = kArial12Bold, .autoSize = true, .toolTip = L"A label's tip"},
    {.name = L"cmbAktion", .kind = Kind::ComboBox, .left = 1500, .top = 1800, .width = 3315, .height = 405,
     .font = kArial12Bold, .foreColor = Rgb(211, 154, 69), .backColor = Rgb(0, 0, 0), .tabIndex = 4},
    {.name = L"cmdOK", .kind = Kind::CommandButton, .left = 300, .top = 3000, .width = 1200, .height = 525,
     .caption = L"OK", .font = {L"Arial", 9.75}, .toolTip = L"OK", .tabIndex = 2},
    {.name = L"chkAlpha", .kind = Kind::CheckBox, .left = 2820, .top = 3345, .width = 270, .height = 240,
     .backColor = Rgb(211, 154, 69), .value = 1, .tabIndex = 3},
    {.name = L"optA", .index = 1, .kind = Kind::OptionButton, .left = 4500, .top = 2700, .width = 1500,
     .height = 330, .caption = L"Deutsch", .tabIndex = 1},
    {.name = L"optA", .index = 0, .kind = Kind::OptionButton, .left = 4500, .top = 2300, .width = 1500,
     .height = 330, .caption = L"English", .tabIndex = 0},
    {.name = L"imgOPt", .kind = Kind::Image, .left = 300, .top = 300, .width = 3075, .height = 840,
     .picture = IDB_SPRACHE0 + 2},
    {.name = L"picDesign", .kind = Kind::PictureBox, .left = 6000, .top = 300, .width = 600, .height = 600,
     .picture = IDB_SKIN_MASK},
    {.name = L"tmrTick", .kind = Kind::Timer, .interval = 100},
};
const FormDesign kDesign = {.name = L"frmUiTest", .caption = L"UI test", .clientWidth = 6600, .clientHeight = 3735,
                            .backColor = Rgb(80, 80, 80), .picture = IDB_SKIN, .icon = IDI_TARNIX,
                            .startPosition = StartPosition::ScreenCenter, .showInTaskbar = true,
                            .controls = kControls, .controlCount = std::size(kControls)};

class UiTest : public Form {
 public:
  UiTest(FILE* log, bool throws) : Form(kDesign), log_(log), throws_(throws) {}
  void Control_Event(Control& c, Event e, const MouseArgs&) override {
    if (e == Event::MouseMove || e == Event::MouseDown) return;
    if (throws_ && e == Event::Click && c.Name() == L"cmdOK") throw std::runtime_error("cmdOK_Click failed");
    std::fprintf(log_, "%ls%ls.%s value=%d list=%d\n", c.Name().c_str(),
                 c.Index() >= 0 ? (L"(" + std::to_wstring(c.Index()) + L")").c_str() : L"",
                 e == Event::Click ? "Click" : "Timer", c.Value(), c.ListIndex());
    std::fflush(log_);
    if (e == Event::Timer && ++ticks_ == 5) c.SetEnabled(false);  // a disabled timer stops ticking
  }
  void Form_Click() override { Log("Form_Click"); }
  void Form_KeyPress(int& key) override { std::fprintf(log_, "Form_KeyPress %d\n", key), std::fflush(log_); }

 protected:
  void Form_Load() override {
    for (const wchar_t* item : {L"Turn Off", L"Restart", L"Black Screen"}) cmbAktion.AddItem(item);
    cmbAktion.SetListIndex(0);
  }
  void Form_Unload(int&) override { Log("Form_Unload"); }

 private:
  void Log(const char* text) {
    std::fprintf(log_, "%s\n", text);
    std::fflush(log_);
  }
  Control& cmbAktion = Bind(L"cmbAktion");
  FILE* log_;
  bool throws_;
  int ticks_ = 0;
};

}  // namespace

int wmain() {
  int argc = 0;
  wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  if (argc != 2 && argc != 3) return 2;
  FILE* log = _wfopen(argv[1], L"w");
  if (!log) return 1;
  // The program's own way of reading its version block from its resources.
  const tarnix::VersionInfo version = tarnix::Win32Platform().ReadVersionInfo();
  std::fprintf(log, "version=%d.%d.%d company=%ls\n", version.major, version.minor, version.revision,
               version.companyName.c_str());
  Win32Host host(GetModuleHandleW(nullptr));
  UiTest form(log, argc == 3 && std::wstring(argv[2]) == L"throw");
  form.SetHost(&host);
  form.Show();
  host.RunMessageLoop([&] { return form.IsLoaded(); });
  std::fclose(log);
  return 0;
}
