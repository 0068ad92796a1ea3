#include "gfx/PictureScaling.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace pendra {

namespace {

struct Tap {
  int index;
  float weight;
};

// For each of `to` target positions, the source positions (0 .. from-1) it draws from and
// their weights, which add up to 1.
std::vector<std::vector<Tap>> Taps(int from, int to) {
  const float ratio = static_cast<float>(from) / static_cast<float>(to);
  const float radius = std::max(1.0f, ratio);
  std::vector<std::vector<Tap>> taps(static_cast<size_t>(to));
  for (int target = 0; target < to; ++target) {
    const float centre = (static_cast<float>(target) + 0.5f) * ratio - 0.5f;
    const int first = std::max(0, static_cast<int>(std::floor(centre - radius)));
    const int last = std::min(from - 1, static_cast<int>(std::ceil(centre + radius)));
    float total = 0;
    for (int i = first; i <= last; ++i) {
      const float weight = 1.0f - std::abs(static_cast<float>(i) - centre) / radius;
      if (weight > 0) {
        taps[target].push_back({i, weight});
        total += weight;
      }
    }
    if (taps[target].empty()) {
      taps[target].push_back({std::clamp(static_cast<int>(std::lround(centre)), 0, from - 1), 1.0f});
      total = 1;
    }
    for (Tap& tap : taps[target]) tap.weight /= total;
  }
  return taps;
}

using Channels = std::array<float, 4>;

Channels Split(std::uint32_t pixel) {
  return {static_cast<float>(pixel >> 24 & 0xFF), static_cast<float>(pixel >> 16 & 0xFF),
          static_cast<float>(pixel >> 8 & 0xFF), static_cast<float>(pixel & 0xFF)};
}

std::uint32_t Join(const Channels& c) {
  auto byte = [](float v) { return static_cast<std::uint32_t>(std::clamp(std::lround(v), 0L, 255L)); };
  // Premultiplied: no colour may exceed the alpha.
  const std::uint32_t alpha = byte(c[0]);
  return alpha << 24 | std::min(byte(c[1]), alpha) << 16 | std::min(byte(c[2]), alpha) << 8 |
         std::min(byte(c[3]), alpha);
}

}  // namespace

Picture ResizePicture(const Picture& source, int width, int height) {
  width = std::max(1, width);
  height = std::max(1, height);
  if (source.width <= 0 || source.height <= 0) return source;
  if (width == source.width && height == source.height) return source;
  const auto across = Taps(source.width, width);
  const auto down = Taps(source.height, height);

  // Across first, into floats of width x source height, then down.
  std::vector<Channels> rows(static_cast<size_t>(width) * source.height);
  for (int y = 0; y < source.height; ++y) {
    for (int x = 0; x < width; ++x) {
      Channels sum{};
      for (const Tap& tap : across[x]) {
        const Channels c = Split(source.At(tap.index, y));
        for (int k = 0; k < 4; ++k) sum[k] += c[k] * tap.weight;
      }
      rows[static_cast<size_t>(y) * width + x] = sum;
    }
  }
  Picture result;
  result.width = width;
  result.height = height;
  result.pixels.resize(static_cast<size_t>(width) * height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      Channels sum{};
      for (const Tap& tap : down[y]) {
        const Channels& c = rows[static_cast<size_t>(tap.index) * width + x];
        for (int k = 0; k < 4; ++k) sum[k] += c[k] * tap.weight;
      }
      result.pixels[static_cast<size_t>(y) * width + x] = Join(sum);
    }
  }
  return result;
}

Picture ScalePicture(const Picture& source, Scale to, Scale from) {
  if (to == from) return source;
  return ResizePicture(source, Rescale(source.width, from, to), Rescale(source.height, from, to));
}

}  // namespace pendra
