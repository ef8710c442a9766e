#include "host/bitarray.h"

#include <algorithm>

void BitArray::SetSize(int size, int save) {
  size = std::max(size, 0);
  if (!save)
    bits_.assign(static_cast<std::size_t>(size), false);
  else
    bits_.resize(static_cast<std::size_t>(size), false);
}

void BitArray::Set(int i) {
  if (InRange(i)) bits_[static_cast<std::size_t>(i)] = true;
}

void BitArray::Set(int i, int value) {
  if (InRange(i)) bits_[static_cast<std::size_t>(i)] = value != 0;
}

void BitArray::Clear(int i) {
  if (InRange(i)) bits_[static_cast<std::size_t>(i)] = false;
}

void BitArray::SetAll() { std::fill(bits_.begin(), bits_.end(), true); }

int BitArray::NumberSet() const { return static_cast<int>(std::count(bits_.begin(), bits_.end(), true)); }

BitArray& BitArray::operator&=(const BitArray& other) {
  for (int i = 0; i < GetSize(); ++i)
    bits_[static_cast<std::size_t>(i)] = bits_[static_cast<std::size_t>(i)] && other[i];
  return *this;
}

BitArray& BitArray::operator|=(const BitArray& other) {
  for (int i = 0; i < GetSize(); ++i)
    bits_[static_cast<std::size_t>(i)] = bits_[static_cast<std::size_t>(i)] || other[i];
  return *this;
}

BitArray& BitArray::operator^=(const BitArray& other) {
  for (int i = 0; i < GetSize(); ++i)
    bits_[static_cast<std::size_t>(i)] = bits_[static_cast<std::size_t>(i)] != other[i];
  return *this;
}

BitArray BitArray::operator~() const {
  BitArray result(*this);
  result.bits_.flip();
  return result;
}
