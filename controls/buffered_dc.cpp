#include "controls/buffered_dc.h"

namespace Talvo {

BufferedDC::BufferedDC(CWnd* window, const CRect& rect) : rect_(rect) {
  if (window == nullptr || !::IsWindow(window->m_hWnd)) return;
  window_ = window->m_hWnd;
  target_ = ::BeginPaint(window_, &paint_);
  CreateBuffer(reinterpret_cast<HFONT>(::SendMessageW(window_, WM_GETFONT, 0, 0)));
}

BufferedDC::BufferedDC(CDC* target, const CRect& rect) : rect_(rect) {
  if (target == nullptr || target->m_hDC == nullptr) return;
  target_ = target->m_hDC;
  CreateBuffer(static_cast<HFONT>(::GetCurrentObject(target_, OBJ_FONT)));
}

void BufferedDC::CreateBuffer(HFONT font) {
  if (target_ == nullptr || rect_.IsRectEmpty()) return;
  HDC memory = ::CreateCompatibleDC(target_);
  bitmap_ = ::CreateCompatibleBitmap(target_, rect_.Width(), rect_.Height());
  if (memory == nullptr || bitmap_ == nullptr) {
    if (memory != nullptr) ::DeleteDC(memory);
    m_hDC = m_hAttribDC = target_;
    borrowed_ = true;
    return;
  }
  oldBitmap_ = ::SelectObject(memory, bitmap_);
  if (font != nullptr) oldFont_ = ::SelectObject(memory, font);
  // Callers draw in the target's coordinates; the buffer's origin is the rectangle's corner.
  ::SetWindowOrgEx(memory, rect_.left, rect_.top, nullptr);
  Attach(memory);
}

BufferedDC::~BufferedDC() {
  if (borrowed_) {
    m_hDC = m_hAttribDC = nullptr;
  } else if (HDC memory = Detach()) {
    ::SetWindowOrgEx(memory, 0, 0, nullptr);
    ::BitBlt(target_, rect_.left, rect_.top, rect_.Width(), rect_.Height(), memory, 0, 0, SRCCOPY);
    if (oldFont_ != nullptr) ::SelectObject(memory, oldFont_);
    ::SelectObject(memory, oldBitmap_);
    ::DeleteDC(memory);
  }
  if (bitmap_ != nullptr) ::DeleteObject(bitmap_);
  if (window_ != nullptr) ::EndPaint(window_, &paint_);
}

}  // namespace Talvo
