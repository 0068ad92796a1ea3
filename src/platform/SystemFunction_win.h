#pragma once
// A function of a system DLL that is loaded when it is first needed, so that start-up loads no
// DLL it does not use. Only the system folder is searched: a DLL of that name beside the
// program is never taken.
#include <windows.h>

namespace pendra {

// The function, or nullptr when the DLL or the function is not there.
template <typename Function>
Function LoadSystemFunction(const wchar_t* library, const char* name) {
  HMODULE module = LoadLibraryExW(library, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
  if (!module) return nullptr;
  return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

}  // namespace pendra
