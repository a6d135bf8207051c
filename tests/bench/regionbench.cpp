// Shapes a window region from the lightning mask, the dialog skin and an
// odd-width mask in two ways in one process: the program's way (the embedded
// picture's pixels, the scan, one region per row united pairwise) and the
// reference way (GetPixel per pixel, one region per run united one at a time).
// Checks that both give the same region and prints the median times.
//   regionbench [--check]     --check: few rounds, for the tests
#include <windows.h>
#include <shellapi.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "effects/modRegion.h"
#include "forms/resource.h"
#include "platform/win32/Unique.h"
#include "ui/win32/GdiCache.h"
#include "ui/win32/Region.h"

namespace {

using tarnix::Picture;
using tarnix::win32::UniqueRegion;

double Ms(const std::function<void()>& f) {
  const auto start = std::chrono::steady_clock::now();
  f();
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

// The picture in a device context, for the reference method's GetPixel.
struct PictureDc {
  tarnix::win32::UniqueMemoryDc dc;
  tarnix::win32::UniqueBitmap bitmap;
  HGDIOBJ old = nullptr;
  explicit PictureDc(const Picture& p) : dc(CreateCompatibleDC(nullptr)) {
    BITMAPINFO bi = {};
    bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
    bi.bmiHeader.biWidth = p.Width();
    bi.bmiHeader.biHeight = -p.Height();
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    bitmap.reset(CreateDIBSection(dc.get(), &bi, DIB_RGB_COLORS, &bits, nullptr, 0));
    auto* px = static_cast<uint32_t*>(bits);
    for (int y = 0; y < p.Height(); ++y)
      for (int x = 0; x < p.Width(); ++x) {
        const tarnix::Rgb c = p.At(x, y);
        px[size_t(y) * p.Width() + x] = uint32_t(c.r) << 16 | uint32_t(c.g) << 8 | c.b;
      }
    old = SelectObject(dc.get(), bitmap.get());
  }
  ~PictureDc() { SelectObject(dc.get(), old); }
};

// The reference: a GetPixel per pixel, each run its own region united in scan order.
UniqueRegion PerRun(HDC dc, int w, int h) {
  const COLORREF key = GetPixel(dc, 0, 0);
  UniqueRegion result;
  auto emit = [&](int l, int t, int r, int b) {
    HRGN run = CreateRectRgn(l, t, r, b);
    if (!result) {
      result.reset(run);
      return;
    }
    CombineRgn(result.get(), result.get(), run, RGN_OR);
    DeleteObject(run);
  };
  for (int y = 0; y < h; ++y) {
    bool inRun = false;
    int start = 0;
    for (int x = 0; x < w; ++x) {
      if (GetPixel(dc, x, y) == key) {
        if (inRun) emit(start, y, x, y + 1);
        inRun = false;
      } else if (!inRun) {
        start = x;
        inRun = true;
      }
    }
    if (inRun) emit(start, y, w, y + 1);
  }
  return result;
}

std::vector<char> Data(HRGN r) {
  std::vector<char> d(GetRegionData(r, 0, nullptr));
  if (!d.empty()) GetRegionData(r, DWORD(d.size()), reinterpret_cast<RGNDATA*>(d.data()));
  return d;
}

struct Row {
  const char* name;
  double read, fast, reference;
  size_t rects;
  bool equal;
};

Row Measure(const char* name, const std::function<std::optional<Picture>()>& pixels, int fastRounds, int refRounds) {
  const Picture picture = *pixels();
  std::vector<double> read, fast, ref;
  UniqueRegion fastRegion, refRegion;
  size_t rects = 0;
  for (int i = 0; i < fastRounds; ++i) {
    std::optional<Picture> p;
    read.push_back(Ms([&] { p = pixels(); }));
    fast.push_back(Ms([&] {
      const std::vector<tarnix::ui::Rect> r = tarnix::RegionFromPicture(*p);
      rects = r.size();
      fastRegion = tarnix::ui::RegionFromRects(r);
    }));
  }
  PictureDc dc(picture);
  for (int i = 0; i < refRounds; ++i)
    ref.push_back(Ms([&] { refRegion = PerRun(dc.dc.get(), picture.Width(), picture.Height()); }));
  const bool equal = fastRegion && refRegion && EqualRgn(fastRegion.get(), refRegion.get()) &&
                     Data(fastRegion.get()) == Data(refRegion.get());
  return {name, Median(read), Median(fast), Median(ref), rects, equal};
}

// An odd-width mask: the lightning mask's left 333 x 217 pixels.
Picture OddWidth(const Picture& mask) {
  Picture p(333, 217);
  for (int y = 0; y < p.Height(); ++y)
    for (int x = 0; x < p.Width(); ++x) p.At(x, y) = mask.At(x + 150, y + 100);
  p.At(0, 0) = mask.At(0, 0);
  return p;
}

}  // namespace

int wmain() {
  int argc = 0;
  wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  const bool check = argc > 1 && std::wstring(argv[1]) == L"--check";
  const int fastRounds = check ? 3 : 51, refRounds = check ? 1 : 7;
  tarnix::ui::GdiCache gdi(GetModuleHandleW(nullptr));
  const std::optional<Picture> mask = gdi.Pixels(IDB_BLITZ_MASK);
  if (!mask || !gdi.Pixels(IDB_SKIN_MASK)) {
    std::puts("regionbench: the pictures are missing from the resources");
    return 2;
  }
  const Picture odd = OddWidth(*mask);
  const Row rows[] = {
      Measure("lightning mask 640x480", [&] { return gdi.Pixels(IDB_BLITZ_MASK); }, fastRounds, refRounds),
      Measure("dialog skin 440x249", [&] { return gdi.Pixels(IDB_SKIN_MASK); }, fastRounds, refRounds),
      Measure("odd-width mask 333x217", [&] { return std::optional<Picture>(odd); }, fastRounds, refRounds),
  };
  std::printf("%-24s %7s %10s %18s %14s %7s %s\n", "picture", "rects", "read (ms)", "scan+region (ms)",
              "per run (ms)", "ratio", "same region");
  int failures = 0;
  for (const Row& r : rows) {
    std::printf("%-24s %7zu %10.3f %18.3f %14.3f %6.1fx %s\n", r.name, r.rects, r.read, r.fast, r.reference,
                r.reference / r.fast, r.equal ? "yes" : "NO");
    if (!r.equal) ++failures;
  }
  std::printf("medians of %d and %d rounds; read = the embedded picture's pixels; ratio = per run / scan+region\n", fastRounds, refRounds);
  return failures ? 1 : 0;
}
