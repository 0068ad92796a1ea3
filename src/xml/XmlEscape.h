#pragma once
// The engine's one escaping table, used by the writer, and the unescaping of every text
// the reader turns into a value.
#include <cstddef>
#include <string>
#include <string_view>

namespace pendra {

// Per UTF-16 code unit: the five markup characters as named references, control
// characters other than tab, LF and CR and every unit above 0x7F as "&#xHH;" or "&#xHHHH;"
// (upper-case digits; each half of a surrogate pair on its own); the rest unchanged.
std::u16string EscapeValue(std::u16string_view value);

// Resolves, once and from left to right, "&#digits;", "&#xhex;" (low 16 bits of the
// number) and the five named references in any letter case. Anything else, a lone "&"
// or a malformed reference included, stays as it is.
std::u16string UnescapeValue(std::u16string_view text);

// UnescapeValue on a buffer, in place; returns the new length, which is never longer.
size_t UnescapeInPlace(char16_t* text, size_t size);
// UnescapeValue written to `out`, which has room for text.size() units and may be
// text.data() itself; returns the length written.
size_t UnescapeTo(std::u16string_view text, char16_t* out);

// UTF-8 text up to its first "<" (or its end) turned into UTF-16 and unescaped (as
// UnescapeValue) in one pass, written to `out`, which has room for text.size() units;
// returns the bytes read and the units written. Bytes that form no character become
// U+FFFD, one per byte, and set `replaced`.
struct Utf8Unescaped {
  size_t read;
  size_t written;
};
Utf8Unescaped UnescapeUtf8To(std::string_view text, char16_t* out, bool& replaced);

// The reference at the start of text, which begins with "&": its length and the unit it
// stands for, or 0 when it is none.
size_t MatchReference(std::u16string_view text, char16_t& unit);

// The writer's side: the escaped form's length, and writing it to a buffer with that
// much room (Char is char for the writer's bytes, char16_t for EscapeValue). Returns the
// position after the written units. No unit takes more than kLongestEscape.
constexpr size_t kLongestEscape = 8;  // "&#xHHHH;"
size_t EscapedLength(std::u16string_view value);
template <class Char>
Char* WriteEscaped(std::u16string_view value, Char* out);

}  // namespace pendra
