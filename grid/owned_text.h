// OwnedText: a cell's text in one pointer. A grid keeps a text in nearly every cell of rows counted in the
// tens of thousands; a standard wide string takes four pointers in the cell and still puts texts of more than
// three characters on the heap, so the cell keeps only its own heap copy (none for an empty text).
#pragma once

#include <windows.h>

#include <cwchar>
#include <memory>
#include <utility>

namespace Talvo {

class OwnedText {
 public:
  OwnedText() = default;
  OwnedText(const OwnedText&) = delete;
  OwnedText& operator=(const OwnedText&) = delete;

  // Copies the text; null or empty frees the copy. The text may point into this one's own.
  void Assign(LPCWSTR text) {
    const size_t length = text != nullptr ? std::wcslen(text) : 0;
    if (length == 0) {
      text_.reset();
      return;
    }
    auto copy = std::make_unique_for_overwrite<wchar_t[]>(length + 1);
    std::wmemcpy(copy.get(), text, length + 1);
    text_ = std::move(copy);
  }
  void Clear() { text_.reset(); }

  // Never null: an empty text reads as "".
  LPCWSTR Get() const { return text_ != nullptr ? text_.get() : L""; }

 private:
  std::unique_ptr<wchar_t[]> text_;  // null for the empty text
};

}  // namespace Talvo
