// The host's character type and its wide string class.
#pragma once

#include <compare>
#include <cstddef>
#include <string>

using MCHAR = wchar_t;

// Literal of the host's character type.
#ifndef _M
#define _M(x) L##x
#endif

// The host's wide string: a thin value class over std::wstring with the host's member names.
class WStr {
 public:
  WStr() = default;
  WStr(const MCHAR* text) : text_(text ? text : L"") {}  // NOLINT: converts like the host's class
  WStr(const std::wstring& text) : text_(text) {}        // NOLINT
  WStr(std::wstring&& text) : text_(std::move(text)) {}  // NOLINT

  const MCHAR* data() const { return text_.c_str(); }
  int Length() const { return static_cast<int>(text_.size()); }
  // The host calls a string "null" when it holds no characters.
  bool isNull() const { return text_.empty(); }
  operator std::wstring() const { return text_; }  // NOLINT: converts like the host's class
  const std::wstring& str() const { return text_; }

  MCHAR operator[](int index) const {
    return index >= 0 && index < Length() ? text_[static_cast<std::size_t>(index)] : L'\0';
  }
  WStr& operator+=(const WStr& other) {
    text_ += other.text_;
    return *this;
  }
  friend WStr operator+(WStr left, const WStr& right) { return left += right; }
  // Formats like the host's printf: "%s" takes a wide string.
  WStr& printf(const MCHAR* format, ...);

  friend bool operator==(const WStr& a, const WStr& b) { return a.text_ == b.text_; }
  friend std::strong_ordering operator<=>(const WStr& a, const WStr& b) { return a.text_ <=> b.text_; }
  friend bool operator==(const WStr& a, const MCHAR* b) { return a.text_ == (b ? b : L""); }

 private:
  std::wstring text_;
};

using MSTR = WStr;
using TSTR = WStr;
