#pragma once
// Text in the system's code pages: the ANSI code page of files without a byte-order
// mark, and the code pages XML declarations name. Code page 0 stands for the system's
// ANSI code page. Windows converts with its own tables; the native build uses iconv and
// takes Windows-1252 as its ANSI code page.
#include <optional>
#include <string>
#include <string_view>

namespace pendra {

// The number of the system's ANSI code page.
unsigned AnsiCodePage();

// Whether the system can convert text of that code page.
bool CodePageAvailable(unsigned codePage);

// Decodes the bytes; bytes that form no character of the code page become replacement
// characters. The code page must be available.
std::u16string DecodeCodePage(std::string_view bytes, unsigned codePage);

// Decodes the bytes only when they are complete, valid characters of the code page.
std::optional<std::u16string> DecodeCodePageStrictly(std::string_view bytes, unsigned codePage);

// Encodes the text; characters the code page lacks become its default character.
// The code page must be available.
std::string EncodeCodePage(std::u16string_view text, unsigned codePage);

}  // namespace pendra
