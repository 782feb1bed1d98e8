// Points and rectangles in pixels, and integer arithmetic that never
// overflows.
#pragma once

#include <algorithm>
#include <climits>
#include <cstdint>

// A 64-bit result brought back into the range of int.
inline int ClampToInt(std::int64_t value)
{
  return static_cast<int>(std::clamp<std::int64_t>(value, INT_MIN, INT_MAX));
}

struct Point {
  int X = 0;
  int Y = 0;
  bool operator==(const Point&) const = default;
};

// Left and Top are inside the rectangle, Right and Bottom just outside it.
struct Rect {
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;

  // Clamped, so that a rectangle spanning more than the range of int does
  // not overflow.
  int Width() const { return ClampToInt(std::int64_t{Right} - Left); }
  int Height() const { return ClampToInt(std::int64_t{Bottom} - Top); }
  bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
  bool Intersects(const Rect& other) const
  {
    return Left < other.Right && other.Left < Right && Top < other.Bottom && other.Top < Bottom;
  }
  // The part both share (empty when they do not meet).
  Rect Intersection(const Rect& other) const
  {
    return {std::max(Left, other.Left), std::max(Top, other.Top), std::min(Right, other.Right),
            std::min(Bottom, other.Bottom)};
  }
  // The smallest rectangle holding both; an empty rectangle adds nothing.
  Rect United(const Rect& other) const
  {
    if (IsEmpty()) return other;
    if (other.IsEmpty()) return *this;
    return {std::min(Left, other.Left), std::min(Top, other.Top), std::max(Right, other.Right),
            std::max(Bottom, other.Bottom)};
  }
  bool operator==(const Rect&) const = default;
};

// origin + zoom * coordinate, clamped.
inline int Scaled(int origin, int zoom, int coordinate)
{
  return ClampToInt(std::int64_t{origin} + std::int64_t{zoom} * coordinate);
}
