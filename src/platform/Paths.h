#pragma once
// Path text rules shared by the data folder, the save and the skin search. Both "\" and
// "/" count as delimiters; the delimiter added is the platform's own.
#include <string>

namespace pendra {

#ifdef _WIN32
inline constexpr char16_t kPathDelimiter = u'\\';
#else
inline constexpr char16_t kPathDelimiter = u'/';
#endif

bool IsPathDelimiter(char16_t c);
// Everything up to and including the last delimiter or drive colon; empty when none.
std::u16string ExtractFilePath(const std::u16string& path);
std::u16string IncludeTrailingPathDelimiter(const std::u16string& path);
std::u16string ExcludeTrailingPathDelimiter(const std::u16string& path);

}  // namespace pendra
