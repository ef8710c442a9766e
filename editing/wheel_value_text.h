// How a wheel-events page writes a limit or increment back into the set's text: integers in short general
// form, floats with the spin editor's decimals, always with a decimal point, and the "px" suffix of screen
// units kept.
#pragma once

#include <optional>
#include <string>

namespace Talvo {

// The number at the start of a stored text ("5px" -> 5), read with a decimal point whatever the locale;
// nothing when the text does not start with a number.
std::optional<double> ParseWheelValueText(const std::string& text);

// Whether `value` equals the stored text's number (both truncated in integer mode).
bool WheelValueMatchesText(double value, bool integerMode, const std::string& storedText);

// The new text for `value`: integer mode in general form with 5 significant digits, float mode fixed-point
// with `decimals` decimals; a comma becomes a point, a trailing point is dropped, and "px" is appended when
// the old text carried it.
std::string FormatWheelValueText(double value, bool integerMode, int decimals, const std::string& oldText);

}  // namespace Talvo
