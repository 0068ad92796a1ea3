#pragma once
// Paths of the XML engine's test files in tests/unit/fixtures/xml.
#include <string>
#include <string_view>

#include "platform/FileSystem.h"
#include "platform/Utf.h"

namespace pendra {

inline std::u16string XmlFixturePath(std::string_view name) {
  return FromUtf8(std::string(PENDRA_SOURCE_DIR) + "/tests/unit/fixtures/xml/" + std::string(name));
}

inline std::string XmlFixtureBytes(std::string_view name) { return ReadWholeFile(XmlFixturePath(name)); }

}  // namespace pendra
