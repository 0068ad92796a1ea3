#pragma once
// The charset table: names of character sets (the IANA registry's and the ones Windows
// uses) and their Windows code pages, used in both directions.
#include <string_view>

namespace pendra {

// The code page of the first row with that name, letter case ignored;
// ECharsetError "No matching charset" when there is none.
unsigned CodePageOfCharset(std::u16string_view name);

// The name of the first row with that code page; ECharsetError when there is none.
std::u16string_view CharsetOfCodePage(unsigned codePage);

}  // namespace pendra
