// The setup wizard: all three pages on one window, cut to the golden skin when
// it loads. The option buttons, the four language pictures, the skin's picture
// box and lblAktion lie outside the skin and are never seen: the option
// buttons are seen as the language captions beside the pictures, and the
// picture box, which only carries the skin's outline, takes no focus. The
// thunder box has no caption of its own: its focus shows on its label.
#include "forms/Designs.h"
#include "forms/resource.h"

namespace tarnix {

namespace {
using ui::Kind;

constexpr uint32_t kAmber = ui::Rgb(211, 154, 69);
constexpr uint32_t kBlack = ui::Rgb(0, 0, 0);
constexpr ui::Font kArial12Bold = {L"Arial", 12, true};
constexpr wchar_t kThunderWarning[] = L"WARNING: Can freeze your Computer";

// Language button pictures: selected English, selected German, unselected
// English, unselected German.
constexpr int Sprache(int i) { return IDB_SPRACHE0 + i; }

// In stacking order from the top.
const ui::ControlDesign kControls[] = {
    {.name = L"cmbAktion", .kind = Kind::ComboBox, .left = 1275, .top = 2310, .width = 3315, .height = 405,
     .font = kArial12Bold, .foreColor = kAmber, .backColor = kBlack, .visible = false, .tabIndex = 11},
    {.name = L"chkAlpha", .kind = Kind::CheckBox, .left = 2820, .top = 3345, .width = 270, .height = 240,
     .foreColor = ui::Rgb(224, 224, 224), .backColor = kAmber, .value = 0, .toolTip = kThunderWarning,
     .tabIndex = 9, .seenAs = L"lblAlpha"},
    {.name = L"picDesign", .kind = Kind::PictureBox, .left = 6930, .top = 3585, .width = 6600, .height = 3735,
     .picture = IDB_SKIN_MASK},
    {.name = L"tmrEnd", .kind = Kind::Timer, .enabled = false, .interval = 1500},
    {.name = L"cmdR\u00fcck", .kind = Kind::CommandButton, .left = 195, .top = 3090, .width = 1260, .height = 465,
     .caption = L"<<", .font = kArial12Bold, .tabIndex = 5},
    {.name = L"cmdOK", .kind = Kind::CommandButton, .left = 5115, .top = 3060, .width = 1260, .height = 465,
     .caption = L">>", .font = kArial12Bold, .enabled = false, .tabIndex = 4},
    {.name = L"optSprache", .index = 1, .kind = Kind::OptionButton, .left = 4560, .top = 5370, .width = 2925,
     .height = 330, .caption = L"Deutsch", .tabIndex = 1, .seenAs = L"lblOpt"},
    {.name = L"optSprache", .index = 0, .kind = Kind::OptionButton, .left = 4560, .top = 4965, .width = 2925,
     .height = 330, .caption = L"English", .tabIndex = 0, .seenAs = L"lblOpt"},
    {.name = L"lblVer", .kind = Kind::Label, .left = 4740, .top = 405, .width = 330, .height = 270, .caption = L"2.5",
     .font = {L"Arial", 12, true, true}, .foreColor = kBlack, .autoSize = true, .tabIndex = 13},
    {.name = L"lblAktion", .kind = Kind::Label, .left = 375, .top = 4695, .width = 825, .height = 285,
     .caption = L"Aktion:", .font = kArial12Bold, .foreColor = kBlack, .autoSize = true, .tabIndex = 12},
    {.name = L"lblAlpha", .kind = Kind::Label, .left = 3090, .top = 3345, .width = 1230, .height = 210,
     .caption = L"Thunder-Effect", .font = {L"Arial", 8.25, true}, .foreColor = kBlack, .autoSize = true,
     .toolTip = kThunderWarning, .tabIndex = 10},
    {.name = L"imgSp", .index = 3, .kind = Kind::Image, .left = 7665, .top = 1170, .width = 3075, .height = 840,
     .picture = Sprache(3)},
    {.name = L"imgSp", .index = 2, .kind = Kind::Image, .left = 7695, .top = 180, .width = 3075, .height = 840,
     .picture = Sprache(2)},
    {.name = L"imgSp", .index = 1, .kind = Kind::Image, .left = 6705, .top = 1425, .width = 3075, .height = 840,
     .picture = Sprache(1)},
    {.name = L"imgSp", .index = 0, .kind = Kind::Image, .left = 6675, .top = 435, .width = 3075, .height = 840,
     .picture = Sprache(0)},
    {.name = L"lblOpt", .index = 1, .kind = Kind::Label, .left = 3435, .top = 2745, .width = 960, .height = 285,
     .caption = L"Deutsch", .font = kArial12Bold, .foreColor = kBlack, .autoSize = true, .tabIndex = 8},
    {.name = L"imgOPt", .index = 1, .kind = Kind::Image, .left = 1815, .top = 2535, .width = 3075, .height = 840,
     .picture = Sprache(3)},
    {.name = L"lblOpt", .index = 0, .kind = Kind::Label, .left = 3435, .top = 1905, .width = 870, .height = 285,
     .caption = L"English", .font = kArial12Bold, .foreColor = kBlack, .autoSize = true, .tabIndex = 7},
    {.name = L"imgOPt", .index = 0, .kind = Kind::Image, .left = 1815, .top = 1680, .width = 3075, .height = 840,
     .picture = Sprache(2)},
    {.name = L"lblInfo", .index = 1, .kind = Kind::Label, .left = 735, .top = 1350, .width = 3630, .height = 240,
     .caption = L"W\u00e4hlen Sie eine Sprache.", .font = {L"Arial", 9.75}, .wordWrap = true, .autoSize = true,
     .tabIndex = 3},
    {.name = L"lblInfo", .index = 0, .kind = Kind::Label, .left = 720, .top = 1035, .width = 5235, .height = 240,
     .caption = L"Select a langugage.", .font = {L"Arial", 9.75}, .wordWrap = true, .autoSize = true,
     .tabIndex = 2},
};
}  // namespace

const ui::FormDesign kFrmSetupDesign = {
    .name = L"frmSetup",
    .caption = L"     Tarnix: Setup",
    .clientWidth = 10245,
    .clientHeight = 7410,
    .backColor = ui::Rgb(169, 169, 169),
    .picture = IDB_SKIN,
    .icon = IDI_TARNIX,
    .startPosition = ui::StartPosition::ScreenCenter,
    .showInTaskbar = true,
    .closesOnEscape = true,
    .defaultButton = L"cmdOK",
    .controls = kControls,
    .controlCount = std::size(kControls),
};

}  // namespace tarnix
