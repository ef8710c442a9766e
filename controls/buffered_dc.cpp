#include "controls/buffered_dc.h"

#include <vector>

namespace Talvo {

namespace {

// Off-screen bitmaps kept between paints on one thread, so that a window painted again (or another of
// the same size) reuses its bitmap instead of making and zero-filling a new one each time. Only small
// bitmaps are kept, and only a few.
class SpareBitmaps {
 public:
  SpareBitmaps() = default;
  SpareBitmaps(const SpareBitmaps&) = delete;
  SpareBitmaps& operator=(const SpareBitmaps&) = delete;
  ~SpareBitmaps() {
    for (const Spare& spare : spares_) ::DeleteObject(spare.bitmap);
  }

  // A kept bitmap of exactly that size (taken out of the pool), or null.
  HBITMAP Take(int width, int height) {
    for (auto it = spares_.rbegin(); it != spares_.rend(); ++it) {
      if (it->width == width && it->height == height) {
        const HBITMAP bitmap = it->bitmap;
        spares_.erase(std::next(it).base());
        return bitmap;
      }
    }
    return nullptr;
  }

  // Keeps a bitmap that is no longer selected anywhere, or deletes it when it is too large; the oldest
  // kept one goes when the pool is full.
  void Give(HBITMAP bitmap, int width, int height) {
    if (static_cast<long long>(width) * height > kLargestKeptArea) {
      ::DeleteObject(bitmap);
      return;
    }
    if (spares_.size() == kMostKept) {
      ::DeleteObject(spares_.front().bitmap);
      spares_.erase(spares_.begin());
    }
    spares_.push_back(Spare{bitmap, width, height});
  }

 private:
  static constexpr long long kLargestKeptArea = 640 * 480;
  static constexpr size_t kMostKept = 8;
  struct Spare {
    HBITMAP bitmap;
    int width;
    int height;
  };
  std::vector<Spare> spares_;  // the most recently kept last
};

SpareBitmaps& Spares() {
  thread_local SpareBitmaps spares;
  return spares;
}

}  // namespace

BufferedDC::BufferedDC(CWnd* window, const CRect& rect, Start start) : rect_(rect) {
  if (window == nullptr || !::IsWindow(window->m_hWnd)) return;
  window_ = window->m_hWnd;
  target_ = ::BeginPaint(window_, &paint_);
  CreateBuffer(reinterpret_cast<HFONT>(::SendMessageW(window_, WM_GETFONT, 0, 0)), start);
}

BufferedDC::BufferedDC(CDC* target, const CRect& rect) : rect_(rect) {
  if (target == nullptr || target->m_hDC == nullptr) return;
  target_ = target->m_hDC;
  CreateBuffer(static_cast<HFONT>(::GetCurrentObject(target_, OBJ_FONT)), Start::Black);
}

void BufferedDC::CreateBuffer(HFONT font, Start start) {
  if (target_ == nullptr || rect_.IsRectEmpty()) return;
  HDC memory = ::CreateCompatibleDC(target_);
  bool reused = false;
  if (memory != nullptr) {
    // A kept bitmap whose handle went stale (the display was reset) cannot be selected; a new one is made.
    if (HBITMAP spare = Spares().Take(rect_.Width(), rect_.Height())) {
      oldBitmap_ = ::SelectObject(memory, spare);
      if (oldBitmap_ != nullptr) {
        bitmap_ = spare;
        reused = true;
      } else {
        ::DeleteObject(spare);
      }
    }
    if (!reused) bitmap_ = ::CreateCompatibleBitmap(target_, rect_.Width(), rect_.Height());
  }
  if (memory == nullptr || bitmap_ == nullptr) {
    if (memory != nullptr) ::DeleteDC(memory);
    m_hDC = m_hAttribDC = target_;
    borrowed_ = true;
    return;
  }
  if (!reused) oldBitmap_ = ::SelectObject(memory, bitmap_);
  if (font != nullptr) oldFont_ = ::SelectObject(memory, font);
  // Callers draw in the target's coordinates; the buffer's origin is the rectangle's corner.
  ::SetWindowOrgEx(memory, rect_.left, rect_.top, nullptr);
  // A reused bitmap starts black, as a new one does, unless the caller paints over all of it.
  if (reused && start == Start::Black) ::FillRect(memory, &rect_, static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH)));
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
  if (bitmap_ != nullptr) Spares().Give(bitmap_, rect_.Width(), rect_.Height());
  if (window_ != nullptr) ::EndPaint(window_, &paint_);
}

}  // namespace Talvo
