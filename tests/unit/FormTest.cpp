#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <stdexcept>
#include <vector>

#include "ui/Form.h"

namespace tarnix::ui {
namespace {

class CountingForm : public Form {
 public:
  CountingForm() : Form(L"frmTest") {}
  int loads = 0, queries = 0, unloads = 0;
  bool cancelQuery = false;
  bool reenter = false;
  bool unloadInLoad = false;

 protected:
  void Form_Load() override {
    ++loads;
    if (unloadInLoad) Unload();
  }
  void Form_QueryUnload(int& cancel, UnloadMode) override {
    ++queries;
    if (cancelQuery) cancel = 1;
    if (reenter) Unload();
  }
  void Form_Unload(int&) override {
    ++unloads;
    if (reenter) Unload();
  }
};

TEST(Form, LoadedOnFirstUseOnly) {
  CountingForm f;
  EXPECT_FALSE(f.IsLoaded());
  f.Hide();
  EXPECT_TRUE(f.IsLoaded());
  f.Show();
  f.Load();
  EXPECT_EQ(f.loads, 1);
  EXPECT_TRUE(f.IsVisible());
}

TEST(Form, UnloadingAWindowThatIsNotLoadedDoesNothing) {
  CountingForm f;
  EXPECT_TRUE(f.Unload());
  EXPECT_EQ(f.queries + f.unloads + f.loads, 0);
}

TEST(Form, NestedUnloadsRunTheHandlersOnce) {
  CountingForm f;
  f.reenter = true;
  f.Show();
  f.Unload();
  EXPECT_EQ(f.queries, 1);
  EXPECT_EQ(f.unloads, 1);
  EXPECT_FALSE(f.IsLoaded());
  f.Unload();
  EXPECT_EQ(f.unloads, 1);
}

TEST(Form, ACancelledUnloadKeepsTheWindow) {
  CountingForm f;
  f.cancelQuery = true;
  f.Show();
  EXPECT_FALSE(f.Unload());
  EXPECT_TRUE(f.IsLoaded());
  EXPECT_TRUE(f.IsVisible());
  EXPECT_EQ(f.unloads, 0);
  f.cancelQuery = false;
  EXPECT_TRUE(f.Unload());
}

TEST(Form, AWindowUnloadedByItsOwnLoadHandlerIsNotShown) {
  CountingForm f;
  f.unloadInLoad = true;
  f.Show();
  EXPECT_FALSE(f.IsLoaded());
  EXPECT_FALSE(f.IsVisible());
}

}  // namespace
}  // namespace tarnix::ui

namespace tarnix::ui {
namespace {

const ControlDesign kControls[] = {
    {.name = L"cmdOK", .kind = Kind::CommandButton, .left = 0, .top = 0, .width = 1500, .height = 1500, .caption = L">>"},
    {.name = L"lblTop", .kind = Kind::Label, .left = 150, .top = 150, .width = 600, .height = 300, .caption = L"top",
     .autoSize = true},
    {.name = L"imgStrip", .kind = Kind::Image, .left = 0, .top = 0, .width = 3000, .height = 600},
    {.name = L"lblWrap", .kind = Kind::Label, .left = 0, .top = 1500, .width = 900, .height = 240, .caption = L"",
     .wordWrap = true, .autoSize = true},
    {.name = L"lblHidden", .kind = Kind::Label, .left = 0, .top = 3000, .width = 900, .height = 240, .visible = false},
    {.name = L"optSprache", .index = 1, .kind = Kind::OptionButton, .caption = L"Deutsch"},
    {.name = L"optSprache", .index = 0, .kind = Kind::OptionButton, .caption = L"English"},
    {.name = L"cmbAktion", .kind = Kind::ComboBox},
};
const FormDesign kDesign = {.name = L"frmTest", .caption = L"Test", .clientWidth = 6000, .clientHeight = 4500,
                            .controls = kControls, .controlCount = std::size(kControls)};

class TestForm : public Form {
 public:
  TestForm() : Form(kDesign) {}
  std::vector<std::wstring> events;
  void Control_Event(Control& c, Event e, const MouseArgs&) override {
    events.push_back(c.Name() + (e == Event::Click ? L".Click" : L".Other"));
  }
};

// Characters 9 px wide, 19 px lines.
class MeasuringHost : public FormHost {
 public:
  void Create(Form&) override {}
  void Destroy(Form&) override {}
  bool HasWindow(const Form&) const override { return false; }
  void SetVisible(Form&, bool) override {}
  Size MeasureText(const Font&, const std::wstring& text, int wrap) override {
    const int width = int(text.size()) * 9;
    if (wrap <= 0) return {width, 19};
    return {std::min(width, wrap), 19 * std::max(1, (width + wrap - 1) / wrap)};
  }
  void SetTopmost(Form&, bool) override {}
  bool EmbedInto(Form&, int64_t) override { return false; }
};

TEST(FormModel, AListRefilledWithAsManyItemsIsANewList) {
  TestForm f;
  f.Load();
  Control& list = f.C(L"cmbAktion");
  for (const wchar_t* item : {L"Turn Off", L"Restart"}) list.AddItem(item);
  const uint64_t first = list.ListRevision();
  EXPECT_EQ(list.ListRevision(), first) << "reading changes nothing";
  list.Clear();
  for (const wchar_t* item : {L"Herunterfahren", L"Neu Starten"}) list.AddItem(item);
  EXPECT_EQ(list.ListCount(), 2);
  EXPECT_NE(list.ListRevision(), first) << "a renderer comparing counts would keep the old texts";
  list.SetListIndex(1);
  const uint64_t filled = list.ListRevision();
  list.SetListIndex(0);
  EXPECT_EQ(list.ListRevision(), filled) << "a new choice is not a new list";
}

TEST(FormModel, StartsFromItsDesign) {
  TestForm f;
  f.Load();
  EXPECT_EQ(f.Caption(), L"Test");
  EXPECT_EQ(f.Width(), 6000);
  EXPECT_EQ(f.C(L"cmdOK").Caption(), L">>");
  EXPECT_EQ(f.C(L"optSprache", 0).Caption(), L"English");
  EXPECT_EQ(f.C(L"optSprache", 1).Caption(), L"Deutsch");
  EXPECT_THROW(f.C(L"nothing"), std::out_of_range);
  EXPECT_THROW(f.C(L"optSprache"), std::out_of_range) << "an array element needs its index";
}

TEST(FormModel, HitTestingFindsTheTopWindowlessControl) {
  TestForm f;
  f.Load();
  EXPECT_EQ(f.HitTest(12, 12), &f.C(L"lblTop")) << "the label lies above the image";
  EXPECT_EQ(f.HitTest(5, 5), &f.C(L"imgStrip")) << "windowed controls are not hit-tested; an image without a picture still is";
  EXPECT_EQ(f.HitTest(150, 30), &f.C(L"imgStrip"));
  EXPECT_EQ(f.HitTest(10, 205), nullptr) << "a hidden label receives nothing";
  EXPECT_EQ(f.HitTest(300, 300), nullptr) << "the bare form";
  f.C(L"imgStrip").SetVisible(false);
  EXPECT_EQ(f.HitTest(150, 30), nullptr);
}

TEST(FormModel, OptionButtonsOfOneArrayAreAGroup) {
  TestForm f;
  f.Load();
  f.C(L"optSprache", 0).SetValue(1);
  f.C(L"optSprache", 1).SetValue(1);
  EXPECT_EQ(f.C(L"optSprache", 0).Value(), 0);
  EXPECT_EQ(f.C(L"optSprache", 1).Value(), 1);
  f.C(L"optSprache", 1).SetValue(1);
  // Choosing one raises its Click, once; the one it replaces raises none.
  EXPECT_EQ(f.events, (std::vector<std::wstring>{L"optSprache.Click", L"optSprache.Click"}));
}

TEST(FormModel, AutosizedLabelsFollowTheirCaption) {
  TestForm f;
  MeasuringHost host;
  f.SetHost(&host);
  f.Load();
  Control& top = f.C(L"lblTop");
  top.SetCaption(L"Blitz-Effekt");
  EXPECT_EQ(top.Width(), 12 * 9 * 15) << "a one-line label grows in width";
  EXPECT_EQ(top.Left(), 150) << "not in its left edge";
  Control& wrap = f.C(L"lblWrap");
  wrap.SetCaption(std::wstring(25, L'x'));  // 225 px in a 60 px wide label
  EXPECT_EQ(wrap.Width(), 900) << "a wrapping label keeps its width";
  EXPECT_EQ(wrap.Height(), 4 * 19 * 15) << "and grows downward";
  EXPECT_EQ(wrap.Top(), 1500);
}

TEST(FormModel, ListSelectionRaisesClick) {
  TestForm f;
  f.Load();
  Control& list = f.C(L"cmbAktion");
  for (const wchar_t* item : {L"Turn Off", L"Restart", L"Black Screen"}) list.AddItem(item);
  list.SetListIndex(2);
  EXPECT_EQ(list.ListIndex(), 2);
  list.SetListIndex(7);
  EXPECT_EQ(list.ListIndex(), -1) << "an index beyond the list selects nothing";
  EXPECT_EQ(f.events, (std::vector<std::wstring>{L"cmbAktion.Click", L"cmbAktion.Click"}));
}

TEST(FormModel, CheckBoxValuesStayWithinTheirRange) {
  const ControlDesign check[] = {{.name = L"chkAlpha", .kind = Kind::CheckBox, .value = 1}};
  const FormDesign d = {.name = L"frmCheck", .controls = check, .controlCount = 1};
  struct Clicks : Form {
    using Form::Form;
    int clicks = 0;
    void Control_Event(Control&, Event e, const MouseArgs&) override { clicks += e == Event::Click; }
  } f(d);
  f.Load();
  EXPECT_EQ(f.C(L"chkAlpha").Value(), 1);
  f.C(L"chkAlpha").SetValue(2);
  EXPECT_EQ(f.C(L"chkAlpha").Value(), 2) << "grey";
  f.C(L"chkAlpha").SetValue(5);
  EXPECT_EQ(f.C(L"chkAlpha").Value(), 2);
  EXPECT_EQ(f.clicks, 1) << "a change of value is a click; no change, none";
}

TEST(FormModel, ReloadingStartsFromTheDesignAgain) {
  TestForm f;
  f.Load();
  f.C(L"cmdOK").SetCaption(L"Save");
  f.Unload();
  f.Load();
  EXPECT_EQ(f.C(L"cmdOK").Caption(), L">>");
}

TEST(FormModel, ReadingOrderGoesByRowsThenFromTheLeft) {
  // A button, a box set a little lower in its row and one on the right; a
  // list above them; a box alone below.
  const std::vector<Rect> rects = {
      {340, 204, 424, 235},  // ">>"
      {188, 223, 206, 239},  // box, lower but within the row
      {13, 206, 97, 237},    // "<<"
      {85, 154, 306, 181},   // list
      {268, 257, 283, 278},  // box below
  };
  EXPECT_EQ(ReadingOrder(rects), (std::vector<size_t>{3, 2, 1, 0, 4}));
  EXPECT_TRUE(ReadingOrder({}).empty());
  // Rows of flat rectangles do not swallow the next one.
  EXPECT_EQ(ReadingOrder({{50, 10, 60, 10}, {0, 10, 10, 10}, {0, 11, 10, 11}}), (std::vector<size_t>{1, 0, 2}));
}

TEST(Twips, FifteenPerPixel) {
  EXPECT_EQ(PixelsFromTwips(8175), 545);
  EXPECT_EQ(PixelsFromTwips(-60), -4);
  EXPECT_EQ(PixelsFromTwips(-30), -2);
  EXPECT_EQ(TwipsFromPixels(152), 2280);
}

}  // namespace
}  // namespace tarnix::ui
