#pragma once
#include <string>

namespace pendra {

// A new GUID as 38 characters: braces, upper-case hex groups 8-4-4-4-12 separated by hyphens.
std::u16string NewGuidText();

}  // namespace pendra
