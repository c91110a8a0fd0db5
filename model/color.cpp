#include "model/color.hpp"

#include <cmath>

namespace trot {

Color Color::fromHSV(std::uint8_t h, std::uint8_t s, std::uint8_t v) {
  if (s == 0) return Color(v, v, v);

  const float x = (static_cast<float>(h) / 255.0f) * 6.0f;
  const int i = static_cast<int>(std::floor(x));
  const float f = x - static_cast<float>(i);
  const float sf = static_cast<float>(s) / 255.0f;
  const float value = static_cast<float>(v);
  const auto p = static_cast<std::uint8_t>((1.0f - sf) * value);
  const auto q = static_cast<std::uint8_t>((1.0f - sf * f) * value);
  const auto t = static_cast<std::uint8_t>((1.0f - (1.0f - f) * sf) * value);

  switch (i % 6) {
    case 0: return Color(v, t, p);
    case 1: return Color(q, v, p);
    case 2: return Color(p, v, t);
    case 3: return Color(p, q, v);
    case 4: return Color(t, p, v);
    default: return Color(v, p, q);
  }
}

}  // namespace trot
