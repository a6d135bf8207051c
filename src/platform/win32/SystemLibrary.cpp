#include "platform/win32/SystemLibrary.h"

#include <string>

namespace tarnix {

FARPROC SystemFunction(const wchar_t* dll, const char* function) {
  wchar_t folder[MAX_PATH] = L"";
  const UINT n = GetSystemDirectoryW(folder, MAX_PATH);
  if (n == 0 || n >= MAX_PATH) return nullptr;
  const std::wstring path = std::wstring(folder) + L"\\" + dll;
  HMODULE module = LoadLibraryW(path.c_str());
  return module ? GetProcAddress(module, function) : nullptr;
}

void EnsureCommonControls() {
  static bool done = false;
  if (done) return;
  done = true;
  // By name, not by path: the manifest's dependency redirects the name to the
  // version 6 assembly, which no file beside the program can stand in for.
  HMODULE module = LoadLibraryW(L"comctl32.dll");
  using InitFn = void(WINAPI*)();
  if (const auto init = module ? reinterpret_cast<InitFn>(GetProcAddress(module, "InitCommonControls")) : nullptr)
    init();
}

}  // namespace tarnix
