#pragma once
// Reading the picture fixtures of tests/unit/fixtures/gfx.
#include <fstream>
#include <iterator>
#include <string>

#include "gfx/Picture.h"

namespace pendra::test {

inline std::string ReadGfxFixture(const std::string& name) {
  std::ifstream in(std::string(PENDRA_SOURCE_DIR) + "/tests/unit/fixtures/gfx/" + name, std::ios::binary);
  if (!in) throw std::runtime_error("missing fixture " + name);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline unsigned Channel(std::uint32_t pixel, int shift) { return pixel >> shift & 0xFF; }

}  // namespace pendra::test
