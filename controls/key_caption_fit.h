// How a key button's texts fit into the key: the caption on the left of the top line in the caption font, the
// second text on the right in the small font, and below them the name of what the key carries, over as many
// lines as the key has room for. Narrow keys cannot always hold everything, and some captions are wider than
// the key itself.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace Talvo {

// The space kept between the caption and the second text.
inline constexpr int kKeyTextGap = 3;

struct KeyCaptionFit {
  bool smallCaption = false;    // the caption is drawn in the small bold font (it is too wide for the caption font)
  bool showSecondText = false;  // the second text fits beside the caption
};

// Widths in pixels: the room on the line, the caption in the caption font and in the small bold font, and the
// second text in the small font (0 when the key has none). The caption always wins: it shrinks when it does
// not fit, and the second text is left out when it would run into the caption.
KeyCaptionFit FitKeyCaption(int room, int captionWidth, int smallCaptionWidth, int secondWidth);

// The pixel width of a text in the font the lines are drawn in.
using MeasureText = std::function<int(const std::wstring&)>;

// `text` broken at blanks into at most `maxLines` lines no wider than `width`. A line that cannot hold what
// it has to (a word wider than the key, or on the last line the rest of the text) ends in "..." (shortened
// until it fits). No lines for an empty text or no room.
std::vector<std::wstring> FitKeyLines(const std::wstring& text, int width, int maxLines, const MeasureText& measure);

}  // namespace Talvo
