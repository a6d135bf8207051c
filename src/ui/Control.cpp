#include "ui/Control.h"

#include "ui/Form.h"

namespace tarnix::ui {

namespace {
// Stores value and tells whether anything changed, so that setters redraw only on a change.
template <class T>
bool Replace(T& field, const T& value) {
  if (field == value) return false;
  field = value;
  return true;
}
}  // namespace

Control::Control(Form& form, const ControlDesign& d) : form_(form), design_(d), name_(d.name) { Reset(); }

void Control::Reset() {
  const ControlDesign& d = design_;
  caption_ = d.caption ? d.caption : L"";
  visible_ = d.visible;
  enabled_ = d.enabled;
  value_ = d.value;
  foreColor_ = d.foreColor;
  underline_ = d.font.underline;
  picture_ = d.picture;
  shield_ = false;
  left_ = d.left;
  top_ = d.top;
  width_ = d.width;
  height_ = d.height;
  list_.clear();
  ++listRevision_;
  listIndex_ = -1;
  interval_ = d.interval;
}

bool Control::IsWindowed() const {
  switch (design_.kind) {
    case Kind::CommandButton:
    case Kind::ComboBox:
    case Kind::CheckBox:
    case Kind::OptionButton:
    case Kind::PictureBox:
      return true;
    default:
      return false;
  }
}

void Control::Changed() { form_.ControlChanged(*this); }

void Control::AutoSize() {
  if (design_.kind != Kind::Label || !design_.autoSize || !form_.Host()) return;
  const int wrap = design_.wordWrap ? PixelsFromTwips(width_) : 0;
  const Size s = form_.Host()->MeasureText(GetFont(), caption_, wrap);
  if (design_.wordWrap) height_ = TwipsFromPixels(s.height);
  else {
    width_ = TwipsFromPixels(s.width);
    height_ = TwipsFromPixels(s.height);
  }
}

void Control::SetCaption(const std::wstring& caption) {
  if (!Replace(caption_, caption)) return;
  AutoSize();
  Changed();
}

void Control::SetVisible(bool visible) {
  if (Replace(visible_, visible)) Changed();
}

void Control::SetEnabled(bool enabled) {
  if (Replace(enabled_, enabled)) Changed();
}

void Control::SetValue(int value) {
  if (design_.kind == Kind::CheckBox) value = value < 0 ? 0 : value > 2 ? 2 : value;
  if (design_.kind == Kind::OptionButton) value = value ? 1 : 0;
  if (value == value_) return;
  value_ = value;
  if (design_.kind == Kind::OptionButton && value) form_.OptionClicked(*this);
  Changed();
  // A box's change of value is its click, whoever made it: a handler setting
  // it runs the same handler as the user's click.
  const bool clicks = design_.kind == Kind::CheckBox || (design_.kind == Kind::OptionButton && value);
  if (clicks) form_.Control_Event(*this, Event::Click, {});
}

void Control::SetForeColor(uint32_t color) {
  if (Replace(foreColor_, color)) Changed();
}

void Control::SetUnderline(bool underline) {
  if (!Replace(underline_, underline)) return;
  AutoSize();
  Changed();
}

void Control::SetFocus() {
  if (form_.Host() && form_.IsLoaded() && IsWindowed()) form_.Host()->Focus(*this);
}

void Control::SetPicture(int picture) {
  if (Replace(picture_, picture)) Changed();
}

void Control::SetShield(bool shield) {
  if (Replace(shield_, shield)) Changed();
}

void Control::Move(int left, int top, int width, int height) {
  left_ = left;
  top_ = top;
  if (width >= 0) width_ = width;
  if (height >= 0) height_ = height;
  AutoSize();
  Changed();
}

void Control::AddItem(const std::wstring& item) {
  list_.push_back(item);
  ++listRevision_;
  Changed();
}

void Control::Clear() {
  list_.clear();
  ++listRevision_;
  listIndex_ = -1;
  Changed();
}

void Control::SetListIndex(int index) {
  if (index < -1 || index >= int(list_.size())) index = -1;
  if (index == listIndex_) return;
  listIndex_ = index;
  Changed();
  form_.Control_Event(*this, Event::Click, {});
}

void Control::SetMeasuredSize(int widthTwips, int heightTwips) {
  width_ = widthTwips;
  height_ = heightTwips;
}

Rect Control::PixelBounds() const {
  const int l = PixelsFromTwips(left_), t = PixelsFromTwips(top_);
  return {l, t, l + PixelsFromTwips(width_), t + PixelsFromTwips(height_)};
}

bool Control::ContainsPixel(int x, int y) const {
  const Rect r = PixelBounds();
  return x >= r.left && y >= r.top && x < r.right && y < r.bottom;
}

}  // namespace tarnix::ui
