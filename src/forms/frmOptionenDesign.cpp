// The options dialog: the golden skin, cut to its outline when it loads; the
// thunder check box and its label lie below the skin and are never seen, yet
// the box keeps its tab stop. The skin's picture box takes no focus.
#include "forms/Designs.h"
#include "forms/resource.h"

namespace tarnix {

namespace {
using ui::Kind;

constexpr uint32_t kAmber = ui::Rgb(211, 154, 69);
constexpr uint32_t kBlack = ui::Rgb(0, 0, 0);

// In stacking order from the top.
const ui::ControlDesign kControls[] = {
    {.name = L"picDesign", .kind = Kind::PictureBox, .left = 5835, .top = 4215, .width = 6600, .height = 3735,
     .picture = IDB_SKIN_MASK},
    {.name = L"chkAlpha", .kind = Kind::CheckBox, .left = 4020, .top = 3855, .width = 225, .height = 315,
     .caption = L"Alpha- Effect", .foreColor = ui::Rgb(224, 224, 224), .backColor = kAmber, .value = 1,
     .tabIndex = 3},
    {.name = L"cmdOK", .kind = Kind::CommandButton, .left = 285, .top = 3000, .width = 1200, .height = 525,
     .caption = L"<<", .font = {L"Arial", 9.75}, .toolTip = L"OK", .tabIndex = 2},
    {.name = L"cmbAktion", .kind = Kind::ComboBox, .left = 1605, .top = 1290, .width = 3315, .height = 405,
     .font = {L"Arial", 12, true}, .foreColor = kAmber, .backColor = kBlack, .tabIndex = 0},
    {.name = L"imgVersch", .kind = Kind::Image, .left = -45, .top = -15, .width = 6840, .height = 1020},
    {.name = L"lblVer", .kind = Kind::Label, .left = 4740, .top = 390, .width = 330, .height = 270,
     .caption = L"2.5", .font = {L"Arial", 12, true, true}, .foreColor = kBlack, .autoSize = true, .tabIndex = 8},
    {.name = L"lblText", .kind = Kind::Label, .left = 1605, .top = 2250, .width = 4680, .height = 240,
     .caption = L"Beschreibung:", .font = {L"Arial", 9.75, true}, .foreColor = kBlack, .wordWrap = true,
     .autoSize = true, .tabIndex = 7},
    {.name = L"lblBesch", .kind = Kind::Label, .left = 1230, .top = 1935, .width = 1560, .height = 270,
     .caption = L"Beschreibung:", .font = {L"Arial", 11.25, true}, .foreColor = kBlack, .autoSize = true,
     .tabIndex = 6},
    {.name = L"lblAlpha", .kind = Kind::Label, .left = 4290, .top = 3915, .width = 1230, .height = 210,
     .caption = L"Thunder-Effect", .font = {L"Arial", 8.25, true}, .foreColor = kBlack, .autoSize = true,
     .tabIndex = 4},
    {.name = L"lblAktion", .kind = Kind::Label, .left = 1215, .top = 990, .width = 825, .height = 285,
     .caption = L"Aktion:", .font = {L"Arial", 12, true}, .foreColor = kBlack, .autoSize = true, .tabIndex = 9},
    // The warning before an action, beside the button: below the longest description.
    {.name = L"lblWarnung", .kind = Kind::Label, .left = 1605, .top = 3210, .width = 1200, .height = 240,
     .caption = L"Vorwarnung:", .font = {L"Arial", 9.75, true}, .foreColor = kBlack, .autoSize = true,
     .tabIndex = 10},
    {.name = L"cmbWarnung", .kind = Kind::ComboBox, .left = 3150, .top = 3120, .width = 2400, .height = 405,
     .font = {L"Arial", 9.75, true}, .foreColor = kAmber, .backColor = kBlack, .tabIndex = 1},
};
}  // namespace

const ui::FormDesign kFrmOptionenDesign = {
    .name = L"frmOptionen",
    .caption = L"     Tarnix: Optionen",
    .clientWidth = 10545,
    .clientHeight = 6780,
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
