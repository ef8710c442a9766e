// LogoBitmap: the program's logo (127 x 249 pixels, opaque colour) for the about box, drawn when it is
// made so that the program needs no image file for it. The object owns the bitmap; a picture control
// that shows it must let go of it before the object is destroyed.
#pragma once

#include <windows.h>

namespace Talvo {

class LogoBitmap {
 public:
  static constexpr int kWidth = 127;
  static constexpr int kHeight = 249;

  LogoBitmap();
  ~LogoBitmap();
  LogoBitmap(const LogoBitmap&) = delete;
  LogoBitmap& operator=(const LogoBitmap&) = delete;

  // The bitmap, or null when it could not be made.
  HBITMAP Get() const { return bitmap_; }

 private:
  HBITMAP bitmap_ = nullptr;
};

}  // namespace Talvo
