// The forms' typed controls and their routes: every form binds to its design
// when it is made, and every event a form routes reaches its handler.
#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <stdexcept>
#include <string>
#include <utility>

#include "FakeHost.h"
#include "FakePlatform.h"
#include "forms/Designs.h"
#include "settings/LanguageTables.h"

namespace tarnix {
namespace {

std::string Narrow(const std::wstring& s) {
  std::string out;
  for (wchar_t c : s) {
    if (c < 0x80) out += char(c);
    else if (c < 0x800) out += {char(0xC0 | (c >> 6)), char(0x80 | (c & 0x3F))};
    else out += {char(0xE0 | (c >> 12)), char(0x80 | ((c >> 6) & 0x3F)), char(0x80 | (c & 0x3F))};
  }
  return out;
}

const char* EventName(ui::Event e) {
  switch (e) {
    case ui::Event::Click: return "Click";
    case ui::Event::Change: return "Change";
    case ui::Event::MouseMove: return "MouseMove";
    case ui::Event::MouseDown: return "MouseDown";
    case ui::Event::Timer: return "Timer";
  }
  return "?";
}

// Every route names designed controls, is the one the dispatcher finds for
// each of them, and runs the handler named after that control and event.
template <class F>
void ExpectEveryRouteReachesItsHandler(F& form) {
  std::set<std::pair<const ui::Control*, ui::Event>> seen;
  for (const ui::Route<F>& r : F::Routes()) {
    int held = 0;
    for (const auto& c : form.Controls()) {
      if (!r.holds(form, *c)) continue;
      ++held;
      EXPECT_EQ(r.name, Narrow(c->Name()) + "_" + EventName(r.event)) << "a route reaches another control's handler";
      EXPECT_EQ(ui::FindRoute(form, F::Routes(), *c, r.event), &r) << r.name << " is shadowed by another route";
      EXPECT_TRUE(seen.insert({c.get(), r.event}).second) << r.name << " is routed twice";
      EXPECT_TRUE((r.handler != nullptr) != (r.indexedHandler != nullptr)) << r.name;
      EXPECT_EQ(r.indexedHandler != nullptr, c->Index() >= 0) << r.name << ": an array's handler takes the index";
    }
    EXPECT_GT(held, 0) << r.name << " names no designed control";
  }
}

TEST(Forms, EveryFormBindsEveryDesignedControlWhenItIsMade) {
  testing::FakeProcess p;
  for (const ui::Form* f : p.app.Forms()) {
    ASSERT_NE(f->Design(), nullptr);
    EXPECT_EQ(f->Controls().size(), f->Design()->controlCount) << Narrow(f->Name());
  }
  // Bound before loading, and the same controls after loads and unloads.
  frmBlitz& blitz = p.app.blitz;
  ui::Control* const before = &blitz.tmrAlpha[0];
  blitz.Load();
  blitz.tmrAlpha[0].SetEnabled(false);
  blitz.Unload();
  blitz.Load();
  EXPECT_EQ(&blitz.tmrAlpha[0], before);
  EXPECT_TRUE(blitz.tmrAlpha[0].Enabled()) << "a new load starts from the design";
  EXPECT_EQ(&p.app.setup.optSprache[1], &p.app.setup.C(L"optSprache", 1));
}

class MisspeltForm : public ui::Form {
 public:
  MisspeltForm() : ui::Form(kFrmOptionenDesign) {}
  ui::Control& cmdOk = Bind(L"cmdOk");
};

class GappedArrayForm : public ui::Form {
 public:
  GappedArrayForm() : ui::Form(kFrmSetupDesign) {}
  ui::ControlArray cmdOK = BindArray(L"cmdOK");  // a single control, not an array
};

TEST(Forms, AControlTheDesignLacksFailsWhenTheFormIsMade) {
  EXPECT_THROW(MisspeltForm(), std::logic_error);
  EXPECT_THROW(GappedArrayForm(), std::logic_error);
}

TEST(Forms, EveryRouteReachesItsHandler) {
  testing::FakeProcess p;
  ExpectEveryRouteReachesItsHandler(p.app.options);
  ExpectEveryRouteReachesItsHandler(p.app.setup);
  ExpectEveryRouteReachesItsHandler(p.app.blitz);
  ExpectEveryRouteReachesItsHandler(p.app.main);
}

// The control handlers a form's header declares ("void cmdOK_Click();").
std::set<std::string> DeclaredHandlers(const char* header) {
  std::ifstream in(std::string(TARNIX_SRC_DIR) + "/" + header);
  std::stringstream text;
  text << in.rdbuf();
  std::set<std::string> names;
  static const std::regex handler(R"(void\s+([^\s(]+_(Click|Change|MouseMove|MouseDown|Timer))\s*\()");
  const std::string s = text.str();
  for (std::sregex_iterator i(s.begin(), s.end(), handler), end; i != end; ++i)
    if ((*i)[1].str().rfind("Form_", 0) != 0) names.insert((*i)[1].str());
  return names;
}

template <class F>
std::set<std::string> RoutedHandlers() {
  std::set<std::string> names;
  for (const ui::Route<F>& r : F::Routes()) names.insert(r.name);
  return names;
}

TEST(Forms, EveryHandlerAFormDeclaresHasARoute) {
  const auto options = DeclaredHandlers("options/frmOptionen.h");
  const auto setup = DeclaredHandlers("setup/frmSetup.h");
  const auto blitz = DeclaredHandlers("effects/frmBlitz.h");
  const auto main = DeclaredHandlers("saver/frmMain.h");
  ASSERT_FALSE(options.empty() || setup.empty() || blitz.empty() || main.empty()) << "the headers were not read";
  EXPECT_EQ(main, RoutedHandlers<frmMain>());
  EXPECT_EQ(options, RoutedHandlers<frmOptionen>());
  EXPECT_EQ(setup, RoutedHandlers<frmSetup>());
  EXPECT_EQ(blitz, RoutedHandlers<frmBlitz>());
}

TEST(Forms, TheListsChangeEventShowsTheDescriptionAsItsClickDoes) {
  testing::FakeProcess p;
  WriteLanguageTables(p.settings, Language::English);
  frmOptionen& dlg = p.app.options;
  dlg.Load();
  dlg.cmbAktion.SetListIndex(2);
  dlg.lblText.SetCaption(L"");
  dlg.Control_Event(dlg.cmbAktion, ui::Event::Change, {});
  EXPECT_EQ(dlg.lblText.Caption(), p.settings.GetSetting(L"Sprache", L"2", L""));
}

}  // namespace
}  // namespace tarnix
