// A picture as the program's windows use it: pixels readable by coordinates,
// read from and written to Windows bitmap files.
#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tarnix {

struct Rgb {
  uint8_t r = 0, g = 0, b = 0;
  friend bool operator==(Rgb a, Rgb c) { return a.r == c.r && a.g == c.g && a.b == c.b; }
  friend bool operator!=(Rgb a, Rgb c) { return !(a == c); }
};

class Picture {
 public:
  Picture() = default;
  Picture(int width, int height, Rgb fill = {}) : w_(width), h_(height), px_(size_t(width) * height, fill) {}
  int Width() const { return w_; }
  int Height() const { return h_; }
  Rgb At(int x, int y) const { return px_[size_t(y) * w_ + x]; }
  Rgb& At(int x, int y) { return px_[size_t(y) * w_ + x]; }
  const std::vector<Rgb>& Pixels() const { return px_; }

 private:
  int w_ = 0, h_ = 0;
  std::vector<Rgb> px_;
};

struct Bitmap {
  Picture picture;
  int bitsPerPixel = 0;
  std::vector<Rgb> palette;  // for 8 bits or fewer
};

// Reads an uncompressed bottom-up or top-down BMP of 1, 4, 8, 24 or 32 bits.
// nullopt for anything malformed or truncated.
std::optional<Bitmap> ReadBmp(const std::vector<uint8_t>& bytes);

// Reads a packed DIB: a BMP without its 14-byte file header, as a bitmap
// resource stores it.
std::optional<Bitmap> ReadDib(const uint8_t* data, size_t size);

std::vector<uint8_t> WriteBmp24(const Picture& picture);
// Every pixel must be a palette colour (at most 256); throws otherwise.
std::vector<uint8_t> WriteBmp8(const Picture& picture, const std::vector<Rgb>& palette);

std::vector<uint8_t> ReadFileBytes(const std::string& path);
bool WriteFileBytes(const std::string& path, const std::vector<uint8_t>& bytes);

}  // namespace tarnix
