// Where a row of a function editor's case grid sits in the grid's layout. The grid is a column of case
// blocks, one per selection count; a block opens with its own row, then holds one group per keyboard
// modifier: the group's row followed by its tap rows (tap count 1, 2, ...). Large grids (more than 17 rows
// below the first) have blocks of 41 rows and groups of 5; smaller ones have one block and groups of 2.
#pragma once

namespace Talvo {

struct CaseRowPosition {
  int selectionCount = -1;       // which block (selection count 0, 1, 2, 3)
  int blockRow = -1;             // the row inside its block; 0 is the block's own row
  unsigned group = 0;            // the modifier group; wraps for a block's own row
  unsigned press = 0;            // the position inside the group; 0 is the group's own row, then tap counts
  unsigned char modifierByte = 3;  // the modifier byte of the group
  // Whether the row holds a case: a tap row of a modifier group.
  bool IsTapRow() const { return blockRow >= 1 && press >= 1; }
};

// The position of a row (>= 1) in a grid of rowCount rows; selectionCount -1 when the row holds no case.
CaseRowPosition LocateCaseRow(int row, int rowCount);
// The modifier byte of a modifier group: no modifier, Shift, Ctrl, Alt, Shift+Ctrl, Shift+Alt, Ctrl+Alt, all
// three; 3 (no modifier) for any other group.
unsigned char GroupModifierByte(unsigned group);

}  // namespace Talvo
