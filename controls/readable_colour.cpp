#include "controls/readable_colour.h"

#include <algorithm>
#include <cmath>

namespace Talvo {

namespace {

double Linear(int channel) {
  const double value = channel / 255.0;
  return value <= 0.03928 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
}

// `colour` moved `step` of 255 steps towards `target`.
COLORREF Towards(COLORREF colour, COLORREF target, int step) {
  auto mix = [step](int from, int to) { return from + (to - from) * step / 255; };
  return RGB(mix(GetRValue(colour), GetRValue(target)), mix(GetGValue(colour), GetGValue(target)),
             mix(GetBValue(colour), GetBValue(target)));
}

// The fewest steps towards `target` that reach the ratio; 256 when even the target does not.
int StepsTowards(COLORREF wanted, COLORREF target, COLORREF background, double ratio) {
  for (int step = 1; step <= 255; ++step) {
    if (ContrastRatio(Towards(wanted, target, step), background) >= ratio) return step;
  }
  return 256;
}

}  // namespace

double RelativeLuminance(COLORREF colour) {
  return 0.2126 * Linear(GetRValue(colour)) + 0.7152 * Linear(GetGValue(colour)) + 0.0722 * Linear(GetBValue(colour));
}

double ContrastRatio(COLORREF a, COLORREF b) {
  const double la = RelativeLuminance(a);
  const double lb = RelativeLuminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

COLORREF ReadableOn(COLORREF wanted, COLORREF background, double ratio) {
  if (ContrastRatio(wanted, background) >= ratio) return wanted;
  constexpr COLORREF kBlack = RGB(0, 0, 0);
  constexpr COLORREF kWhite = RGB(255, 255, 255);
  const int darker = StepsTowards(wanted, kBlack, background, ratio);
  const int lighter = StepsTowards(wanted, kWhite, background, ratio);
  if (darker > 255 && lighter > 255) {
    return ContrastRatio(kBlack, background) >= ContrastRatio(kWhite, background) ? kBlack : kWhite;
  }
  return darker <= lighter ? Towards(wanted, kBlack, darker) : Towards(wanted, kWhite, lighter);
}

double NeededContrast(int fontPixelHeight, bool bold) {
  const int large = bold ? 19 : 24;
  return std::abs(fontPixelHeight) >= large ? kLargeTextContrast : kTextContrast;
}

}  // namespace Talvo
