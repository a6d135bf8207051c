#include "ui/Picture.h"

#include <fstream>
#include <iterator>
#include <map>
#include <stdexcept>

namespace tarnix {

namespace {

uint32_t U32(const std::vector<uint8_t>& b, size_t at) {
  return uint32_t(b[at]) | uint32_t(b[at + 1]) << 8 | uint32_t(b[at + 2]) << 16 | uint32_t(b[at + 3]) << 24;
}
uint16_t U16(const std::vector<uint8_t>& b, size_t at) { return uint16_t(b[at] | b[at + 1] << 8); }
void Put32(std::vector<uint8_t>& b, uint32_t v) { for (int i = 0; i < 4; ++i) b.push_back(uint8_t(v >> (8 * i))); }
void Put16(std::vector<uint8_t>& b, uint16_t v) { b.push_back(uint8_t(v)); b.push_back(uint8_t(v >> 8)); }

size_t RowBytes(int width, int bits) { return ((size_t(width) * bits + 31) / 32) * 4; }

std::vector<uint8_t> Header(int width, int height, int bits, uint32_t paletteEntries) {
  const uint32_t offset = 14 + 40 + paletteEntries * 4;
  const uint32_t imageBytes = uint32_t(RowBytes(width, bits) * height);
  std::vector<uint8_t> b;
  b.push_back('B');
  b.push_back('M');
  Put32(b, offset + imageBytes);
  Put32(b, 0);
  Put32(b, offset);
  Put32(b, 40);
  Put32(b, uint32_t(width));
  Put32(b, uint32_t(height));
  Put16(b, 1);
  Put16(b, uint16_t(bits));
  Put32(b, 0);  // BI_RGB
  Put32(b, imageBytes);
  Put32(b, 3780);  // 96 dots per inch
  Put32(b, 3780);
  Put32(b, paletteEntries);
  Put32(b, 0);
  return b;
}

}  // namespace

std::optional<Bitmap> ReadBmp(const std::vector<uint8_t>& b) {
  if (b.size() < 54 || b[0] != 'B' || b[1] != 'M') return std::nullopt;
  const uint32_t offset = U32(b, 10), headerSize = U32(b, 14);
  if (headerSize < 40 || 14 + size_t(headerSize) > b.size()) return std::nullopt;
  const int32_t width = int32_t(U32(b, 18)), rawHeight = int32_t(U32(b, 22));
  const int bits = U16(b, 28);
  const uint32_t compression = U32(b, 30);
  if (width <= 0 || width > 16384 || rawHeight == 0 || rawHeight < -16384 || rawHeight > 16384) return std::nullopt;
  if (compression != 0 || (bits != 1 && bits != 4 && bits != 8 && bits != 24 && bits != 32)) return std::nullopt;
  const int height = rawHeight < 0 ? -rawHeight : rawHeight;
  Bitmap bmp;
  bmp.bitsPerPixel = bits;
  if (bits <= 8) {
    uint32_t entries = U32(b, 46);
    if (entries == 0 || entries > (1u << bits)) entries = 1u << bits;
    const size_t at = 14 + headerSize;
    if (at + entries * 4 > b.size()) return std::nullopt;
    for (uint32_t i = 0; i < entries; ++i)
      bmp.palette.push_back({b[at + i * 4 + 2], b[at + i * 4 + 1], b[at + i * 4]});
  }
  const size_t row = RowBytes(width, bits);
  if (offset > b.size() || row * height > b.size() - offset) return std::nullopt;
  bmp.picture = Picture(width, height);
  for (int y = 0; y < height; ++y) {
    const size_t base = offset + row * size_t(rawHeight < 0 ? y : height - 1 - y);
    for (int x = 0; x < width; ++x) {
      Rgb c;
      if (bits == 24 || bits == 32) {
        const size_t p = base + size_t(x) * (bits / 8);
        c = {b[p + 2], b[p + 1], b[p]};
      } else {
        const size_t bit = size_t(x) * bits;
        const unsigned index = (b[base + bit / 8] >> (8 - bits - bit % 8)) & ((1u << bits) - 1);
        if (index >= bmp.palette.size()) return std::nullopt;
        c = bmp.palette[index];
      }
      bmp.picture.At(x, y) = c;
    }
  }
  return bmp;
}

std::optional<Bitmap> ReadDib(const uint8_t* data, size_t size) {
  if (!data || size < 40) return std::nullopt;
  std::vector<uint8_t> file(14, 0);
  file.insert(file.end(), data, data + size);
  // The bits follow the header and the palette: the offset a file header would hold.
  const uint32_t header = U32(file, 14);
  const uint16_t bits = U16(file, 28);
  uint64_t colours = U32(file, 46);
  // A deeper picture needs no palette but may carry one of biClrUsed entries
  // (a hint for palette displays): the bits follow it all the same.
  if (bits <= 8 && (colours == 0 || colours > (1u << bits))) colours = 1u << bits;
  const uint64_t offset = 14 + uint64_t(header) + colours * 4;
  if (offset > file.size()) return std::nullopt;
  file[0] = 'B';
  file[1] = 'M';
  for (int i = 0; i < 4; ++i) file[10 + i] = uint8_t(offset >> (8 * i));
  return ReadBmp(file);
}

std::vector<uint8_t> WriteBmp24(const Picture& p) {
  std::vector<uint8_t> b = Header(p.Width(), p.Height(), 24, 0);
  const size_t row = RowBytes(p.Width(), 24);
  for (int y = p.Height() - 1; y >= 0; --y) {
    const size_t start = b.size();
    for (int x = 0; x < p.Width(); ++x) {
      const Rgb c = p.At(x, y);
      b.push_back(c.b);
      b.push_back(c.g);
      b.push_back(c.r);
    }
    b.resize(start + row, 0);
  }
  return b;
}

std::vector<uint8_t> WriteBmp8(const Picture& p, const std::vector<Rgb>& palette) {
  if (palette.empty() || palette.size() > 256) throw std::invalid_argument("palette size");
  std::map<uint32_t, uint8_t> index;
  for (size_t i = 0; i < palette.size(); ++i) {
    const Rgb c = palette[i];
    index.emplace(uint32_t(c.r) << 16 | uint32_t(c.g) << 8 | c.b, uint8_t(i));
  }
  std::vector<uint8_t> b = Header(p.Width(), p.Height(), 8, uint32_t(palette.size()));
  for (const Rgb c : palette) {
    b.push_back(c.b);
    b.push_back(c.g);
    b.push_back(c.r);
    b.push_back(0);
  }
  const size_t row = RowBytes(p.Width(), 8);
  for (int y = p.Height() - 1; y >= 0; --y) {
    const size_t start = b.size();
    for (int x = 0; x < p.Width(); ++x) {
      const Rgb c = p.At(x, y);
      const auto it = index.find(uint32_t(c.r) << 16 | uint32_t(c.g) << 8 | c.b);
      if (it == index.end()) throw std::invalid_argument("pixel colour not in the palette");
      b.push_back(it->second);
    }
    b.resize(start + row, 0);
  }
  return b;
}

std::vector<uint8_t> ReadFileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool WriteFileBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
  return bool(out);
}

}  // namespace tarnix
