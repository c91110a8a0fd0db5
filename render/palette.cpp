#include "render/palette.hpp"

#include <array>
#include <cmath>
#include <cstddef>
#include <limits>

namespace trot {

namespace {

struct Lab {
  double l = 0;
  double a = 0;
  double b = 0;
};

// The sRGB transfer curve undone, for every byte value once.
double linearLight(std::uint8_t component) {
  static const auto table = [] {
    std::array<double, 256> values{};
    for (std::size_t i = 0; i < values.size(); ++i) {
      const double value = static_cast<double>(i) / 255.0;
      values[i] = value <= 0.04045 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
    }
    return values;
  }();
  return table[component];
}

double labCurve(double t) {
  constexpr double kEpsilon = 216.0 / 24389.0;
  constexpr double kKappa = 24389.0 / 27.0;
  return t > kEpsilon ? std::cbrt(t) : (kKappa * t + 16.0) / 116.0;
}

// sRGB to CIE XYZ to L*a*b*, with the D65 white point sRGB is defined for.
Lab toLab(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
  const double r = linearLight(red);
  const double g = linearLight(green);
  const double b = linearLight(blue);
  const double x = (0.4124564 * r + 0.3575761 * g + 0.1804375 * b) / 0.95047;
  const double y = 0.2126729 * r + 0.7151522 * g + 0.0721750 * b;
  const double z = (0.0193339 * r + 0.1191920 * g + 0.9503041 * b) / 1.08883;
  const double fx = labCurve(x);
  const double fy = labCurve(y);
  const double fz = labCurve(z);
  return {116.0 * fy - 16.0, 500.0 * (fx - fy), 200.0 * (fy - fz)};
}

double distanceSquared(const Lab& p, const Lab& q) {
  const double dl = p.l - q.l;
  const double da = p.a - q.a;
  const double db = p.b - q.b;
  return dl * dl + da * da + db * db;
}

struct Entry {
  std::uint8_t index;
  Lab lab;
};

constexpr std::array<std::uint8_t, 6> kCubeLevels = {0, 95, 135, 175, 215, 255};
constexpr std::size_t kCubeStart = 16;
constexpr std::size_t kGreyStart = 232;

std::array<Entry, 240> makePalette256() {
  std::array<Entry, 240> entries{};
  std::size_t n = 0;
  for (std::size_t index = kCubeStart; index < kGreyStart; ++index, ++n) {
    const std::size_t cube = index - kCubeStart;
    entries[n] = {static_cast<std::uint8_t>(index),
                  toLab(kCubeLevels[cube / 36], kCubeLevels[cube / 6 % 6], kCubeLevels[cube % 6])};
  }
  for (std::size_t index = kGreyStart; index < 256; ++index, ++n) {
    const auto grey = static_cast<std::uint8_t>(8 + 10 * (index - kGreyStart));
    entries[n] = {static_cast<std::uint8_t>(index), toLab(grey, grey, grey)};
  }
  return entries;
}

std::array<Entry, 16> makePalette16() {
  constexpr std::uint8_t kRgb[16][3] = {
      {0, 0, 0},       {205, 0, 0},     {0, 205, 0},     {205, 205, 0},   {0, 0, 238},     {205, 0, 205},
      {0, 205, 205},   {229, 229, 229}, {127, 127, 127}, {255, 0, 0},     {0, 255, 0},     {255, 255, 0},
      {92, 92, 255},   {255, 0, 255},   {0, 255, 255},   {255, 255, 255},
  };
  std::array<Entry, 16> entries{};
  for (std::size_t i = 0; i < entries.size(); ++i) {
    entries[i] = {static_cast<std::uint8_t>(i), toLab(kRgb[i][0], kRgb[i][1], kRgb[i][2])};
  }
  return entries;
}

template <std::size_t N>
std::uint8_t nearest(const std::array<Entry, N>& palette, Color color) {
  const Lab target = toLab(color.r, color.g, color.b);
  std::uint8_t best = palette.front().index;
  double bestDistance = std::numeric_limits<double>::infinity();
  for (const Entry& entry : palette) {
    const double distance = distanceSquared(target, entry.lab);
    if (distance < bestDistance) {
      bestDistance = distance;
      best = entry.index;
    }
  }
  return best;
}

}  // namespace

std::uint8_t nearestIndex256(Color color) {
  static const auto palette = makePalette256();
  return nearest(palette, color);
}

std::uint8_t nearestIndex16(Color color) {
  static const auto palette = makePalette16();
  return nearest(palette, color);
}

double lightness(Color color) { return toLab(color.r, color.g, color.b).l; }

}  // namespace trot
