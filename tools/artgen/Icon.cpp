// The program icon: the emblem at six sizes and four colour depths.
#include "Flag.h"

namespace artgen {

namespace {

void Put16(std::vector<uint8_t>& b, uint16_t v) { b.push_back(uint8_t(v)); b.push_back(uint8_t(v >> 8)); }
void Put32(std::vector<uint8_t>& b, uint32_t v) { for (int i = 0; i < 4; ++i) b.push_back(uint8_t(v >> (8 * i))); }

std::vector<Rgb> Palette(int bits) {
  std::vector<Rgb> p;
  if (bits == 4) {
    p = {{0, 0, 0},       {128, 0, 0},   {0, 128, 0},   {128, 128, 0}, {0, 0, 128},   {128, 0, 128},
         {0, 128, 128},   {192, 192, 192}, {128, 128, 128}, {255, 0, 0}, {0, 255, 0},   {255, 255, 0},
         {0, 0, 255},     {255, 0, 255}, {0, 255, 255}, {255, 255, 255}};
    return p;
  }
  for (int r = 0; r < 6; ++r)
    for (int g = 0; g < 6; ++g)
      for (int b = 0; b < 6; ++b) p.push_back({uint8_t(r * 51), uint8_t(g * 51), uint8_t(b * 51)});
  // Warm shades the emblem needs, between the cube's steps.
  for (int i = 0; i < 40; ++i) {
    const double t = i / 39.0;
    p.push_back(ToRgb(i < 20 ? Mix(Col{120, 40, 0}, Col{255, 140, 0}, t * 2) : Mix(Col{255, 150, 10}, Col{255, 236, 90}, (t - 0.5) * 2)));
  }
  return p;
}

int Nearest(const std::vector<Rgb>& palette, Col c) {
  int best = 0;
  double bestD = 1e18;
  for (size_t i = 0; i < palette.size(); ++i) {
    const double dr = palette[i].r - c.r, dg = palette[i].g - c.g, db = palette[i].b - c.b;
    const double d = 2 * dr * dr + 4 * dg * dg + db * db;
    if (d < bestD) { bestD = d; best = int(i); }
  }
  return best;
}

std::vector<uint8_t> IconDib(int size, int bits) {
  const FlagLook flag{size * 0.5, size * 0.6, size * 0.64, -0.2};
  std::vector<Col> colour(size_t(size) * size);
  std::vector<double> alpha(size_t(size) * size);
  for (int y = 0; y < size; ++y)
    for (int x = 0; x < size; ++x) {
      const Rgba pixel = FlagPixel(x, y, flag);
      colour[size_t(y) * size + x] = pixel.c;
      alpha[size_t(y) * size + x] = pixel.a;
    }
  const std::vector<Rgb> palette = bits <= 8 ? Palette(bits) : std::vector<Rgb>{};
  const size_t xorRow = ((size_t(size) * bits + 31) / 32) * 4, andRow = ((size_t(size) + 31) / 32) * 4;
  std::vector<uint8_t> b;
  Put32(b, 40);
  Put32(b, uint32_t(size));
  Put32(b, uint32_t(size * 2));
  Put16(b, 1);
  Put16(b, uint16_t(bits));
  Put32(b, 0);
  Put32(b, uint32_t((xorRow + andRow) * size));
  Put32(b, 0);
  Put32(b, 0);
  Put32(b, 0);
  Put32(b, 0);
  for (const Rgb c : palette) { b.push_back(c.b); b.push_back(c.g); b.push_back(c.r); b.push_back(0); }
  for (int y = size - 1; y >= 0; --y) {
    std::vector<uint8_t> row(xorRow, 0);
    for (int x = 0; x < size; ++x) {
      const Col c = colour[size_t(y) * size + x];
      const double a = alpha[size_t(y) * size + x];
      const Rgb rgb = ToRgb(c);
      if (bits == 32) {
        row[x * 4] = rgb.b; row[x * 4 + 1] = rgb.g; row[x * 4 + 2] = rgb.r; row[x * 4 + 3] = Byte(a * 255);
      } else if (bits == 24) {
        if (a >= 0.5) { row[x * 3] = rgb.b; row[x * 3 + 1] = rgb.g; row[x * 3 + 2] = rgb.r; }
      } else {
        const int index = a >= 0.5 ? Nearest(palette, c) : 0;
        if (bits == 8) row[x] = uint8_t(index);
        else row[x / 2] |= uint8_t(index << (x % 2 ? 0 : 4));
      }
    }
    b.insert(b.end(), row.begin(), row.end());
  }
  for (int y = size - 1; y >= 0; --y) {
    std::vector<uint8_t> row(andRow, 0);
    for (int x = 0; x < size; ++x) {
      const double a = alpha[size_t(y) * size + x];
      const bool transparent = bits == 32 ? a * 255 < 0.5 : a < 0.5;
      if (transparent) row[x / 8] |= uint8_t(0x80 >> (x % 8));
    }
    b.insert(b.end(), row.begin(), row.end());
  }
  return b;
}

}  // namespace

std::vector<uint8_t> DrawIconFile() {
  struct Entry { int size, bits; std::vector<uint8_t> dib; };
  std::vector<Entry> entries;
  for (int size : {16, 24, 32, 48, 64, 96})
    for (int bits : {4, 8, 24, 32}) {
      if (bits == 4 && size > 48) continue;
      entries.push_back({size, bits, IconDib(size, bits)});
    }
  std::vector<uint8_t> b;
  Put16(b, 0);
  Put16(b, 1);
  Put16(b, uint16_t(entries.size()));
  uint32_t offset = uint32_t(6 + 16 * entries.size());
  for (const Entry& e : entries) {
    b.push_back(uint8_t(e.size));
    b.push_back(uint8_t(e.size));
    b.push_back(e.bits == 4 ? 16 : 0);
    b.push_back(0);
    Put16(b, 1);
    Put16(b, uint16_t(e.bits));
    Put32(b, uint32_t(e.dib.size()));
    Put32(b, offset);
    offset += uint32_t(e.dib.size());
  }
  for (const Entry& e : entries) b.insert(b.end(), e.dib.begin(), e.dib.end());
  return b;
}

}  // namespace artgen
