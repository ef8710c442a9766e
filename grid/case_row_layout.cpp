#include "grid/case_row_layout.h"

#include <array>

namespace Talvo {

namespace {

// Grids with more rows than this below the first use the large layout.
constexpr int kSmallLayoutRows = 17;
constexpr int kLargeBlockRows = 41;
constexpr unsigned kLargeGroupRows = 5;
constexpr unsigned kSmallGroupRows = 2;

}  // namespace

unsigned char GroupModifierByte(unsigned group) {
  static constexpr std::array<unsigned char, 8> kBytes = {3, 7, 11, 19, 15, 23, 27, 31};
  return group < kBytes.size() ? kBytes[group] : 3;
}

CaseRowPosition LocateCaseRow(int row, int rowCount) {
  CaseRowPosition position;
  const int rowsBelowFirst = rowCount - 1;
  const bool large = rowsBelowFirst > kSmallLayoutRows;
  const int blockRows = large ? kLargeBlockRows : rowsBelowFirst;
  const unsigned groupRows = large ? kLargeGroupRows : kSmallGroupRows;
  if (row < 1 || row >= rowCount || blockRows < 1) return position;

  position.selectionCount = (row - 1) / blockRows;
  position.blockRow = (row - 1) % blockRows;
  // A block's own row has no group: the unsigned arithmetic wraps there, and IsTapRow rejects it.
  const unsigned inBlock = static_cast<unsigned>(position.blockRow) - 1U;
  position.group = inBlock / groupRows;
  position.press = inBlock % groupRows;
  position.modifierByte = GroupModifierByte(position.group);
  return position;
}

}  // namespace Talvo
