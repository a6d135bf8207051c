// Move-only owner of a Win32 handle; the traits name the release function.
#pragma once
#include <windows.h>

#include <utility>

namespace tarnix::win32 {

template <typename Traits>
class Unique {
 public:
  using Handle = typename Traits::Handle;
  Unique() = default;
  explicit Unique(Handle h) : h_(h) {}
  ~Unique() { reset(); }
  Unique(const Unique&) = delete;
  Unique& operator=(const Unique&) = delete;
  Unique(Unique&& o) noexcept : h_(o.release()) {}
  Unique& operator=(Unique&& o) noexcept {
    if (this != &o) reset(o.release());
    return *this;
  }
  Handle get() const { return h_; }
  Handle* put() { reset(); return &h_; }
  explicit operator bool() const { return Traits::Valid(h_); }
  Handle release() { return std::exchange(h_, Traits::Invalid()); }
  void reset(Handle h = Traits::Invalid()) {
    if (Traits::Valid(h_)) Traits::Close(h_);
    h_ = h;
  }

 private:
  Handle h_ = Traits::Invalid();
};

struct HandleTraits {
  using Handle = HANDLE;
  static Handle Invalid() { return nullptr; }
  static bool Valid(Handle h) { return h != nullptr && h != INVALID_HANDLE_VALUE; }
  static void Close(Handle h) { ::CloseHandle(h); }
};
struct KeyTraits {
  using Handle = HKEY;
  static Handle Invalid() { return nullptr; }
  static bool Valid(Handle h) { return h != nullptr; }
  static void Close(Handle h) { ::RegCloseKey(h); }
};
template <typename T>
struct GdiTraits {
  using Handle = T;
  static Handle Invalid() { return nullptr; }
  static bool Valid(Handle h) { return h != nullptr; }
  static void Close(Handle h) { ::DeleteObject(h); }
};
struct MemoryDcTraits {
  using Handle = HDC;
  static Handle Invalid() { return nullptr; }
  static bool Valid(Handle h) { return h != nullptr; }
  static void Close(Handle h) { ::DeleteDC(h); }
};
struct WindowTraits {
  using Handle = HWND;
  static Handle Invalid() { return nullptr; }
  static bool Valid(Handle h) { return h != nullptr; }
  static void Close(Handle h) { ::DestroyWindow(h); }
};

using UniqueHandle = Unique<HandleTraits>;
using UniqueKey = Unique<KeyTraits>;
using UniqueBrush = Unique<GdiTraits<HBRUSH>>;
using UniqueFont = Unique<GdiTraits<HFONT>>;
using UniqueBitmap = Unique<GdiTraits<HBITMAP>>;
using UniqueRegion = Unique<GdiTraits<HRGN>>;
using UniqueWindow = Unique<WindowTraits>;
using UniqueMemoryDc = Unique<MemoryDcTraits>;

// Selects an object into a DC for a scope and restores what was there before.
class Selected {
 public:
  Selected(HDC dc, HGDIOBJ obj) : dc_(dc), old_(obj ? SelectObject(dc, obj) : nullptr) {}
  ~Selected() {
    if (old_) SelectObject(dc_, old_);
  }
  Selected(const Selected&) = delete;
  Selected& operator=(const Selected&) = delete;

 private:
  HDC dc_;
  HGDIOBJ old_;
};

}  // namespace tarnix::win32
