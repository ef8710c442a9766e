// Grid coordinates: one cell (CCellID) and a rectangle of cells (CCellRange). Both are plain values;
// -1 marks "none". Whether a coordinate lies inside a grid is the grid's question (CGridCtrl::IsValid).
#pragma once

#include <algorithm>

namespace Talvo {

class CCellID {
 public:
  // A cell coordinate; (-1, -1) is no cell.
  CCellID(int nRow = -1, int nCol = -1) : row(nRow), col(nCol) {}

  // Whether both parts are set (not whether the cell exists in a grid).
  bool IsValid() const { return row >= 0 && col >= 0; }
  bool operator==(const CCellID& other) const { return row == other.row && col == other.col; }
  bool operator!=(const CCellID& other) const { return !(*this == other); }

  int row;
  int col;
};

class CCellRange {
 public:
  // A range of cells from (minimum row, minimum column) to (maximum row, maximum column), inclusive.
  CCellRange(int nMinRow = -1, int nMinCol = -1, int nMaxRow = -1, int nMaxCol = -1) {
    Set(nMinRow, nMinCol, nMaxRow, nMaxCol);
  }

  // Sets all four bounds.
  void Set(int nMinRow = -1, int nMinCol = -1, int nMaxRow = -1, int nMaxCol = -1) {
    m_nMinRow = nMinRow;
    m_nMinCol = nMinCol;
    m_nMaxRow = nMaxRow;
    m_nMaxCol = nMaxCol;
  }

  // Whether every bound is set and the minima do not pass the maxima.
  bool IsValid() const {
    return m_nMinRow >= 0 && m_nMinCol >= 0 && m_nMaxRow >= 0 && m_nMaxCol >= 0 && m_nMinRow <= m_nMaxRow &&
           m_nMinCol <= m_nMaxCol;
  }
  // Whether the cell lies inside a valid range.
  bool InRange(int row, int col) const {
    return IsValid() && row >= m_nMinRow && row <= m_nMaxRow && col >= m_nMinCol && col <= m_nMaxCol;
  }
  bool InRange(const CCellID& cell) const { return InRange(cell.row, cell.col); }
  // Whether another range lies wholly inside this one.
  bool InRange(const CCellRange& other) const {
    return other.IsValid() && InRange(other.GetTopLeft()) && InRange(other.m_nMaxRow, other.m_nMaxCol);
  }

  // The first cell of the range.
  CCellID GetTopLeft() const { return CCellID(m_nMinRow, m_nMinCol); }
  // The overlap of two ranges; an invalid range when they do not overlap.
  CCellRange Intersect(const CCellRange& other) const {
    return CCellRange(std::max(m_nMinRow, other.m_nMinRow), std::max(m_nMinCol, other.m_nMinCol),
                      std::min(m_nMaxRow, other.m_nMaxRow), std::min(m_nMaxCol, other.m_nMaxCol));
  }
  // The number of rows and columns a valid range spans (0 for an invalid one).
  int GetRowSpan() const { return IsValid() ? m_nMaxRow - m_nMinRow + 1 : 0; }
  int GetColSpan() const { return IsValid() ? m_nMaxCol - m_nMinCol + 1 : 0; }
  // The number of cells a valid range holds.
  int Count() const { return GetRowSpan() * GetColSpan(); }

  int GetMinRow() const { return m_nMinRow; }
  int GetMinCol() const { return m_nMinCol; }
  int GetMaxRow() const { return m_nMaxRow; }
  int GetMaxCol() const { return m_nMaxCol; }
  void SetMinRow(int row) { m_nMinRow = row; }
  void SetMinCol(int col) { m_nMinCol = col; }
  void SetMaxRow(int row) { m_nMaxRow = row; }
  void SetMaxCol(int col) { m_nMaxCol = col; }

  bool operator==(const CCellRange& other) const {
    return m_nMinRow == other.m_nMinRow && m_nMinCol == other.m_nMinCol && m_nMaxRow == other.m_nMaxRow &&
           m_nMaxCol == other.m_nMaxCol;
  }
  bool operator!=(const CCellRange& other) const { return !(*this == other); }

 private:
  int m_nMinRow;
  int m_nMinCol;
  int m_nMaxRow;
  int m_nMaxCol;
};

}  // namespace Talvo
