#pragma once
// The core's UTF-16 text as Windows' wide strings and back (the same code units).
#include <string>

namespace pendra {

inline const wchar_t* Wide(const std::u16string& text) { return reinterpret_cast<const wchar_t*>(text.c_str()); }

inline const wchar_t* Wide(const char16_t* text) { return reinterpret_cast<const wchar_t*>(text); }

inline std::u16string FromWide(const wchar_t* text) { return reinterpret_cast<const char16_t*>(text); }

}  // namespace pendra
