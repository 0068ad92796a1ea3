#pragma once
// A number as decimal digits (with a leading "-" when negative), in the program's text.
#include <string>

namespace pendra {

inline std::u16string DecimalText(long long value) {
  const std::string digits = std::to_string(value);
  return std::u16string(digits.begin(), digits.end());
}

}  // namespace pendra
