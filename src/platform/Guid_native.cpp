#include <cstdio>
#include <random>

#include "platform/Guid.h"

namespace pendra {

std::u16string NewGuidText() {
  std::random_device random;
  unsigned int part[4] = {random(), random(), random(), random()};
  char text[39];
  std::snprintf(text, sizeof text, "{%08X-%04X-%04X-%04X-%04X%08X}", part[0], part[1] >> 16, part[1] & 0xFFFF,
                part[2] >> 16, part[2] & 0xFFFF, part[3]);
  return std::u16string(text, text + 38);
}

}  // namespace pendra
