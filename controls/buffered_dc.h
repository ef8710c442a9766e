// BufferedDC: a double-buffered paint context. Drawing goes into an off-screen bitmap over a rectangle
// (in the target's logical coordinates) and is copied to the screen in one go when the context closes,
// so owner-drawn controls never flicker through their background. An empty rectangle gives no context at
// all; when the bitmap cannot be made, drawing goes straight to the target instead.
#pragma once

#include <afxwin.h>

namespace Talvo {

class BufferedDC : public CDC {
 public:
  // How the off-screen bitmap starts: black, as a new bitmap is, or as it was left by an earlier paint
  // (cheaper, for callers that paint over every pixel of the rectangle).
  enum class Start { Black, PaintedOver };

  // Paints a window: BeginPaint now, the copy and EndPaint when the context closes. The window's font
  // is selected into the buffer.
  BufferedDC(CWnd* window, const CRect& rect, Start start = Start::Black);
  // Paints into a context the caller owns (an owner-draw item's context); the copy happens on close.
  BufferedDC(CDC* target, const CRect& rect);
  ~BufferedDC() override;
  BufferedDC(const BufferedDC&) = delete;
  BufferedDC& operator=(const BufferedDC&) = delete;

  // Whether drawing goes into the off-screen bitmap; without memory for one it goes straight to the target.
  bool IsBuffered() const { return m_hDC != nullptr && !borrowed_; }

 private:
  void CreateBuffer(HFONT font, Start start);

  HWND window_ = nullptr;
  PAINTSTRUCT paint_{};
  HDC target_ = nullptr;
  CRect rect_;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ oldBitmap_ = nullptr;
  HGDIOBJ oldFont_ = nullptr;
  bool borrowed_ = false;  // drawing straight into the target, whose handle is only lent
};

}  // namespace Talvo
