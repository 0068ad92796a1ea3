#include "lang/Pattern.h"

namespace pendra {

namespace {

const std::u16string_view* PartNamed(std::initializer_list<PatternPart> parts, std::u16string_view name) {
  for (const PatternPart& part : parts) {
    if (part.first == name) return &part.second;
  }
  return nullptr;
}

}  // namespace

std::u16string FillIn(std::u16string_view pattern, std::initializer_list<PatternPart> parts) {
  std::u16string text;
  size_t at = 0;
  while (at < pattern.size()) {
    const size_t open = pattern.find(u'{', at);
    const size_t close = open == std::u16string_view::npos ? open : pattern.find(u'}', open);
    if (close == std::u16string_view::npos) break;
    const std::u16string_view* part = PartNamed(parts, pattern.substr(open + 1, close - open - 1));
    text += pattern.substr(at, open - at);
    text += part ? *part : pattern.substr(open, close - open + 1);
    at = close + 1;
  }
  text += pattern.substr(at);
  return text;
}

}  // namespace pendra
