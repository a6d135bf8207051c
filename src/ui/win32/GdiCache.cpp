#include "ui/win32/GdiCache.h"

#include <cmath>

namespace tarnix::ui {

HFONT GdiCache::FontFor(const Font& f) {
  const std::wstring face = f.face ? f.face : L"MS Shell Dlg";
  const int height = -int(std::lround(f.points * 96.0 / 72.0));
  const auto key = std::make_tuple(face, height, f.bold, f.italic, f.underline);
  auto it = fonts_.find(key);
  if (it == fonts_.end()) {
    HFONT h = CreateFontW(height, 0, 0, 0, f.bold ? FW_BOLD : FW_NORMAL, f.italic, f.underline, FALSE,
                          ANSI_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                          DEFAULT_PITCH | FF_SWISS, face.c_str());
    it = fonts_.emplace(key, win32::UniqueFont(h)).first;
  }
  return it->second.get();
}

HBRUSH GdiCache::BrushFor(uint32_t color) {
  auto it = brushes_.find(color);
  if (it == brushes_.end()) it = brushes_.emplace(color, win32::UniqueBrush(CreateSolidBrush(color))).first;
  return it->second.get();
}

HBITMAP GdiCache::Picture(int id, SIZE* size) {
  auto it = pictures_.find(id);
  if (it == pictures_.end()) {
    HBITMAP h = static_cast<HBITMAP>(LoadImageW(instance_, MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    it = pictures_.emplace(id, win32::UniqueBitmap(h)).first;
  }
  if (size && it->second) {
    BITMAP bm{};
    GetObjectW(it->second.get(), sizeof(bm), &bm);
    *size = {bm.bmWidth, bm.bmHeight};
  }
  return it->second.get();
}

Size GdiCache::MeasureText(const Font& font, const std::wstring& text, int wrapWidth) {
  HDC screen = GetDC(nullptr);
  win32::UniqueMemoryDc dc(CreateCompatibleDC(screen));
  ReleaseDC(nullptr, screen);
  win32::Selected sel(dc.get(), FontFor(font));
  RECT r{0, 0, wrapWidth > 0 ? wrapWidth : 0, 0};
  const UINT flags = DT_CALCRECT | DT_NOPREFIX | (wrapWidth > 0 ? DT_WORDBREAK : DT_SINGLELINE);
  DrawTextW(dc.get(), text.empty() ? L" " : text.c_str(), -1, &r, flags);
  return {text.empty() ? 0 : r.right - r.left, r.bottom - r.top};
}

std::optional<tarnix::Picture> GdiCache::Pixels(int id) const {
  HRSRC res = FindResourceW(instance_, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(2) /* RT_BITMAP */);
  HGLOBAL loaded = res ? LoadResource(instance_, res) : nullptr;
  const auto* data = static_cast<const uint8_t*>(loaded ? LockResource(loaded) : nullptr);
  const DWORD size = res ? SizeofResource(instance_, res) : 0;
  const std::optional<Bitmap> bmp = ReadDib(data, size);
  if (!bmp) return std::nullopt;
  return bmp->picture;
}

}  // namespace tarnix::ui
