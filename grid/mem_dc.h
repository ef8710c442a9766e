// CMemDC: the grid's off-screen painting context, a BufferedDC over the target's clip box that is copied to the
// target when it goes out of scope. The grid's paint covers every pixel of the clip box, so the buffer is not
// filled first.
#pragma once

#include "controls/buffered_dc.h"

namespace Talvo {

class CMemDC : public BufferedDC {
 public:
  explicit CMemDC(CDC* pDC);
};

}  // namespace Talvo
