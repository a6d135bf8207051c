// The options dialog against the form model: what it shows from the store,
// what it saves, and the ways it ends.
#include <gtest/gtest.h>

#include "FakeHost.h"
#include "FakePlatform.h"
#include "settings/LanguageTables.h"

namespace tarnix {
namespace {

struct Options : testing::FakeProcess {
  testing::FakeHost host;
  frmOptionen& dlg = app.options;
  Options() {
    app.SetHost(&host);
    host.pictures = [](int) { return ReadBmp(ReadFileBytes(TARNIX_ART_DIR "/skin_mask.bmp"))->picture; };
    platform.commandLine = L"C:\\WINDOWS\\Tarnix.scr /c";
  }
  // Starts the process as "/c" does; false if it ended.
  bool Open() { return !Start(); }
};

TEST(OptionsDialog, ShowsTheStoredTextsAndSelectsTheStoredAction) {
  Options o;
  WriteLanguageTables(o.settings, Language::German);
  o.settings.SaveSetting(L"Aktionen", L"Use", L"3");
  ASSERT_TRUE(o.Open());
  EXPECT_TRUE(o.dlg.IsVisible());
  EXPECT_FALSE(o.app.main.IsVisible()) << "the saver window stays hidden";
  ui::Control& list = o.dlg.cmbAktion;
  ASSERT_EQ(list.ListCount(), 7);
  EXPECT_EQ(list.List(0), L"Herunterfahren");
  EXPECT_EQ(list.List(6), L"Schwarzer Bildschirm");
  EXPECT_EQ(list.ListIndex(), 3);
  EXPECT_EQ(o.dlg.lblText.Caption(), o.settings.GetSetting(L"Sprache", L"3", L""));
  EXPECT_EQ(o.dlg.lblBesch.Caption(), L"Beschreibung:");
  EXPECT_EQ(o.dlg.lblAktion.Caption(), L"Aktion");
  EXPECT_EQ(o.dlg.lblAlpha.Caption(), L"Blitz-Effekt");
  EXPECT_EQ(o.dlg.cmdOK.Caption(), L"Speichern");
  EXPECT_EQ(o.dlg.lblVer.Caption(), L"2.6");
  EXPECT_EQ(o.dlg.chkAlpha.Value(), 1);
  EXPECT_EQ(o.dlg.Caption(), L"     Tarnix: Optionen") << "the designed title, never the stored one";
}

TEST(OptionsDialog, IsCentredSizedAndCutToTheSkin) {
  Options o;
  ASSERT_TRUE(o.Open());
  EXPECT_EQ(ui::PixelsFromTwips(o.dlg.Width()), 440);
  EXPECT_EQ(ui::PixelsFromTwips(o.dlg.Height()), 249);
  EXPECT_EQ(ui::PixelsFromTwips(o.dlg.Left()), 292);
  ASSERT_FALSE(o.dlg.WindowRegion().empty());
  EXPECT_EQ(o.dlg.WindowRegion().front().top, 1) << "row 0 is cut away";
  // The thunder box and its label lie wholly below the cut window.
  EXPECT_GE(ui::PixelsFromTwips(o.dlg.chkAlpha.Top()), 249);
  EXPECT_GE(ui::PixelsFromTwips(o.dlg.lblAlpha.Top()), 249);
}

TEST(Focus, TheOptionsDialogsHiddenThunderBoxKeepsItsStopAfterTheVisibleOnes) {
  Options o;
  ASSERT_TRUE(o.Open());
  bool seen = true;
  EXPECT_EQ(testing::TabStops(o.dlg, &seen),
            (std::vector<std::wstring>{L"cmbAktion", L"cmdOK", L"cmbWarnung", L"chkAlpha"}));
  EXPECT_FALSE(seen) << "the thunder box lies below the skin, as designed";
  o.dlg.chkAlpha.SetVisible(false);
  EXPECT_EQ(testing::TabStops(o.dlg, &seen), (std::vector<std::wstring>{L"cmbAktion", L"cmdOK", L"cmbWarnung"}));
  EXPECT_TRUE(seen) << "everything else shows where it is";
}

TEST(OptionsDialog, TheDescriptionFollowsTheSelection) {
  Options o;
  WriteLanguageTables(o.settings, Language::English);
  ASSERT_TRUE(o.Open());
  o.dlg.cmbAktion.SetListIndex(1);
  EXPECT_EQ(o.dlg.lblText.Caption(), L"Shuts down the computer and turns it on.");
  o.dlg.cmbAktion_Change();
  EXPECT_EQ(o.dlg.lblText.Caption(), L"Shuts down the computer and turns it on.");
}

TEST(OptionsDialog, SaveWritesTheCodeAndTheBoxThenEnds) {
  Options o;
  WriteLanguageTables(o.settings, Language::English);
  o.settings.SaveSetting(L"Aktionen", L"Use", L"4");
  ASSERT_TRUE(o.Open());
  o.dlg.cmbAktion.SetListIndex(0);
  o.dlg.lblAlpha_Click();  // ticked -> off
  const size_t before = o.settings.Writes().size();
  EXPECT_TRUE(o.Ends([&] { o.dlg.cmdOK_Click(); }));
  const std::vector<std::wstring> writes(o.settings.Writes().begin() + long(before), o.settings.Writes().end());
  EXPECT_EQ(writes, (std::vector<std::wstring>{L"Aktionen/Use=0", L"Einstellungen/Alpha=0", L"Einstellungen/Warnung=15"}));
  EXPECT_FALSE(o.app.main.IsLoaded()) << "EndProgram ran";
}

TEST(OptionsDialog, ARefusedSaveSaysSoAndStillEnds) {
  Options o;
  ASSERT_TRUE(o.Open());
  o.settings.RefuseWrites(true);
  EXPECT_TRUE(o.Ends([&] { o.dlg.cmdOK_Click(); }));
  ASSERT_EQ(o.platform.messages.size(), 1u);
  EXPECT_NE(o.platform.messages[0].text.find(L"could not be saved"), std::wstring::npos);
}

TEST(OptionsDialog, ClosingInAnyOtherWayEndsWithoutWriting) {
  Options o;
  o.settings.SaveSetting(L"Aktionen", L"Use", L"2");
  ASSERT_TRUE(o.Open());
  o.dlg.cmbAktion.SetListIndex(5);
  const size_t before = o.settings.Writes().size();
  EXPECT_TRUE(o.Ends([&] { o.dlg.Unload(ui::UnloadMode::FormControlMenu); }));
  EXPECT_EQ(o.settings.Writes().size(), before);
  EXPECT_EQ(o.settings.GetSetting(L"Aktionen", L"use", L""), L"2");
}

TEST(OptionsDialog, TheThunderLabelTogglesTheBox) {
  for (const auto& [stored, clicks, expected] :
       std::vector<std::tuple<const wchar_t*, int, int>>{{L"0", 1, 1}, {L"0", 2, 0}, {L"1", 1, 0}, {L"2", 1, 0}}) {
    Options o2;
    o2.settings.SaveSetting(L"Einstellungen", L"Alpha", stored);
    ASSERT_TRUE(o2.Open());
    for (int i = 0; i < clicks; ++i) o2.dlg.lblAlpha_Click();
    EXPECT_EQ(o2.dlg.chkAlpha.Value(), expected) << "from " << stored << ", " << clicks << " click(s)";
  }
}

TEST(OptionsDialog, TheHoverUnderlineStaysUntilThePointerCrossesTheBareWindow) {
  Options o;
  ASSERT_TRUE(o.Open());
  ui::Control& label = o.dlg.lblAlpha;
  EXPECT_FALSE(label.Underline());
  o.dlg.Control_Event(label, ui::Event::MouseMove, {});
  EXPECT_TRUE(label.Underline());
  o.dlg.Control_Event(o.dlg.cmdOK, ui::Event::MouseMove, {});
  o.dlg.Control_Event(o.dlg.lblText, ui::Event::MouseMove, {});
  EXPECT_TRUE(label.Underline()) << "other controls leave it alone";
  o.dlg.Form_MouseMove(0, 0, 100, 100);
  EXPECT_FALSE(label.Underline());
  o.dlg.Control_Event(o.dlg.chkAlpha, ui::Event::MouseMove, {});
  EXPECT_TRUE(label.Underline());
}

TEST(OptionsDialog, PressingTheTopStripHandsTheWindowToTheDrag) {
  Options o;
  ASSERT_TRUE(o.Open());
  ui::Control* strip = o.dlg.HitTest(336, 30);  // over the version label
  ASSERT_NE(strip, nullptr);
  EXPECT_EQ(strip->Name(), L"imgVersch");
  o.dlg.Control_Event(*strip, ui::Event::MouseDown, {2});
  EXPECT_EQ(o.host.drags, 1) << "any button drags";
  o.dlg.Control_Event(o.dlg.lblBesch, ui::Event::MouseDown, {1});
  EXPECT_EQ(o.host.drags, 1);
}

TEST(OptionsDialog, InvalidStoredValuesGiveDefinedChoices) {
  struct Case { const wchar_t* use; int index; };
  for (const Case c : {Case{nullptr, 6}, Case{L"", 6}, Case{L"abc", 6}, Case{L"3.5", 6}, Case{L"7", 6},
                       Case{L"-1", 6}, Case{L"1e400", 6}, Case{L" 2 ", 2}, Case{L"3.0", 3}}) {
    Options o;
    if (c.use) o.settings.SaveSetting(L"Aktionen", L"Use", c.use);
    ASSERT_TRUE(o.Open());
    EXPECT_EQ(o.dlg.cmbAktion.ListIndex(), c.index) << "use = " << (c.use ? "\"" : "missing");
  }
  struct Alpha { const wchar_t* stored; int value; };
  for (const Alpha a : {Alpha{L"1", 1}, Alpha{L"2", 2}, Alpha{L"0", 0}, Alpha{L"", 0}, Alpha{L"3", 0},
                        Alpha{L"-1", 0}, Alpha{L"x", 0}}) {
    Options o;
    o.settings.SaveSetting(L"Einstellungen", L"Alpha", a.stored);
    ASSERT_TRUE(o.Open());
    EXPECT_EQ(o.dlg.chkAlpha.Value(), a.value);
    EXPECT_TRUE(o.Ends([&] { o.dlg.cmdOK_Click(); }));
    EXPECT_EQ(o.settings.GetSetting(L"Aktionen", L"use", L""), L"6") << "saving writes a valid code";
  }
}

TEST(OptionsDialog, LongAndStrangeTextsAreShownAsTheyAre) {
  Options o;
  const std::wstring huge(100000, L'x');
  const std::wstring control = L"a\r\nb\t\x01\x7f";
  o.settings.SaveSetting(L"Aktionen", L"0", huge);
  o.settings.SaveSetting(L"Sprache", L"6", control);
  o.settings.SaveSetting(L"Sprache", L"Speichern", huge);
  ASSERT_TRUE(o.Open());
  EXPECT_EQ(o.dlg.cmbAktion.List(0), huge);
  EXPECT_EQ(o.dlg.lblText.Caption(), control);
  EXPECT_EQ(o.dlg.cmdOK.Caption(), huge);
}

TEST(Startup, NoArgumentsAndSlashCColonOpenTheOptionsDialog) {
  for (const wchar_t* line : {L"C:\\WINDOWS\\Tarnix.scr", L"C:\\WINDOWS\\Tarnix.scr /c:1234", L"Tarnix.scr /C"}) {
    Options o;
    o.platform.commandLine = line;
    ASSERT_TRUE(o.Open());
    EXPECT_TRUE(o.dlg.IsVisible()) << ::testing::PrintToString(std::wstring(line));
    EXPECT_TRUE(o.platform.messages.empty()) << "no placeholder message";
  }
}

}  // namespace
}  // namespace tarnix
