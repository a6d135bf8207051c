#include "ui/Form.h"

#include <algorithm>
#include <stdexcept>

namespace tarnix::ui {

Form::Form(std::wstring name) : name_(std::move(name)) {}

Form::Form(const FormDesign& design) : name_(design.name), design_(&design) {
  // Made once, so that the form's typed members bind to them for its lifetime;
  // each load puts them back to the design.
  for (size_t i = 0; i < design.controlCount; ++i)
    controls_.push_back(std::make_unique<Control>(*this, design.controls[i]));
}

Form::~Form() = default;

void Form::ResetToDesign() {
  if (!design_) return;
  caption_ = design_->caption;
  width_ = design_->clientWidth;
  height_ = design_->clientHeight;
  left_ = top_ = 0;
  placed_ = topmost_ = false;
  windowState_ = WindowState::Normal;
  region_.clear();
  opacity_ = -1;
  for (const auto& c : controls_) c->Reset();
}

void Form::Load() {
  if (loaded_ || loading_) return;
  loading_ = true;
  loaded_ = true;
  touched_ = false;
  ResetToDesign();
  if (host_) host_->Create(*this);
  Form_Load();
  loading_ = false;
}

void Form::Show() {
  Load();
  touched_ = true;
  if (!loaded_) return;  // Form_Load may have unloaded it
  visible_ = true;
  if (host_) host_->SetVisible(*this, true);
}

void Form::Hide() {
  Load();
  touched_ = true;
  if (!loaded_) return;
  visible_ = false;
  if (host_) host_->SetVisible(*this, false);
}

bool Form::Unload(UnloadMode mode) {
  if (!loaded_ || unloading_) return true;
  unloading_ = true;
  touched_ = true;
  int cancel = 0;
  Form_QueryUnload(cancel, mode);
  if (cancel == 0) Form_Unload(cancel);
  if (cancel != 0) {
    unloading_ = false;
    return false;
  }
  visible_ = false;
  loaded_ = false;
  if (host_) host_->Destroy(*this);
  unloading_ = false;
  return true;
}

void Form::SetCaption(const std::wstring& caption) {
  caption_ = caption;
  if (host_ && loaded_) host_->FormChanged(*this);
}

void Form::Move(int left, int top, int width, int height) {
  placed_ = true;
  left_ = left;
  top_ = top;
  if (width >= 0) width_ = width;
  if (height >= 0) height_ = height;
  if (host_ && loaded_) host_->FormChanged(*this);
}

void Form::SetTopmost(bool topmost) {
  topmost_ = topmost;
  if (host_ && loaded_) host_->SetTopmost(*this, topmost);
}

void Form::SetWindowRegion(std::vector<Rect> rects) {
  region_ = std::move(rects);
  if (host_ && loaded_) host_->ApplyRegion(*this);
}

void Form::SetOpacity(int alpha) {
  opacity_ = alpha & 0xFF;
  if (host_ && loaded_) host_->ApplyOpacity(*this);
}

void Form::SetWindowState(WindowState state) {
  windowState_ = state;
  if (host_ && loaded_) host_->FormChanged(*this);
}

Control* Form::Find(const std::wstring& name, int index) const {
  for (const auto& c : controls_)
    if (c->Index() == index && c->Name() == name) return c.get();
  return nullptr;
}

Control& Form::C(const std::wstring& name, int index) {
  if (Control* c = Find(name, index)) return *c;
  throw std::out_of_range("no such control");
}

namespace {
std::string Narrow(const std::wstring& s) {
  std::string out;
  for (wchar_t c : s) out += c < 0x80 ? char(c) : '?';
  return out;
}
}  // namespace

Control& Form::Bind(const wchar_t* name) {
  if (Control* c = Find(name, -1)) return *c;
  throw std::logic_error("the design of " + Narrow(name_) + " has no control " + Narrow(name));
}

ControlArray Form::BindArray(const wchar_t* name) {
  std::vector<Control*> byIndex;
  for (const auto& c : controls_) {
    if (c->Name() != name || c->Index() < 0) continue;
    if (byIndex.size() <= size_t(c->Index())) byIndex.resize(size_t(c->Index()) + 1, nullptr);
    byIndex[size_t(c->Index())] = c.get();
  }
  bool whole = !byIndex.empty();
  for (const Control* c : byIndex) whole = whole && c;
  if (!whole) throw std::logic_error("the design of " + Narrow(name_) + " has no whole control array " + Narrow(name));
  return ControlArray(std::move(byIndex));
}

Control* Form::HitTest(int x, int y) const {
  for (const auto& c : controls_) {
    if (c->IsWindowed() || c->GetKind() == Kind::Timer || !c->Visible()) continue;
    if (c->ContainsPixel(x, y)) return c.get();
  }
  return nullptr;
}

const Control& Form::SeenAs(const Control& c) const {
  const Control* seen = c.Design().seenAs ? Find(c.Design().seenAs, c.Index()) : nullptr;
  return seen ? *seen : c;
}

std::vector<Control*> Form::TabStops() const {
  std::vector<Control*> stops;
  std::vector<Rect> places;
  for (const auto& c : controls_) {
    if (!c->IsWindowed() || c->Design().tabIndex < 0 || !c->Visible() || !c->Enabled()) continue;
    stops.push_back(c.get());
    places.push_back(SeenAs(*c).PixelBounds());
  }
  std::vector<Control*> ordered;
  for (size_t i : ReadingOrder(places)) ordered.push_back(stops[i]);
  return ordered;
}

std::vector<size_t> ReadingOrder(const std::vector<Rect>& rects) {
  std::vector<size_t> byTop(rects.size());
  for (size_t i = 0; i < byTop.size(); ++i) byTop[i] = i;
  std::stable_sort(byTop.begin(), byTop.end(), [&](size_t a, size_t b) { return rects[a].top < rects[b].top; });
  std::vector<size_t> order;
  for (size_t first = 0; first < byTop.size();) {
    const Rect& lead = rects[byTop[first]];
    size_t end = first + 1;
    while (end < byTop.size()) {
      const Rect& r = rects[byTop[end]];
      if ((r.top + r.bottom) / 2 >= std::max(lead.bottom, lead.top + 1)) break;
      ++end;
    }
    std::stable_sort(byTop.begin() + std::ptrdiff_t(first), byTop.begin() + std::ptrdiff_t(end),
                     [&](size_t a, size_t b) { return rects[a].left < rects[b].left; });
    order.insert(order.end(), byTop.begin() + std::ptrdiff_t(first), byTop.begin() + std::ptrdiff_t(end));
    first = end;
  }
  return order;
}

void Form::HostPlaced(int leftPx, int topPx, int widthPx, int heightPx) {
  left_ = TwipsFromPixels(leftPx);
  top_ = TwipsFromPixels(topPx);
  width_ = TwipsFromPixels(widthPx);
  height_ = TwipsFromPixels(heightPx);
}

void Form::HostResized(int widthPx, int heightPx) {
  width_ = TwipsFromPixels(widthPx);
  height_ = TwipsFromPixels(heightPx);
  Form_Resize();
}

void Form::HostMoved(int leftPx, int topPx) {
  left_ = TwipsFromPixels(leftPx);
  top_ = TwipsFromPixels(topPx);
}

void Form::ControlChanged(Control& control) {
  if (host_ && loaded_) host_->ControlChanged(control);
}

void Form::OptionClicked(Control& option) {
  // Option buttons of one control array form a group: one is chosen at a time.
  for (const auto& c : controls_)
    if (c.get() != &option && c->GetKind() == Kind::OptionButton && c->Name() == option.Name() && c->Value())
      c->SetValue(0);
}

}  // namespace tarnix::ui
