#pragma once
// Shared pieces of the XML engine's tests: paths of the test files in
// tests/unit/fixtures/xml, and tables of cases (what a function is given, what it returns).
#include <cstddef>
#include <gtest/gtest.h>
#include <string>
#include <string_view>
#include <type_traits>

#include "platform/FileSystem.h"
#include "platform/Utf.h"

namespace pendra {

inline std::u16string XmlFixturePath(std::string_view name) {
  return FromUtf8(std::string(PENDRA_SOURCE_DIR) + "/tests/unit/fixtures/xml/" + std::string(name));
}

inline std::string XmlFixtureBytes(std::string_view name) { return ReadWholeFile(XmlFixturePath(name)); }

// One row of a table of cases.
template <class Given = std::u16string, class Expected = std::u16string>
struct TableCase {
  Given given;
  Expected expected;
};

// The given value of a row as it appears in a failure message.
inline std::string Printable(std::u16string_view text) { return ToUtf8(text); }
inline std::string Printable(std::string_view bytes) { return std::string(bytes); }
template <class Number, class = std::enable_if_t<std::is_arithmetic_v<Number>>>
std::string Printable(Number number) {
  return std::to_string(number);
}

// Expects function(given) == expected for every row; a failure names the row's given value,
// also for expectations inside function.
template <class Given, class Expected, size_t N, class Function>
void ExpectEachCase(const TableCase<Given, Expected> (&cases)[N], Function&& function) {
  for (const TableCase<Given, Expected>& c : cases) {
    SCOPED_TRACE(Printable(c.given));
    EXPECT_EQ(function(c.given), c.expected);
  }
}

}  // namespace pendra
