#pragma once
// Conversions between the program's UTF-16 text and UTF-8 (file names, logs, tests).
#include <string>
#include <string_view>

namespace pendra {

std::string ToUtf8(std::u16string_view text);
// Invalid sequences become U+FFFD.
std::u16string FromUtf8(std::string_view bytes);

}  // namespace pendra
