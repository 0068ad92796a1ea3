#pragma once
// Texts built from parts: a pattern names its parts by placeholders in braces ("{file}").
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>

namespace pendra {

// The placeholder's name without its braces, and the text that takes its place.
using PatternPart = std::pair<std::u16string_view, std::u16string_view>;

// The pattern with each placeholder replaced by its part; the parts are taken as they are, so
// braces in them stay. A placeholder without a part stays as written.
std::u16string FillIn(std::u16string_view pattern, std::initializer_list<PatternPart> parts);

}  // namespace pendra
