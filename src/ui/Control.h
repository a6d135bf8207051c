// A control of a window as its handlers see it: the state they read and change.
// The Win32 host renders that state; tests read it directly.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace tarnix::ui {

inline constexpr int kTwipsPerPixel = 15;  // the program is not DPI aware: always 96 dots per inch
inline constexpr int PixelsFromTwips(int twips) {
  return twips >= 0 ? (twips + kTwipsPerPixel / 2) / kTwipsPerPixel : -((-twips + kTwipsPerPixel / 2) / kTwipsPerPixel);
}
inline constexpr int TwipsFromPixels(int pixels) { return pixels * kTwipsPerPixel; }

// Colours as 0x00BBGGRR.
inline constexpr uint32_t Rgb(int r, int g, int b) { return uint32_t(r) | uint32_t(g) << 8 | uint32_t(b) << 16; }
inline constexpr uint32_t kDefaultColor = 0xFFFFFFFF;

enum class Kind { Label, Image, CommandButton, ComboBox, CheckBox, OptionButton, PictureBox, Timer };

struct Font {
  const wchar_t* face = nullptr;  // nullptr: the platform's dialog font
  double points = 0;
  bool bold = false;
  bool italic = false;
  bool underline = false;
};

// One control as designed: static data.
struct ControlDesign {
  const wchar_t* name = L"";
  int index = -1;  // element of a control array, or -1
  Kind kind = Kind::Label;
  int left = 0, top = 0, width = 0, height = 0;  // twips
  const wchar_t* caption = L"";
  Font font{};
  uint32_t foreColor = kDefaultColor;
  uint32_t backColor = kDefaultColor;
  bool visible = true;
  bool enabled = true;
  int value = 0;     // check box 0/1/2, option button 0/1
  int picture = 0;   // picture resource, 0 for none
  bool stretch = false;
  bool wordWrap = false;
  bool autoSize = false;
  bool centered = false;
  const wchar_t* toolTip = nullptr;
  int tabIndex = -1;  // -1: takes no focus
  // A windowed control that the user sees as the same-indexed element of
  // this control (one lying outside the skin, or a box whose caption is a
  // label): there its focus shows.
  const wchar_t* seenAs = nullptr;
  int interval = 0;   // timers, in ms
};

// A rectangle in pixels, right and bottom exclusive.
struct Rect {
  int left = 0, top = 0, right = 0, bottom = 0;
  friend bool operator==(const Rect& a, const Rect& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
  }
};

class Form;

class Control {
 public:
  Control(Form& form, const ControlDesign& design);
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  const ControlDesign& Design() const { return design_; }
  // Back to the design's state, as when the window is loaded again.
  void Reset();
  const std::wstring& Name() const { return name_; }
  int Index() const { return design_.index; }
  Kind GetKind() const { return design_.kind; }
  bool IsWindowed() const;
  Form& Owner() const { return form_; }

  const std::wstring& Caption() const { return caption_; }
  void SetCaption(const std::wstring& caption);
  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  int Value() const { return value_; }
  void SetValue(int value);
  uint32_t ForeColor() const { return foreColor_; }
  void SetForeColor(uint32_t color);
  bool Underline() const { return underline_; }
  void SetUnderline(bool underline);
  int Picture() const { return picture_; }
  void SetPicture(int picture);
  // A command button's shield: the step it starts asks for administrator rights.
  bool Shield() const { return shield_; }
  void SetShield(bool shield);
  Font GetFont() const {
    Font f = design_.font;
    f.underline = underline_;
    return f;
  }

  // Place and size in twips.
  int Left() const { return left_; }
  int Top() const { return top_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  void Move(int left, int top, int width = -1, int height = -1);

  // Gives the control the keyboard focus (a windowed one that is shown).
  void SetFocus();

  // Lists (combo box).
  void AddItem(const std::wstring& item);
  void Clear();
  int ListCount() const { return int(list_.size()); }
  const std::wstring& List(int i) const { return list_.at(size_t(i)); }
  int ListIndex() const { return listIndex_; }
  // Changes whenever the items change, however many there are: what a
  // renderer compares to know that its copy of the list is stale.
  uint64_t ListRevision() const { return listRevision_; }
  void SetListIndex(int index);

  // Timers: Enabled and the designed Interval.
  int Interval() const { return interval_; }

  // Called by the host after it measured an autosized label.
  void SetMeasuredSize(int widthTwips, int heightTwips);
  // Pixel rectangle within the form.
  Rect PixelBounds() const;
  bool ContainsPixel(int x, int y) const;

 private:
  void Changed();
  void AutoSize();

  Form& form_;
  const ControlDesign& design_;
  std::wstring name_;
  std::wstring caption_;
  bool visible_ = true, enabled_ = true;
  int value_ = 0;
  uint32_t foreColor_ = kDefaultColor;
  bool underline_ = false;
  int picture_ = 0;
  bool shield_ = false;
  int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
  std::vector<std::wstring> list_;
  int listIndex_ = -1;
  uint64_t listRevision_ = 0;
  int interval_ = 0;
};

// The elements of a control array, by their index; bound once when the form is made.
class ControlArray {
 public:
  explicit ControlArray(std::vector<Control*> byIndex) : byIndex_(std::move(byIndex)) {}
  Control& operator[](int index) const { return *byIndex_.at(size_t(index)); }
  int Count() const { return int(byIndex_.size()); }
  bool Holds(const Control& c) const {
    return c.Index() >= 0 && c.Index() < Count() && byIndex_[size_t(c.Index())] == &c;
  }

 private:
  std::vector<Control*> byIndex_;
};

}  // namespace tarnix::ui
