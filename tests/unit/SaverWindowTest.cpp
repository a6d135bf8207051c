// The saver window's faces and the input rules that end them.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "FakeHost.h"
#include "FakePlatform.h"

namespace tarnix {
void PrintTo(const ScreenArea& a, std::ostream* os) {
  *os << a.left << "," << a.top << " " << a.width << "x" << a.height;
}

namespace {

using testing::FakeHost;
using testing::FakeProcess;

struct Saver : FakeProcess {
  FakeHost host;
  Saver() { app.main.SetHost(&host); }
  frmMain& main = app.main;
  // Runs the start-up with these arguments; true when the process ended.
  bool StartWith(const std::wstring& arguments) {
    platform.commandLine = L"\"C:\\WINDOWS\\Tarnix.scr\" " + arguments;
    return Start();
  }
  int Count(const std::wstring& event) const {
    return int(std::count(platform.events.begin(), platform.events.end(), event));
  }
};

// Where the window stands, in pixels.
ScreenArea PlacedPixels(const frmMain& f) {
  return {ui::PixelsFromTwips(f.Left()), ui::PixelsFromTwips(f.Top()), ui::PixelsFromTwips(f.Width()),
          ui::PixelsFromTwips(f.Height())};
}

TEST(DesignState, ABlackWindowOfItsDesignSizeWithNothingOnIt) {
  Saver s;
  ASSERT_FALSE(s.StartWith(L"/x"));
  EXPECT_TRUE(s.main.IsVisible());
  EXPECT_EQ(s.main.Width(), 8175);
  EXPECT_EQ(s.main.Height(), 5100);
  EXPECT_EQ(s.main.GetWindowState(), ui::WindowState::Normal);
  EXPECT_FALSE(s.main.OnTop());
  for (const auto& c : s.main.Controls()) EXPECT_FALSE(c->Visible()) << "control shown: " << ::testing::PrintToString(c->Name());
  EXPECT_EQ(s.main.lblInfo.Caption(), L"lblInfo");
  EXPECT_EQ(s.main.lblInfo2.Caption(), L"lblInfo");
  EXPECT_EQ(s.main.lblInfo2.Left(), -60);
  EXPECT_EQ(s.Count(L"ShowCursor(false)"), 0) << "the cursor stays visible";
}

TEST(DesignState, EndsOnInputLikeTheBlackScreen) {
  Saver s;
  ASSERT_FALSE(s.StartWith(L"-s"));
  int key = 'q';
  EXPECT_TRUE(s.Ends([&] { s.main.Form_KeyPress(key); }));
}

TEST(BlackScreen, TopmostOverTheWholeScreenAndWithoutCursor) {
  Saver s;
  s.settings.SaveSetting(L"Aktionen", L"Use", L"6");
  ASSERT_FALSE(s.StartWith(L"/s"));
  EXPECT_TRUE(s.main.OnTop());
  EXPECT_EQ(s.host.topmostCalls, std::vector<bool>{true});
  EXPECT_TRUE(s.main.IsPlaced());
  EXPECT_EQ(s.main.GetWindowState(), ui::WindowState::Normal) << "maximised, it would cover one monitor only";
  EXPECT_TRUE(s.main.IsVisible());
  EXPECT_EQ(s.platform.cursorCount, -1);
}

TEST(BlackScreen, CoversEveryMonitor) {
  struct Desk {
    const char* what;
    ScreenArea all;
  };
  for (const Desk d : {Desk{"one monitor", {0, 0, 1024, 768}}, Desk{"two side by side", {0, 0, 3840, 1080}},
                       Desk{"one left of the primary", {-1280, -200, 3200, 1280}}}) {
    Saver s;
    s.platform.virtualScreen = d.all;
    s.settings.SaveSetting(L"Aktionen", L"Use", L"6");
    ASSERT_FALSE(s.StartWith(L"/s"));
    EXPECT_EQ(PlacedPixels(s.main), d.all) << d.what;
  }
}

TEST(BlackScreen, FollowsAMonitorPluggedInWhileItShows) {
  Saver s;
  s.settings.SaveSetting(L"Aktionen", L"Use", L"6");
  ASSERT_FALSE(s.StartWith(L"/s"));
  EXPECT_FALSE(s.Ends([&] { s.main.Form_MouseMove(0, 0, 7680, 5760); }));

  const ScreenArea two{-1280, 0, 2304, 1024};
  s.platform.virtualScreen = two;
  EXPECT_FALSE(s.Ends([&] { s.main.Form_DisplayChanged(); }));
  EXPECT_EQ(PlacedPixels(s.main), two);
  EXPECT_TRUE(s.main.OnTop());
  EXPECT_EQ(s.platform.cursorCount, -1) << "the cursor stays hidden";

  // The window moved 1280 pixels under a cursor that stayed: not a move.
  EXPECT_FALSE(s.Ends([&] { s.main.Form_MouseMove(0, 0, 7680 + 1280 * 15, 5760); }));
  EXPECT_TRUE(s.Ends([&] { s.main.Form_MouseMove(0, 0, 7680 + 1280 * 15, 5760 + 45); }))
      << "a real move after it still ends the screen";
}

TEST(BlackScreen, TheOtherFacesKeepTheirPlaceWhenTheDisplayChanges) {
  Saver s;
  ASSERT_FALSE(s.StartWith(L"/x"));
  const ScreenArea before = PlacedPixels(s.main);
  s.platform.virtualScreen = {-1280, 0, 2304, 1024};
  s.main.Form_DisplayChanged();
  EXPECT_EQ(PlacedPixels(s.main), before);
}

TEST(BlackScreen, ClickAndKeyShowTheCursorBeforeEnding) {
  for (int which = 0; which < 2; ++which) {
    Saver s;
    s.settings.SaveSetting(L"Aktionen", L"Use", L"6");
    ASSERT_FALSE(s.StartWith(L"/s"));
    int key = 'a';
    EXPECT_TRUE(s.Ends([&] { which == 0 ? s.main.Form_Click() : s.main.Form_KeyPress(key); }));
    EXPECT_EQ(s.platform.cursorCount, 0) << "the cursor is shown again";
    const auto& e = s.platform.events;
    ASSERT_GE(e.size(), 2u);
    EXPECT_EQ(e[e.size() - 2], L"ShowCursor(true)");
    EXPECT_EQ(e.back(), L"EndProcess");
  }
}

TEST(MouseJumps, TheFirstReportOnlyRecords) {
  Saver s;
  ASSERT_FALSE(s.StartWith(L"/x"));
  EXPECT_FALSE(s.Ends([&] { s.main.Form_MouseMove(0, 0, 7680, 5760); }));
  EXPECT_EQ(s.main.LastMouseX(), 7680);
  EXPECT_EQ(s.main.LastMouseY(), 5760);
}

TEST(MouseJumps, TwoPixelStepsNeverEndButThreePixelsDo) {
  Saver s;
  ASSERT_FALSE(s.StartWith(L"/x"));
  float x = 7680, y = 5760;
  for (int i = 0; i < 200; ++i) {  // a slow drift across the screen
    x += 30;
    y += (i % 2) * 30;
    ASSERT_FALSE(s.Ends([&] { s.main.Form_MouseMove(0, 0, x, y); })) << "step " << i;
  }
  EXPECT_TRUE(s.Ends([&] { s.main.Form_MouseMove(0, 0, x, y + 45); })) << "a 3-pixel jump down";
  EXPECT_EQ(s.Count(L"ShowCursor(true)"), 0) << "a mouse move ends without showing the cursor";
}

TEST(MouseJumps, AJumpToTheLeftCountsToo) {
  Saver s;
  ASSERT_FALSE(s.StartWith(L"/x"));
  s.main.Form_MouseMove(0, 0, 300, 300);
  EXPECT_TRUE(s.Ends([&] { s.main.Form_MouseMove(0, 0, 255, 300); }));
}

TEST(MouseJumps, AReportAtTheOriginMakesTheNextRecordOnly) {
  Saver s;
  ASSERT_FALSE(s.StartWith(L"/x"));
  s.main.Form_MouseMove(0, 0, 0, 0);
  EXPECT_FALSE(s.Ends([&] { s.main.Form_MouseMove(0, 0, 9000, 9000); }));
  EXPECT_TRUE(s.Ends([&] { s.main.Form_MouseMove(0, 0, 9000, 9060); }));
}

TEST(MouseJumps, RecordedPositionsRoundTiesToEven) {
  Saver s;
  ASSERT_FALSE(s.StartWith(L"/x"));
  s.main.Form_MouseMove(0, 0, 100.5f, 101.5f);
  EXPECT_EQ(s.main.LastMouseX(), 100);
  EXPECT_EQ(s.main.LastMouseY(), 102);
}

TEST(MouseJumps, PositionsBeyondSixteenBitsDoNotOverflow) {
  Saver s;
  ASSERT_FALSE(s.StartWith(L"/x"));
  EXPECT_FALSE(s.Ends([&] { s.main.Form_MouseMove(0, 0, 3000.0f * 15, 2500.0f * 15); }));
  EXPECT_EQ(s.main.LastMouseX(), 45000);
  EXPECT_EQ(s.main.LastMouseY(), 37500);
  EXPECT_FALSE(s.Ends([&] { s.main.Form_MouseMove(0, 0, 3002.0f * 15, 2500.0f * 15); }))
      << "two more pixels far out is still a small step";
}

struct Preview : Saver {
  Preview() {
    host.hostWindows[1234] = {152, 112};
    settings.SaveSetting(L"Aktionen", L"Use", L"3");
    settings.SaveSetting(L"Aktionen", L"3", L"Stand By");
  }
};

TEST(PreviewEntry, FillsTheHostWithTheLogoAndTheActionName) {
  Preview p;
  ASSERT_FALSE(p.StartWith(L"/p 1234"));
  EXPECT_TRUE(p.main.IsPreview());
  EXPECT_TRUE(p.main.IsVisible());
  EXPECT_EQ(p.main.Caption(), L"Preview");
  EXPECT_EQ(p.main.Width(), 152 * 15);
  EXPECT_EQ(p.main.Height(), 112 * 15);
  const ui::Control& logo = p.main.imgLogo;
  EXPECT_TRUE(logo.Visible());
  EXPECT_EQ(logo.Left(), 0);
  EXPECT_EQ(logo.Top(), 0);
  EXPECT_EQ(logo.Width(), 152 * 15);
  EXPECT_EQ(logo.Height(), 112 * 15);
  const ui::Control& info = p.main.lblInfo;
  const ui::Control& shadow = p.main.lblInfo2;
  EXPECT_EQ(info.Caption(), L"Stand By");
  EXPECT_EQ(shadow.Caption(), L"Stand By");
  EXPECT_TRUE(info.Visible());
  EXPECT_TRUE(shadow.Visible());
  EXPECT_EQ(info.Left(), 0);
  EXPECT_EQ(info.Width(), 152 * 15);
  EXPECT_EQ(shadow.Left(), 15) << "the shadow lies one pixel right";
  EXPECT_EQ(shadow.Top(), 15) << "and one pixel down";
  EXPECT_EQ(info.Height(), 19 * 15) << "the label sized itself to one line";
  // The shadow is beneath the text: later in the stacking order.
  const auto& cs = p.main.Controls();
  const auto pos = [&](const wchar_t* n) {
    return std::find_if(cs.begin(), cs.end(), [&](const auto& c) { return c->Name() == n; }) - cs.begin();
  };
  EXPECT_LT(pos(L"lblInfo"), pos(L"lblInfo2"));
  EXPECT_LT(pos(L"lblInfo2"), pos(L"imgLogo"));
}

TEST(PreviewEntry, IgnoresEveryInput) {
  Preview p;
  ASSERT_FALSE(p.StartWith(L"/P:1234"));
  int key = 'x';
  EXPECT_FALSE(p.Ends([&] {
    p.main.Form_Click();
    p.main.Form_KeyPress(key);
    p.main.Form_MouseMove(0, 0, 100, 100);
    p.main.Form_MouseMove(0, 0, 2000, 2000);
  }));
  EXPECT_EQ(p.platform.cursorCount, 0);
}

TEST(PreviewEntry, NoStoredActionShowsTheBlackScreenAndNoStoredNameTheProgramsOwn) {
  Saver s;
  s.host.hostWindows[1234] = {152, 112};
  s.platform.displayLanguage = Language::German;
  ASSERT_FALSE(s.StartWith(L"/p 1234"));
  EXPECT_EQ(s.main.lblInfo.Caption(), L"Schwarzer Bildschirm") << "nothing chosen is the black screen";
  EXPECT_EQ(s.main.lblInfo2.Caption(), L"Schwarzer Bildschirm");
  EXPECT_TRUE(s.settings.Writes().empty()) << "the preview never writes";
}

TEST(PreviewEntry, AStoredValueThatIsNoCodeGivesEmptyLabels) {
  Saver s;
  s.host.hostWindows[1234] = {152, 112};
  s.settings.SaveSetting(L"Aktionen", L"Use", L"7");
  ASSERT_FALSE(s.StartWith(L"/p 1234"));
  EXPECT_EQ(s.main.lblInfo.Caption(), L"");
}

TEST(PreviewEntry, WithoutAUsableHostTheProcessEnds) {
  for (const wchar_t* args : {L"/p", L"/p 0", L"/p 99999999999", L"/p 4321", L"/p abc"}) {
    Preview p;
    EXPECT_TRUE(p.StartWith(args)) << ::testing::PrintToString(std::wstring(args));
  }
}

TEST(PreviewEntry, TheHostDestroyingTheWindowEndsTheProcess) {
  Preview p;
  ASSERT_FALSE(p.StartWith(L"/p 1234"));
  EXPECT_TRUE(p.Ends([&] { p.main.WindowLost(); }));
}

TEST(OnTop, ReadsBackWhatWasAssigned) {
  Saver s;
  ASSERT_FALSE(s.StartWith(L"/x"));
  EXPECT_FALSE(s.main.OnTop());
  s.main.SetOnTop(true);
  EXPECT_TRUE(s.main.OnTop());
  s.main.SetOnTop(false);
  EXPECT_FALSE(s.main.OnTop());
  EXPECT_EQ(s.host.topmostCalls, (std::vector<bool>{true, false}));
}

}  // namespace
}  // namespace tarnix
