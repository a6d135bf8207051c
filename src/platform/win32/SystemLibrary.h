// Functions of system libraries that only some runs need, loaded when first
// asked for instead of at every start.
#pragma once
#include <windows.h>

namespace tarnix {

// A function of a DLL in the system folder (never one found beside the
// program); nullptr when it cannot be had. The library stays loaded.
FARPROC SystemFunction(const wchar_t* dll, const char* function);
template <class Fn>
Fn SystemFunctionAs(const wchar_t* dll, const char* function) {
  // Through the generic function type, which may be cast to any other.
  return reinterpret_cast<Fn>(reinterpret_cast<void (*)()>(SystemFunction(dll, function)));
}

// Loads the common controls (version 6, as the manifest asks) and registers
// their window classes; once per process, before the first window.
void EnsureCommonControls();

}  // namespace tarnix
