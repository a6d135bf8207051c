// A window layer that keeps no windows: it records what the forms asked for.
#pragma once
#include <algorithm>
#include <functional>
#include <string>
#include <map>
#include <optional>
#include <vector>

#include "ui/Form.h"

namespace tarnix::testing {

class FakeHost : public ui::FormHost {
 public:
  std::map<int64_t, ui::Size> hostWindows;  // preview hosts that exist, with their client size
  std::vector<bool> topmostCalls;
  int created = 0, destroyed = 0;
  int drags = 0, regionsApplied = 0, raised = 0;
  // Pixels of a picture resource; unset: the host has none.
  std::function<std::optional<Picture>(int)> pictures;

  void Create(ui::Form&) override { ++created; }
  void Destroy(ui::Form&) override { ++destroyed; }
  bool refuseWindows = false;  // as when the system cannot make one
  bool HasWindow(const ui::Form& form) const override { return !refuseWindows && form.IsVisible(); }
  // As on the desktop, where hiding the active window hands the activation on.
  bool deactivateOnHide = false;
  void SetVisible(ui::Form& form, bool visible) override {
    if (!visible && deactivateOnHide) form.Form_AppDeactivate();
  }
  // Every character 9 px wide, lines 19 px high, wrapping at word boundaries.
  ui::Size MeasureText(const ui::Font&, const std::wstring& text, int wrap) override {
    const int width = int(text.size()) * 9;
    if (wrap <= 0) return {width, 19};
    return {std::min(width, wrap), 19 * std::max(1, (width + wrap - 1) / wrap)};
  }
  void SetTopmost(ui::Form&, bool topmost) override { topmostCalls.push_back(topmost); }
  void ApplyRegion(ui::Form&) override { ++regionsApplied; }
  void BeginDrag(ui::Form&) override { ++drags; }
  void BringToFront(ui::Form&) override { ++raised; }
  const ui::Control* focused = nullptr;
  void Focus(ui::Control& c) override { focused = &c; }
  std::optional<Picture> ReadPicture(int id) override { return pictures ? pictures(id) : std::nullopt; }
  bool EmbedInto(ui::Form& form, int64_t host) override {
    const auto it = hostWindows.find(host);
    if (it == hostWindows.end()) return false;
    form.HostPlaced(0, 0, it->second.width, it->second.height);
    return true;
  }
};

// The names of the tab stops, and whether each shows where the user sees it
// within the cut window.
inline std::vector<std::wstring> TabStops(const ui::Form& form, bool* allSeen = nullptr) {
  std::vector<std::wstring> names;
  if (allSeen) *allSeen = true;
  for (const ui::Control* c : form.TabStops()) {
    names.push_back(c->Name() + (c->Index() >= 0 ? std::to_wstring(c->Index()) : L""));
    const ui::Rect r = form.SeenAs(*c).PixelBounds();
    const int x = (r.left + r.right) / 2, y = (r.top + r.bottom) / 2;
    const bool seen = std::any_of(form.WindowRegion().begin(), form.WindowRegion().end(), [&](const ui::Rect& s) {
      return x >= s.left && x < s.right && y >= s.top && y < s.bottom;
    });
    if (allSeen) *allSeen = *allSeen && seen;
  }
  return names;
}

}  // namespace tarnix::testing
