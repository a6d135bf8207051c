// The thunder window and its pulse against the model: the levels and alphas
// it shows, its hand-overs, its place, and the wizard starting and stopping it.
#include <gtest/gtest.h>

#include "FakeHost.h"
#include "FakePlatform.h"
#include "app/modAlpha.h"
#include "effects/modRegion.h"
#include "forms/resource.h"

namespace tarnix {
namespace {

struct Thunder : testing::FakeProcess {
  testing::FakeHost host;
  frmBlitz& blitz = app.blitz;
  frmSetup& wiz = app.setup;
  Thunder() {
    app.SetHost(&host);
    host.pictures = [](int id) {
      const char* file = id == IDB_BLITZ_MASK ? TARNIX_ART_DIR "/blitz_mask.bmp" : TARNIX_ART_DIR "/skin_mask.bmp";
      return ReadBmp(ReadFileBytes(file))->picture;
    };
    platform.exePath = L"D:\\dl\\SETUP_Tarnix.exe";
    platform.commandLine = L"D:\\dl\\SETUP_Tarnix.exe";
  }
  // The timer that is enabled ticks once; false when none is.
  bool Tick() {
    for (int i : {0, 1})
      if (blitz.tmrAlpha[i].Enabled()) {
        blitz.Control_Event(blitz.tmrAlpha[i], ui::Event::Timer, {});
        return true;
      }
    return false;
  }
  void ThunderBox() { wiz.lblAlpha_Click(); }
};

TEST(Pulse, TheFirstTwentyTicksFromAFreshLoad) {
  Thunder t;
  t.blitz.Show();
  EXPECT_EQ(t.blitz.AlphaLevel(), 255);
  EXPECT_EQ(t.blitz.Opacity(), -1) << "not layered before the first tick";
  std::vector<int> levels, alphas;
  for (int i = 0; i < 20; ++i) {
    ASSERT_TRUE(t.Tick());
    levels.push_back(t.blitz.AlphaLevel());
    alphas.push_back(t.blitz.Opacity());
  }
  EXPECT_EQ(levels, (std::vector<int>{340, 250, 160, 70, -20, 65, 150, 235, 320, 230, 140, 50, -40, 45, 130, 215,
                                      300, 210, 120, 30}));
  EXPECT_EQ(alphas, (std::vector<int>{84, 250, 160, 70, 236, 65, 150, 235, 64, 230, 140, 50, 216, 45, 130, 215, 44,
                                      210, 120, 30}));
  EXPECT_EQ(t.host.raised, 20) << "raised on every tick";
}

TEST(Pulse, ThresholdsAreStrict) {
  EXPECT_EQ(ThunderPulse(155, 0).level, 240);
  EXPECT_FALSE(ThunderPulse(155, 0).handOver) << "exactly 240 keeps rising";
  EXPECT_TRUE(ThunderPulse(156, 0).handOver);
  EXPECT_EQ(ThunderPulse(140, 1).level, 50);
  EXPECT_FALSE(ThunderPulse(140, 1).handOver) << "exactly 50 keeps falling";
  EXPECT_TRUE(ThunderPulse(139, 1).handOver);
  EXPECT_EQ(ThunderPulse(100, 2).level, 100) << "another timer changes nothing";
  EXPECT_EQ(ThunderPulse(2147483647, 0).level, -2147483647 - 1 + 84) << "wraps like the 32-bit level";
}

TEST(Pulse, RepeatsEverySeventyTicksFromTheFourteenth) {
  Thunder t;
  t.blitz.Show();
  std::vector<int> levels;
  for (int i = 0; i < 300; ++i) {
    ASSERT_TRUE(t.Tick());
    levels.push_back(t.blitz.AlphaLevel());
  }
  EXPECT_EQ(levels[13], 45);
  for (size_t k = 13; k + 70 < levels.size(); ++k) ASSERT_EQ(levels[k], levels[k + 70]) << "tick " << k + 1;
  EXPECT_GE(*std::min_element(levels.begin(), levels.end()), -40);
  EXPECT_LE(*std::max_element(levels.begin(), levels.end()), 340);
}

TEST(ThunderWindow, SitsInTheTopRightCornerCutToTheStrokes) {
  Thunder t;
  t.blitz.Show();
  EXPECT_EQ(ui::PixelsFromTwips(t.blitz.Width()), 640);
  EXPECT_EQ(ui::PixelsFromTwips(t.blitz.Height()), 480);
  EXPECT_EQ(ui::PixelsFromTwips(t.blitz.Left()), 384);
  EXPECT_EQ(t.blitz.Top(), 0);
  EXPECT_EQ(t.blitz.WindowRegion(),
            RegionFromPicture(ReadBmp(ReadFileBytes(TARNIX_ART_DIR "/blitz_mask.bmp"))->picture));
}

TEST(ThunderWindow, BelowWindows5ItOnlyRaisesItself) {
  Thunder t;
  t.platform.osMajor = 4;
  t.blitz.Show();
  for (int i = 0; i < 5; ++i) ASSERT_TRUE(t.Tick());
  EXPECT_EQ(t.blitz.AlphaLevel(), 255);
  EXPECT_TRUE(t.blitz.tmrAlpha[0].Enabled());
  EXPECT_FALSE(t.blitz.tmrAlpha[1].Enabled());
  EXPECT_EQ(t.blitz.Opacity(), -1) << "never layered";
  EXPECT_EQ(t.host.raised, 5);
}

TEST(ThunderWindow, TheVersionIsAskedOncePerProcess) {
  Thunder t;
  t.blitz.Show();
  const auto asked = [&] { return std::count(t.platform.events.begin(), t.platform.events.end(), L"OsMajorVersion"); };
  for (int i = 0; i < 10; ++i) t.Tick();
  EXPECT_LE(asked(), 1);
}

TEST(ThunderBox, TickingShowsAndStartsClearingHidesAndStopsTheLevelCarriesOver) {
  Thunder t;
  ASSERT_FALSE(t.Start());
  t.ThunderBox();
  EXPECT_TRUE(t.blitz.IsVisible());
  for (int i = 0; i < 6; ++i) ASSERT_TRUE(t.Tick());
  EXPECT_EQ(t.blitz.AlphaLevel(), 65);
  const int left = t.blitz.Left(), regions = t.host.regionsApplied;
  t.ThunderBox();
  EXPECT_FALSE(t.blitz.IsVisible());
  EXPECT_FALSE(t.Tick()) << "both timers stopped";
  t.ThunderBox();
  EXPECT_TRUE(t.blitz.IsVisible());
  ASSERT_TRUE(t.Tick());
  EXPECT_EQ(t.blitz.AlphaLevel(), 150) << "rising on from where it stopped";
  EXPECT_EQ(t.blitz.Left(), left) << "not placed again";
  EXPECT_EQ(t.host.regionsApplied, regions) << "not cut again";
}

TEST(ThunderBox, GreyDoesNothing) {
  Thunder t;
  ASSERT_FALSE(t.Start());
  t.wiz.chkAlpha.SetValue(2);
  EXPECT_FALSE(t.blitz.IsLoaded());
}

TEST(ThunderBox, InstallingHidesAndStopsTheWindowLoadingItIfNeeded) {
  for (const bool shownBefore : {false, true}) {
    Thunder t;
    ASSERT_FALSE(t.Start());
    if (shownBefore) t.ThunderBox();
    t.wiz.Control_Event(t.wiz.lblOpt[0], ui::Event::Click, {});
    t.wiz.cmdOK_Click();
    t.wiz.cmdOK_Click();
    EXPECT_TRUE(t.blitz.IsLoaded());
    EXPECT_FALSE(t.blitz.IsVisible());
    EXPECT_FALSE(t.Tick()) << "both timers stopped";
    EXPECT_FALSE(t.blitz.WindowRegion().empty()) << "loaded and cut before the page changed";
  }
}

}  // namespace
}  // namespace tarnix
