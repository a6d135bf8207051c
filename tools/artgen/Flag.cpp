// The program's emblem (four flaming tiles waving like a flag), the logo with
// its lightning strike, the ripple texture and the lightning mask.
#include "Flag.h"

namespace artgen {

// Colour and opacity of the emblem at a point.
Rgba FlagAt(double x, double y, const FlagLook& f) {
  const double c = std::cos(f.tilt), s = std::sin(f.tilt);
  const double u = ((x - f.cx) * c + (y - f.cy) * s) / f.size;
  const double v0 = (-(x - f.cx) * s + (y - f.cy) * c) / f.size;
  const double wave = 0.07 * std::sin(u * 5.5 + 0.6);
  const double v = v0 - wave;
  Rgba out;
  // Four rounded tiles, two by two.
  const double gap = 0.05, r = 0.09;
  for (int ty = 0; ty < 2; ++ty)
    for (int tx = 0; tx < 2; ++tx) {
      const double x0 = tx == 0 ? -0.5 : gap / 2, x1 = tx == 0 ? -gap / 2 : 0.5;
      const double y0 = ty == 0 ? -0.5 : gap / 2, y1 = ty == 0 ? -gap / 2 : 0.5;
      const double qx = std::max({x0 + r - u, u - (x1 - r), 0.0}), qy = std::max({y0 + r - v, v - (y1 - r), 0.0});
      if (qx * qx + qy * qy <= r * r) {
        const double light = 0.78 + 0.22 * std::cos(u * 5.5 + 1.9) - 0.08 * (ty + tx * 0.5);
        out.c = Scale(Col{252, 214, 36}, light);
        out.a = 1;
        return out;
      }
    }
  // Flames licking from the upper edge of the top tiles.
  if (u > -0.5 && u < 0.5 && v < -0.5) {
    const double above = -0.5 - v;
    const double height = 0.20 + 0.09 * std::sin(u * 23 + 1.0) + 0.06 * std::sin(u * 41 + 2.3) +
                          0.05 * std::sin(u * 67 + 0.4);
    const double edgeFade = Smooth(0.5, 0.42, std::fabs(u));
    const double f01 = Clamp01(1 - above / std::max(0.05, height)) * edgeFade;
    if (f01 > 0) {
      const Col base{255, 196, 40}, mid{255, 118, 0}, tip{210, 40, 0};
      out.c = f01 > 0.5 ? Mix(mid, base, (f01 - 0.5) * 2) : Mix(tip, mid, f01 * 2);
      out.a = Smooth(0.0, 0.35, f01);
    }
  }
  return out;
}

Rgba FlagPixel(int x, int y, const FlagLook& f) {
  Col sum{};
  double alpha = 0;
  for (int sy = 0; sy < 4; ++sy)
    for (int sx = 0; sx < 4; ++sx) {
      const Rgba s = FlagAt(x + (sx + 0.5) / 4, y + (sy + 0.5) / 4, f);
      sum = Add(sum, Scale(s.c, s.a / 16));
      alpha += s.a / 16;
    }
  return {alpha > 0 ? Scale(sum, 1 / alpha) : Col{}, alpha};
}

namespace {

void AddBolt(std::vector<std::vector<Pt>>& paths, std::vector<double>& widths, const std::vector<Pt>& keys,
             double roughness, double width, Rng& rng) {
  std::vector<Pt> path{keys[0]};
  for (size_t i = 1; i < keys.size(); ++i) Jagged(path, keys[i - 1], keys[i], roughness, 4, rng);
  paths.push_back(path);
  widths.push_back(width);
}

}  // namespace

Picture DrawLogo() {
  const int W = 297, H = 240;
  const FlagLook flag{112, 142, 118, -0.22};
  Rng rng(2006);
  std::vector<std::vector<Pt>> bolts;
  std::vector<double> widths;
  AddBolt(bolts, widths, {{296, 52}, {258, 88}, {214, 108}, {172, 126}}, 0.18, 2.4, rng);
  AddBolt(bolts, widths, {{258, 88}, {280, 40}, {296, 18}}, 0.2, 1.4, rng);
  AddBolt(bolts, widths, {{236, 98}, {268, 150}, {296, 176}}, 0.22, 1.3, rng);
  AddBolt(bolts, widths, {{214, 108}, {246, 196}, {296, 226}}, 0.2, 1.0, rng);
  AddBolt(bolts, widths, {{275, 70}, {296, 96}}, 0.25, 0.9, rng);
  Coverage core(W, H);
  for (size_t i = 0; i < bolts.size(); ++i) core.Stroke(bolts[i], widths[i], 0.9);
  // Glow: a soft blue falloff around the bolts.
  std::vector<double> glow(size_t(W) * H, 0.0);
  for (int y = 0; y < H; ++y)
    for (int x = 0; x < W; ++x) {
      double d = 1e9;
      for (const auto& path : bolts)
        for (size_t i = 1; i < path.size(); ++i) d = std::min(d, SegmentDistance({x + 0.5, y + 0.5}, path[i - 1], path[i]));
      glow[size_t(y) * W + x] = 0.55 * std::exp(-d / 9.0);
    }
  Picture p(W, H);
  for (int y = 0; y < H; ++y)
    for (int x = 0; x < W; ++x) {
      const Rgba emblem = FlagPixel(x, y, flag);
      Col c = Add(Scale(Col{4, 4, 4}, 1 - emblem.a), Scale(emblem.c, emblem.a));
      c = Add(c, Scale(Col{70, 115, 255}, glow[size_t(y) * W + x]));
      c = Mix(c, Col{232, 240, 255}, core.At(x, y));
      p.At(x, y) = ToRgb(c);
    }
  p.At(0, 0) = {4, 4, 4};
  return p;
}

PalettedPicture DrawRipples() {
  const int W = 640, H = 480;
  PalettedPicture out;
  // 256 golden shades; entry 191 is the texture's corner colour (217, 181, 0).
  for (int i = 0; i < 256; ++i) {
    Col c;
    if (i <= 191) c = Mix(Col{58, 50, 0}, Col{217, 181, 0}, i / 191.0);
    else c = Mix(Col{217, 181, 0}, Col{255, 228, 70}, (i - 191) / 64.0);
    out.palette.push_back(ToRgb(c));
  }
  out.palette[191] = {217, 181, 0};
  const Noise blocks(404);
  out.picture = Picture(W, H);
  for (int y = 0; y < H; ++y)
    for (int x = 0; x < W; ++x) {
      const double r = std::hypot(x - 322.0, y - 236.0);
      double v = 0.72 + 0.22 * std::cos(r / 9.5) * std::exp(-r / 900.0) - 0.18 * Smooth(150, 420, r);
      // Coarse, blocky darker patches toward the corners.
      const double corner = std::min({std::hypot(x, y), std::hypot(W - x, y), std::hypot(x, H - y), std::hypot(W - x, H - y)});
      const int bx = x / 16, by = y / 16;
      const double patch = blocks.At(bx * 0.9, by * 0.9) * Smooth(170, 40, corner);
      v -= 0.35 * patch;
      int index = int(std::lround(Clamp01(v) * 255));
      if (bx == 0 && by == 0) index = 191;
      out.picture.At(x, y) = out.palette[std::clamp(index, 0, 255)];
    }
  return out;
}

PalettedPicture DrawLightningMask(const LightningParams& lp, LightningStats* stats) {
  const int W = 640, H = 480;
  Rng rng(lp.seed);
  Coverage cov(W, H);
  // The main channel from the top right to the lower left.
  std::vector<Pt> main{{634, 0}};
  const std::vector<Pt> keys{{634, 0}, {564, 60}, {396, 200}, {240, 300}, {149, 380}, {51, 452}};
  for (size_t i = 1; i < keys.size(); ++i) Jagged(main, keys[i - 1], keys[i], 0.12, 4, rng);
  cov.Stroke(main, 2.6, 0.9);
  // The side arm, off the main channel near the top, across the upper part.
  auto pointOn = [](const std::vector<Pt>& path, double y) {
    Pt best = path[0];
    for (const Pt& p : path)
      if (std::fabs(p.y - y) < std::fabs(best.y - y)) best = p;
    return best;
  };
  const Pt armStart = pointOn(main, 58);
  std::vector<Pt> arm{armStart};
  const std::vector<Pt> armKeys{armStart, {470, 80}, {360, 100}, {240, 122}, {126, 114}};
  for (size_t i = 1; i < armKeys.size(); ++i) Jagged(arm, armKeys[i - 1], armKeys[i], 0.08, 4, rng);
  for (Pt& p : arm) p.y = std::clamp(p.y, 56.0, 134.0);
  cov.Stroke(arm, 1.8, 0.8);
  // A lesser channel off the main one, toward the right, that the fan hangs from too.
  const Pt spurStart = pointOn(main, 142);
  std::vector<Pt> spur{spurStart};
  Jagged(spur, spurStart, {624, 196}, 0.1, 5, rng);
  for (Pt& p : spur) p.y = std::max(p.y, 140.0);
  cov.Stroke(spur, 1.6, 0.8);
  // The fan of thinner branches hanging from the middle and the right.
  auto hangFrom = [&](double x) {
    const std::vector<Pt>& path = x > spurStart.x ? spur : main;
    Pt best = path[0];
    for (const Pt& p : path)
      if (std::fabs(p.x - x) < std::fabs(best.x - x)) best = p;
    return best;
  };
  auto keepInFan = [](std::vector<Pt>& path) {
    for (Pt& p : path) {
      p.x = std::clamp(p.x, 251.0, 629.0);
      p.y = std::clamp(p.y, 141.0, 468.0);
    }
  };
  for (int i = 0; i < lp.branches; ++i) {
    const double fx = lp.fanLeft + (lp.fanRight - lp.fanLeft) * (i + rng.Range(0.1, 0.9)) / lp.branches;
    const Pt start = hangFrom(fx);
    const double len = rng.Range(lp.minLength, lp.maxLength);
    const double drift = rng.Range(-0.3, 0.3);
    const Pt end{std::clamp(start.x + drift * len, 252.0, 628.0), std::min(start.y + len, 468.0)};
    std::vector<Pt> path{start};
    Jagged(path, start, end, 0.16, 5, rng);
    keepInFan(path);
    cov.Stroke(path, rng.Uniform() < 0.3 ? 1.4 : 1.0, 0.7);
    if (rng.Uniform() < lp.forkChance) {  // a twig off the branch
      const Pt from = path[path.size() / 2];
      const Pt to{std::clamp(from.x + rng.Range(-50, 50), 252.0, 628.0), std::min(from.y + rng.Range(30, 90), 468.0)};
      std::vector<Pt> twig{from};
      Jagged(twig, from, to, 0.18, 4, rng);
      keepInFan(twig);
      cov.Stroke(twig, 1.0, 0.7);
    }
  }
  PalettedPicture out;
  const Col key = FromRgb(kBlitzKey), white{255, 255, 255};
  for (int level = 0; level <= 64; ++level) out.palette.push_back(ToRgb(Mix(key, white, level / 64.0)));
  Picture& p = out.picture;
  p = Picture(W, H, kBlitzKey);
  LightningStats st;
  for (int y = 0; y < H; ++y) {
    int runs = 0;
    bool inRun = false;
    for (int x = 0; x < W; ++x) {
      const double a = cov.At(x, y);
      // Soft edges in 64 steps; the faintest stroke pixel still differs from the key.
      const int level = a <= 0 ? 0 : std::max(1, int(std::lround(a * 64)));
      if (level > 0) {
        p.At(x, y) = out.palette[level];
        ++st.strokePixels;
      }
      if (level > 0 && !inRun) ++runs;
      inRun = level > 0;
    }
    st.maxRuns = std::max(st.maxRuns, runs);
  }
  if (stats) *stats = st;
  return out;
}

}  // namespace artgen
