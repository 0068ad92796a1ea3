#pragma once
// The texts of the program's own reports.
#include <string>

namespace pendra {

inline constexpr char16_t kExceptionBoxTitle[] = u"Ausnahmefehler";
inline constexpr char16_t kUnhandledFailureTitle[] = u"Fehler";
inline constexpr char16_t kSupportAddress[] = u"support@pendra.example";

// The five-line text of the box that names a failing handler.
std::u16string ExceptionBoxText(const std::u16string& methode);
// The text of the box for a failure no handler caught, naming its message and kind.
std::u16string UnhandledFailureText(const std::u16string& message, const std::u16string& typeName);

}  // namespace pendra
