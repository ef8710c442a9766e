// Animation time and validity intervals.
#pragma once

#include <climits>

using TimeValue = int;

constexpr TimeValue TIME_NegInfinity = INT_MIN;
constexpr TimeValue TIME_PosInfinity = INT_MAX;

class Interval {
 public:
  constexpr Interval() = default;
  constexpr Interval(TimeValue start, TimeValue end) : start_(start), end_(end) {}
  constexpr TimeValue Start() const { return start_; }
  constexpr TimeValue End() const { return end_; }
  friend constexpr bool operator==(const Interval&, const Interval&) = default;

 private:
  TimeValue start_ = TIME_NegInfinity;
  TimeValue end_ = TIME_NegInfinity;
};

constexpr Interval FOREVER(TIME_NegInfinity, TIME_PosInfinity);
constexpr Interval NEVER(TIME_NegInfinity, TIME_NegInfinity);
