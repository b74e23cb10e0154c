#pragma once
// Rounding helpers shared by every conversion of the design model.
#include <cmath>
#include <cstdint>
#include <limits>

// The integer nearest to x, halves going to the even neighbour (2.5 -> 2, 3.5 -> 4,
// -2.5 -> -2). Values outside the 32-bit range saturate; NaN gives 0.
inline int32_t RoundEven(double x)
{
  if (std::isnan(x))
    return 0;
  double r = std::floor(x);
  const double diff = x - r;
  if (diff > 0.5 || (diff == 0.5 && std::fmod(r, 2.0) != 0.0))
    r += 1.0;
  if (r >= double(std::numeric_limits<int32_t>::max()))
    return std::numeric_limits<int32_t>::max();
  if (r <= double(std::numeric_limits<int32_t>::min()))
    return std::numeric_limits<int32_t>::min();
  return int32_t(r);
}

// The largest integer not above x, saturating to the 32-bit range; NaN gives 0.
inline int32_t FloorToInt(double x)
{
  if (std::isnan(x))
    return 0;
  const double r = std::floor(x);
  if (r >= double(std::numeric_limits<int32_t>::max()))
    return std::numeric_limits<int32_t>::max();
  if (r <= double(std::numeric_limits<int32_t>::min()))
    return std::numeric_limits<int32_t>::min();
  return int32_t(r);
}
