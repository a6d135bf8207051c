// The dialog skin and the language buttons that sit on it.
#include "Pictures.h"
#include "Text.h"

namespace artgen {

namespace {

constexpr int kW = 440, kH = 249;
constexpr int kLevels = 254;  // ramp colours; level 0 is black, kept for lettering

// Amber ramp from black through brown to pale gold.
Col Ramp(double t) {
  struct Stop { double t; Col c; };
  static const Stop stops[] = {{0.0, {0, 0, 0}},          {0.25, {72, 40, 8}},     {0.5, {160, 100, 30}},
                               {0.70, {211, 154, 69}},    {0.86, {248, 188, 80}},  {0.92, {255, 204, 87}},
                               {1.0, {255, 228, 132}}};
  t = Clamp01(t);
  for (size_t i = 1; i < std::size(stops); ++i)
    if (t <= stops[i].t) return Mix(stops[i - 1].c, stops[i].c, (t - stops[i - 1].t) / (stops[i].t - stops[i - 1].t));
  return stops[std::size(stops) - 1].c;
}

struct Outline {
  int left[kH], right[kH];  // -1 where the row holds only the key colour
};

Outline MakeOutline() {
  const Pchip leftDome({1, 2, 10, 20, 30, 44, 45, 60, 74, 75}, {226, 203, 138, 107, 84, 57, 55, 30, 2, 1});
  const Pchip rightDome({1, 2, 10, 20, 30, 44}, {275, 294, 343, 363, 377, 395});
  const Pchip corner({234, 236, 240, 243, 246}, {437, 436.4, 432, 428, 422});
  Outline o;
  for (int y = 0; y < kH; ++y) {
    if (y < 1 || y > 246) {
      o.left[y] = o.right[y] = -1;
      continue;
    }
    o.left[y] = y <= 75 ? int(std::lround(leftDome(y))) : 1;
    o.right[y] = y <= 44 ? int(std::lround(rightDome(y))) : y <= 234 ? 437 : int(std::lround(corner(y)));
  }
  return o;
}

double SkinTone(int x, int y, const Outline& o) {
  const double dx = (x - 255) / 330.0, dy = (y - 30) / 240.0;
  double t = 0.98 - 0.5 * dx * dx - 0.35 * dy * dy;
  t -= 0.06 * Smooth(120, 0, x) * Smooth(150, 246, y);  // deeper toward the lower left
  // Faint, very large lighter rings.
  const double r = std::hypot(x - 120.0, y - 60.0);
  for (double R : {175.0, 262.0, 348.0}) t += 0.035 * std::exp(-((r - R) / 3.5) * ((r - R) / 3.5));
  // The thin lighter line where the dome sits on the body.
  if (y == 45 && x > o.left[45] + 2 && x < 396) t += 0.05 * Smooth(o.left[45], o.left[45] + 30, x) * Smooth(396, 370, x);
  // Bevel along the left, bottom and right edges.
  const double edge = std::min({double(x - o.left[y]), double(o.right[y] - x), double(246 - y)});
  t -= 0.16 * (1 - Smooth(0, 5, edge));
  return std::clamp(t, 1.0 / (kLevels - 1), 1.0);
}

}  // namespace

PalettedPicture DrawSkin(const std::string& boldItalicFont, const std::string& company) {
  const Outline o = MakeOutline();
  const Coverage title = FitText("Tarnix", {boldItalicFont, 1.4}, kW, kH, 127, 15, 345, 31);
  const Coverage credit = FitText(company, {boldItalicFont, 0.3}, kW, kH, 281, 53, 432, 61);
  PalettedPicture out;
  for (int i = 0; i < kLevels; ++i) out.palette.push_back(ToRgb(Ramp(double(i) / (kLevels - 1))));
  out.palette.push_back(kSkinKey);
  out.picture = Picture(kW, kH, kSkinKey);
  for (int y = 1; y <= 246; ++y)
    for (int x = o.left[y]; x <= o.right[y]; ++x) {
      const double ink = std::max(title.At(x, y), credit.At(x, y));
      const double t = SkinTone(x, y, o) * (1 - ink);
      const int level = int(std::lround(t * (kLevels - 1)));
      out.picture.At(x, y) = out.palette[std::clamp(level, 0, kLevels - 1)];
    }
  return out;
}

Picture DrawLanguageButton(int index) {
  static const Rgb corners[4] = {{255, 204, 87}, {248, 183, 78}, {255, 204, 87}, {245, 181, 77}};
  const bool selected = index < 2;
  // The strip behind the ornament is the skin where the button sits, so that
  // the picture shows no edge on the wizard.
  const Outline o = MakeOutline();
  const int left = 121, top = index % 2 == 0 ? 112 : 169;
  const Noise streaks(71 + index);
  Picture p(205, 56);
  auto inDisk = [](double x, double y, double cx, double cy, double r) { return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= r * r; };
  auto red = [&](double x, double y) {
    const bool crescent = inDisk(x, y, 14, 28, 13) && !inDisk(x, y, 20, 26, 11.5);
    const bool outer = inDisk(x, y, 52, 28, 20) && std::fabs(x - 52) > 0.8;
    const bool ring = outer && (x < 52 ? !inDisk(x, y, 55, 28, 14.5) : !inDisk(x, y, 49, 28, 14.5));
    bool stroke = false;
    if (x >= 68 && x <= 203) {
      const double along = (x - 68) / 135.0;
      const double hw = 12.5 * std::pow(1 - along, 0.7) + 0.4;
      const double cy = 28 + 2.0 * std::sin((x - 68) / 40.0);
      stroke = std::fabs(y - cy) < hw && (x > 74 || inDisk(x, y, 74, cy, hw));
    }
    return crescent || ring || stroke;
  };
  Coverage curl(205, 56);
  if (selected) {
    std::vector<Pt> spiral;
    for (double a = 0; a <= 2.5 * M_PI; a += 0.08) {
      const double r = 1.2 + 1.4 * a;
      spiral.push_back({52 + r * std::cos(a + 1.0), 28 + r * std::sin(a + 1.0)});
    }
    curl.Stroke(spiral, 2.6, 0.8);
  }
  for (int y = 0; y < 56; ++y)
    for (int x = 0; x < 205; ++x) {
      const int level = int(std::lround(SkinTone(left + x, top + y, o) * (kLevels - 1)));
      Col c = Ramp(double(level) / (kLevels - 1));
      const double cov = Cover(x, y, red);
      const Col ink = Scale(Col{206, 28, 20}, 0.78 + 0.22 * streaks.At(x / 7.0, y / 1.6));
      c = Mix(c, ink, cov);
      c = Mix(c, Col{70, 130, 180}, curl.At(x, y));
      p.At(x, y) = ToRgb(c);
    }
  p.At(0, 0) = corners[index];
  return p;
}

}  // namespace artgen
