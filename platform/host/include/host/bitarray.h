// A resizable array of bits, the host's selection set.
#pragma once

#include <vector>

class BitArray {
 public:
  BitArray() = default;
  explicit BitArray(int size) { SetSize(size); }

  int GetSize() const { return static_cast<int>(bits_.size()); }
  // Resizes; with save set the bits that remain keep their values, otherwise every bit is cleared.
  void SetSize(int size, int save = 0);
  // Out-of-range indices read as clear and are ignored when written.
  bool operator[](int i) const { return InRange(i) && bits_[static_cast<std::size_t>(i)]; }
  void Set(int i);
  void Set(int i, int value);
  void Clear(int i);
  void SetAll();
  int NumberSet() const;
  bool IsEmpty() const { return NumberSet() == 0; }
  bool AnyBitSet() const { return !IsEmpty(); }

  // Bitwise operations keep the left operand's size; missing bits of the right operand count as clear.
  BitArray& operator&=(const BitArray& other);
  BitArray& operator|=(const BitArray& other);
  BitArray& operator^=(const BitArray& other);
  BitArray operator&(const BitArray& other) const { return BitArray(*this) &= other; }
  BitArray operator|(const BitArray& other) const { return BitArray(*this) |= other; }
  BitArray operator^(const BitArray& other) const { return BitArray(*this) ^= other; }
  BitArray operator~() const;
  // Equal when the sizes and every bit agree.
  friend bool operator==(const BitArray&, const BitArray&) = default;

 private:
  bool InRange(int i) const { return i >= 0 && i < GetSize(); }
  std::vector<bool> bits_;
};
