// Text helpers shared by the program: UTF-8 <-> wide conversion, numbers in the documents' fixed
// "en-US" notation, and the small layout helpers of the radial chart.
#pragma once

#include <locale>
#include <optional>
#include <string>
#include <string_view>

namespace Talvo {

// Code page 65001 conversions; invalid sequences become U+FFFD.
std::wstring Utf8ToWide(std::string_view text);
std::string WideToUtf8(std::wstring_view text);
// The same conversion for text that must be exact (file names): nothing when the bytes are not valid
// UTF-8.
std::optional<std::wstring> Utf8ToWideStrict(std::string_view text);

// The locale numbers in documents are written and read with ("en-US": point as decimal separator,
// no digit grouping). The classic locale has exactly that notation.
const std::locale& NumberLocale();

// Leading decimal number of a text ("5px" -> 5, "0.02" -> 0.02); nothing when the text does not start
// with a number.
std::optional<double> ParseNumber(std::string_view text);
// Integer text of a document attribute; `fallback` when missing or malformed.
int ParseInt(std::string_view text, int fallback);

// `text` repeated `count` times (nothing for count <= 0).
std::wstring RepeatText(int count, std::wstring_view text);

// Breaks `text` into lines of at most `width` characters, at blanks where possible; words longer than
// `width` are cut. Lines are joined with "\n". A width below 1 returns the text unchanged.
std::wstring WrapText(std::wstring_view text, int width);

}  // namespace Talvo
