// Fonts, brushes and pictures, made once per process and kept until the host
// goes: the windows repaint often and must not create GDI objects each time.
#pragma once
#include <windows.h>

#include <map>
#include <optional>
#include <string>
#include <tuple>

#include "platform/win32/Unique.h"
#include "ui/Control.h"
#include "ui/Form.h"
#include "ui/Picture.h"

namespace tarnix::ui {

class GdiCache {
 public:
  explicit GdiCache(HINSTANCE instance) : instance_(instance) {}
  HFONT FontFor(const Font& font);
  HBRUSH BrushFor(uint32_t color);
  // A bitmap resource as a DIB section; size, when asked, gets its pixel size.
  HBITMAP Picture(int id, SIZE* size = nullptr);
  // Pixels a caption needs; wrapWidth > 0 wraps at that many pixels.
  Size MeasureText(const Font& font, const std::wstring& text, int wrapWidth);
  // The pixels of a bitmap resource, read from its bytes (no device context).
  std::optional<tarnix::Picture> Pixels(int id) const;

 private:
  HINSTANCE instance_;
  std::map<std::tuple<std::wstring, int, bool, bool, bool>, win32::UniqueFont> fonts_;
  std::map<int, win32::UniqueBitmap> pictures_;
  std::map<uint32_t, win32::UniqueBrush> brushes_;
};

}  // namespace tarnix::ui
