#include "controls/key_caption_fit.h"

namespace Talvo {

KeyCaptionFit FitKeyCaption(int room, int captionWidth, int smallCaptionWidth, int secondWidth) {
  KeyCaptionFit fit;
  fit.smallCaption = captionWidth > room;
  const int caption = fit.smallCaption ? smallCaptionWidth : captionWidth;
  fit.showSecondText = secondWidth > 0 && caption + kKeyTextGap + secondWidth <= room;
  return fit;
}

}  // namespace Talvo
