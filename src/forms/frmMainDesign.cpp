// The saver window: frameless and black, 545 x 340 px, its three controls
// hidden until the preview or the warning lays them out.
#include "forms/Designs.h"
#include "forms/resource.h"

namespace tarnix {

namespace {
using ui::Kind;
using ui::Rgb;

constexpr ui::Font kArial12Bold{L"Arial", 12, true};

const ui::ControlDesign kControls[] = {
    {.name = L"lblInfo", .kind = Kind::Label, .left = 2655, .top = 720, .width = 1800, .height = 285,
     .caption = L"lblInfo", .font = kArial12Bold, .foreColor = Rgb(192, 192, 0), .visible = false,
     .wordWrap = true, .autoSize = true, .centered = true, .tabIndex = 0},
    {.name = L"lblInfo2", .kind = Kind::Label, .left = -60, .top = -30, .width = 1800, .height = 285,
     .caption = L"lblInfo", .font = kArial12Bold, .foreColor = Rgb(0, 0, 0), .visible = false,
     .wordWrap = true, .autoSize = true, .centered = true, .tabIndex = 1},
    {.name = L"imgLogo", .kind = Kind::Image, .left = 1335, .top = 660, .width = 4455, .height = 3600,
     .visible = false, .picture = IDB_LOGO, .stretch = true},
    // The warning's countdown, once a second.
    {.name = L"tmrWarnung", .kind = Kind::Timer, .visible = false, .enabled = false, .interval = 1000},
};
}  // namespace

const ui::FormDesign kFrmMainDesign = {
    .name = L"frmMain",
    .caption = L"Tarnix",
    .clientWidth = 8175,
    .clientHeight = 5100,
    .backColor = ui::Rgb(0, 0, 0),
    .icon = IDI_TARNIX,
    .startPosition = ui::StartPosition::PlatformDefault,
    .showInTaskbar = false,
    .controls = kControls,
    .controlCount = std::size(kControls),
};

}  // namespace tarnix
