// CMemDC: the grid's off-screen painting context, a BufferedDC over the target's clip box that starts in the
// target's background colour and is copied to the target when it goes out of scope.
#pragma once

#include "controls/buffered_dc.h"

namespace Talvo {

class CMemDC : public BufferedDC {
 public:
  explicit CMemDC(CDC* pDC);
};

}  // namespace Talvo
