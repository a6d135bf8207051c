// Small deterministic drawing helpers for the artwork generator.
#pragma once
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "ui/Picture.h"

namespace artgen {

using tarnix::Picture;
using tarnix::Rgb;

struct Col {
  double r = 0, g = 0, b = 0;
};
inline Col Mix(Col a, Col b, double t) { return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t}; }
inline Col Scale(Col a, double k) { return {a.r * k, a.g * k, a.b * k}; }
inline Col Add(Col a, Col b) { return {a.r + b.r, a.g + b.g, a.b + b.b}; }
inline uint8_t Byte(double v) { return uint8_t(std::clamp(std::lround(v), 0L, 255L)); }
inline Rgb ToRgb(Col c) { return {Byte(c.r), Byte(c.g), Byte(c.b)}; }
inline Col FromRgb(Rgb c) { return {double(c.r), double(c.g), double(c.b)}; }
inline double Clamp01(double v) { return std::clamp(v, 0.0, 1.0); }
inline double Smooth(double e0, double e1, double x) {
  const double t = Clamp01((x - e0) / (e1 - e0));
  return t * t * (3 - 2 * t);
}

// xorshift64*: the same sequence on every machine, unlike std distributions.
class Rng {
 public:
  explicit Rng(uint64_t seed) : s_(seed ? seed : 0x9E3779B97F4A7C15ull) {}
  uint64_t Next() {
    s_ ^= s_ >> 12;
    s_ ^= s_ << 25;
    s_ ^= s_ >> 27;
    return s_ * 2685821657736338717ull;
  }
  double Uniform() { return double(Next() >> 11) / double(1ull << 53); }
  double Range(double a, double b) { return a + (b - a) * Uniform(); }

 private:
  uint64_t s_;
};

// Value noise on a lattice, smooth between lattice points.
class Noise {
 public:
  explicit Noise(uint64_t seed) {
    Rng r(seed);
    for (double& v : table_) v = r.Uniform();
  }
  double At(double x, double y) const {
    const double fx = std::floor(x), fy = std::floor(y);
    const int ix = int(fx), iy = int(fy);
    const double tx = x - fx, ty = y - fy;
    const double sx = tx * tx * (3 - 2 * tx), sy = ty * ty * (3 - 2 * ty);
    const double a = L(ix, iy), b = L(ix + 1, iy), c = L(ix, iy + 1), d = L(ix + 1, iy + 1);
    return (a + (b - a) * sx) + ((c + (d - c) * sx) - (a + (b - a) * sx)) * sy;
  }

 private:
  // Unsigned: the hash wraps around by design, which signed numbers may not.
  double L(int x, int y) const {
    return table_[((unsigned(x) * 73856093u) ^ (unsigned(y) * 19349663u)) & 1023u];
  }
  double table_[1024];
};

struct Pt {
  double x, y;
};

inline double SegmentDistance(Pt p, Pt a, Pt b) {
  const double vx = b.x - a.x, vy = b.y - a.y;
  const double len2 = vx * vx + vy * vy;
  double t = len2 > 0 ? ((p.x - a.x) * vx + (p.y - a.y) * vy) / len2 : 0;
  t = Clamp01(t);
  const double dx = p.x - (a.x + vx * t), dy = p.y - (a.y + vy * t);
  return std::sqrt(dx * dx + dy * dy);
}

// A jagged path between two points, made by midpoint displacement.
inline void Jagged(std::vector<Pt>& out, Pt a, Pt b, double roughness, int depth, Rng& rng) {
  if (depth == 0) {
    out.push_back(b);
    return;
  }
  const double dx = b.x - a.x, dy = b.y - a.y;
  const double len = std::sqrt(dx * dx + dy * dy);
  const double off = rng.Range(-1, 1) * roughness * len;
  const Pt m{(a.x + b.x) / 2 - dy / (len + 1e-9) * off, (a.y + b.y) / 2 + dx / (len + 1e-9) * off};
  Jagged(out, a, m, roughness, depth - 1, rng);
  Jagged(out, m, b, roughness, depth - 1, rng);
}

// Coverage in [0,1] accumulated by maximum.
class Coverage {
 public:
  Coverage(int w, int h) : w_(w), h_(h), v_(size_t(w) * h, 0.0) {}
  int Width() const { return w_; }
  int Height() const { return h_; }
  double At(int x, int y) const { return v_[size_t(y) * w_ + x]; }
  double& At(int x, int y) { return v_[size_t(y) * w_ + x]; }
  void Max(int x, int y, double a) {
    if (x < 0 || y < 0 || x >= w_ || y >= h_) return;
    double& v = At(x, y);
    v = std::max(v, a);
  }
  // A polyline of the given width with a soft rim of 'soft' pixels.
  void Stroke(const std::vector<Pt>& path, double width, double soft) {
    for (size_t i = 1; i < path.size(); ++i) {
      const Pt a = path[i - 1], b = path[i];
      const double reach = width / 2 + soft + 1;
      const int x0 = int(std::floor(std::min(a.x, b.x) - reach)), x1 = int(std::ceil(std::max(a.x, b.x) + reach));
      const int y0 = int(std::floor(std::min(a.y, b.y) - reach)), y1 = int(std::ceil(std::max(a.y, b.y) + reach));
      for (int y = std::max(0, y0); y <= std::min(h_ - 1, y1); ++y)
        for (int x = std::max(0, x0); x <= std::min(w_ - 1, x1); ++x) {
          const double d = SegmentDistance({x + 0.5, y + 0.5}, a, b);
          const double cov = 1.0 - Smooth(width / 2 - 0.25, width / 2 + soft, d);
          if (cov > 0) Max(x, y, cov);
        }
    }
  }

 private:
  int w_, h_;
  std::vector<double> v_;
};

// Fraction of a pixel inside a shape, by 4 x 4 samples.
template <typename Inside>
double Cover(int x, int y, Inside inside) {
  int n = 0;
  for (int sy = 0; sy < 4; ++sy)
    for (int sx = 0; sx < 4; ++sx)
      if (inside(x + (sx + 0.5) / 4, y + (sy + 0.5) / 4)) ++n;
  return n / 16.0;
}

// Monotone cubic interpolation through sample points (x ascending).
class Pchip {
 public:
  Pchip(std::vector<double> xs, std::vector<double> ys);
  double operator()(double x) const;

 private:
  std::vector<double> x_, y_, m_;
};

}  // namespace artgen
