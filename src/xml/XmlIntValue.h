#pragma once
// The integer form of a value: leading blanks, an optional "+" or "-", then decimal
// digits, or hexadecimal digits after "$", "x", "X", "0x" or "0X", and nothing after them.
#include <cstdint>
#include <string_view>

namespace pendra {

// The signed 64-bit value, or -1 for any other form and for a value that does not fit.
// Hexadecimal digits give the 64-bit pattern (so "$FFFFFFFFFFFFFFFF" is -1, too).
int64_t ParseIntValue(std::u16string_view text);

}  // namespace pendra
