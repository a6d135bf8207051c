#include <gtest/gtest.h>

#include <stdexcept>

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
