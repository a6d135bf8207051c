// The thunder window: the ripple texture, cut to the lightning mask's strokes
// when it loads; the mask's picture box lies beyond the cut window.
#include "forms/Designs.h"
#include "forms/resource.h"

namespace tarnix {

namespace {
using ui::Kind;

// In stacking order from the top.
const ui::ControlDesign kControls[] = {
    {.name = L"tmrAlpha", .index = 1, .kind = Kind::Timer, .enabled = false, .interval = 1},
    {.name = L"tmrAlpha", .index = 0, .kind = Kind::Timer, .enabled = true, .interval = 1},
    {.name = L"picDesign", .kind = Kind::PictureBox, .left = 9765, .top = 4155, .width = 9600, .height = 7200,
     .picture = IDB_BLITZ_MASK},
};
}  // namespace

const ui::FormDesign kFrmBlitzDesign = {
    .name = L"frmBlitz",
    .caption = L"Form1",
    .clientWidth = 10500,
    .clientHeight = 8370,
    .backColor = ui::Rgb(217, 181, 0),
    .picture = IDB_RIPPLES,
    .startPosition = ui::StartPosition::PlatformDefault,
    .showInTaskbar = false,
    .activates = false,  // the wizard keeps the keyboard while the lightning flickers above it
    .controls = kControls,
    .controlCount = std::size(kControls),
};

}  // namespace tarnix
