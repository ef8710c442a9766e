// How a key button's top line fits into the key: the caption on the left in the caption font, the second
// text on the right in the small font. Narrow keys cannot always hold both, and some captions are wider than
// the key itself.
#pragma once

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

}  // namespace Talvo
