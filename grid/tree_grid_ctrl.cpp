// The tree grid: its nodes and their rows, expanding and collapsing by row heights, hiding rows for good,
// the lookups between rows, nodes and tree cells, and emptying the tree.
#include "grid/tree_grid_ctrl.h"

#include <algorithm>

#include "controls/visual_manager.h"

namespace Talvo {

IMPLEMENT_DYNCREATE(CTreeGridCtrl, CGridCtrl)

BEGIN_MESSAGE_MAP(CTreeGridCtrl, CGridCtrl)
  ON_WM_LBUTTONDOWN()
  ON_WM_LBUTTONUP()
  ON_WM_LBUTTONDBLCLK()
END_MESSAGE_MAP()

CTreeGridCtrl::CTreeGridCtrl()
    : m_crVertLine(HostColor(kControlText)), m_crConnector(HostColor(kControlText)), m_crHostLine(m_crVertLine) {
  m_Root.m_nLevel = -1;
  SetDefaultCellType(RUNTIME_CLASS(CTreeGridCell));
}

// The nodes go with their owning list; the base class then deletes the cells, which never look at nodes.
CTreeGridCtrl::~CTreeGridCtrl() = default;

// ---- Lookups ---------------------------------------------------------------------------------------------

CTreeNode* CTreeGridCtrl::GetRowNode(int nRow) const {
  const CTreeCell* cell = AsTreeCell(GetCell(nRow, m_nTreeColumn));
  return cell != nullptr ? cell->GetNode() : nullptr;
}

CGridCellBase* CTreeGridCtrl::FindItem(const CTreeNode* pNode) const {
  if (pNode == nullptr || pNode->m_pRowCells == nullptr) return nullptr;
  const GRID_ROW& cells = *pNode->m_pRowCells;
  if (m_nTreeColumn < 0 || static_cast<size_t>(m_nTreeColumn) >= cells.size()) return nullptr;
  CGridCellBase* cell = cells[static_cast<size_t>(m_nTreeColumn)];
  return AsTreeCell(cell) != nullptr ? cell : nullptr;
}

int CTreeGridCtrl::GetNodeRow(const CTreeNode* pNode) const {
  if (pNode == nullptr || pNode->m_pRowCells == nullptr) return GetFixedRowCount() - 1;
  if (m_bRowsFromCells) {
    if (const CTreeCell* cell = AsTreeCell(FindItem(pNode))) return cell->GetTreeRow();
  }
  return FindRowArray(pNode->m_pRowCells);
}

int CTreeGridCtrl::LastSubtreeRow(CTreeNode* pNode) const {
  while (pNode->HasChildren()) pNode = pNode->m_Children.back();
  return GetNodeRow(pNode);
}

// ---- Inserting -------------------------------------------------------------------------------------------

CTreeNode* CTreeGridCtrl::InsertItem(LPCWSTR text, CTreeNode* pParent) {
  int row = -1;
  CTreeNode* node = InsertNode(pParent, &row);
  if (row >= 0) SetItemText(row, m_nTreeColumn, text);
  Refresh();
  return node;
}

CTreeNode* CTreeGridCtrl::InsertNode(CTreeNode* pParent, int* pRow) {
  CTreeNode* parent = pParent != nullptr ? pParent : &m_Root;
  m_Nodes.push_back(std::make_unique<CTreeNode>());
  CTreeNode* node = m_Nodes.back().get();
  node->m_pParent = parent;
  int row;
  if (parent->HasChildren()) {
    CTreeNode* last = parent->m_Children.back();
    node->m_pPrev = last;
    last->m_pNext = node;
    row = LastSubtreeRow(last) + 1;
  } else {
    row = GetNodeRow(parent) + 1;
  }
  node->m_nLevel = static_cast<short>(parent->m_nLevel + 1);
  parent->m_Children.push_back(node);
  if (GetRowCount() <= GetFixedRowCount()) row = GetFixedRowCount();

  const int made = InsertRow(row);
  if (made < 0) {
    // No row: the node goes again, leaving its parent and siblings as they were.
    parent->m_Children.pop_back();
    if (node->m_pPrev != nullptr) node->m_pPrev->m_pNext = nullptr;
    FreeNode(node);
    if (pRow != nullptr) *pRow = -1;
    return nullptr;
  }

  node->m_pRowCells = GetRowArray(made);
  for (CGridCellBase* cell : *node->m_pRowCells) {
    if (CTreeCell* treeCell = AsTreeCell(cell)) treeCell->SetNode(node);
  }
  if (CTreeCell* treeCell = AsTreeCell(FindItem(node))) treeCell->SetLevel(node->m_nLevel);
  if (made == row && (parent->m_nFlags & (CTreeNode::kCollapsed | CTreeNode::kRowHidden)) != 0) {
    ShowNodeRow(node, made, FALSE);
  }
  if (pRow != nullptr) *pRow = made;
  return node;
}

CGridCellBase* CTreeGridCtrl::CreateCell(int nRow, int nCol) {
  if (m_pTreeCellClass == nullptr || nCol != m_nTreeColumn || nRow < GetFixedRowCount()) {
    return CGridCtrl::CreateCell(nRow, nCol);
  }
  CRuntimeClass* const defaultClass = m_pRtcDefault;
  m_pRtcDefault = m_pTreeCellClass;
  CGridCellBase* cell = CGridCtrl::CreateCell(nRow, nCol);
  m_pRtcDefault = defaultClass;
  return cell;
}

// ---- Expanding, collapsing and hiding --------------------------------------------------------------------

namespace {

// Whether the node shows its children: its tree cell's state, or the node's own flag without a cell.
bool IsNodeExpanded(const CTreeNode* node, const CGridCellBase* cell) {
  if (cell != nullptr) return (cell->GetState() & GVIS_EXPANDED) != 0;
  return (node->m_nFlags & CTreeNode::kCollapsed) == 0;
}

}  // namespace

BOOL CTreeGridCtrl::Expand(CTreeNode* pNode) {
  CGridCellBase* cell = FindItem(pNode);
  if (cell == nullptr) return FALSE;
  const BOOL callerAllowsDraw = m_bAllowDraw;
  m_bAllowDraw = FALSE;
  cell->SetState((cell->GetState() & ~GVIS_COLLAPSED) | GVIS_EXPANDED);
  pNode->m_nFlags &= static_cast<WORD>(~CTreeNode::kCollapsed);
  ShowSubtreeRows(pNode, TRUE);
  EndRowChanges(callerAllowsDraw);
  return TRUE;
}

BOOL CTreeGridCtrl::Collapse(CTreeNode* pNode) {
  CGridCellBase* cell = FindItem(pNode);
  if (cell == nullptr) return FALSE;
  const BOOL callerAllowsDraw = m_bAllowDraw;
  m_bAllowDraw = FALSE;
  cell->SetState((cell->GetState() & ~GVIS_EXPANDED) | GVIS_COLLAPSED);
  pNode->m_nFlags |= CTreeNode::kCollapsed;
  ShowSubtreeRows(pNode, FALSE);
  EndRowChanges(callerAllowsDraw);
  return TRUE;
}

void CTreeGridCtrl::EndRowChanges(BOOL bCallerAllowsDraw) {
  // Drawing goes back to what the caller had: a page that switched it off for a refill keeps it off, and
  // the scroll bars are then reset once when the page switches drawing on. The cell editors stay where
  // they are; whoever expands or collapses re-places them (as a click does).
  m_bAllowDraw = bCallerAllowsDraw;
  if (!m_bAllowDraw) return;
  ResetScrollBars();
  Refresh();
}

void CTreeGridCtrl::ShowSubtreeRows(CTreeNode* pNode, BOOL bShow) {
  const bool expanded = IsNodeExpanded(pNode, FindItem(pNode));
  for (CTreeNode* child : pNode->m_Children) {
    const CGridCellBase* childCell = FindItem(child);
    if (childCell != nullptr && (childCell->GetState() & GVIS_ROWHIDDEN) != 0) continue;
    const int row = GetNodeRow(child);
    if (bShow) {
      if (!expanded) continue;
      ShowSubtreeRows(child, TRUE);
      ShowNodeRow(child, row, TRUE);
    } else {
      ShowSubtreeRows(child, FALSE);
      if (GetRowHeight(row) > 0) ShowNodeRow(child, row, FALSE);
    }
  }
}

void CTreeGridCtrl::ShowNodeRow(CTreeNode* pNode, int nRow, BOOL bShow) {
  const int height = GetRowHeight(nRow);  // -1 outside the grid
  if (!bShow) {
    // A row already at height 0 keeps the height remembered for it before.
    const auto known = m_HiddenRowHeights.find(pNode);
    if (height != 0 || known == m_HiddenRowHeights.end()) m_HiddenRowHeights[pNode] = height;
    SetRowHeight(nRow, 0);
    ResetScrollBars();
    if (pNode != nullptr) pNode->m_nFlags |= CTreeNode::kRowHidden;
    return;
  }
  const auto remembered = m_HiddenRowHeights.find(pNode);
  if (height == 0 && remembered != m_HiddenRowHeights.end() && remembered->second >= 0) {
    SetRowHeight(nRow, remembered->second);
    ResetScrollBars();
    m_HiddenRowHeights.erase(remembered);
  }
  if (pNode != nullptr) pNode->m_nFlags &= static_cast<WORD>(~CTreeNode::kRowHidden);
}

BOOL CTreeGridCtrl::HideRow(int nRow) {
  CGridCellBase* cell = GetCell(nRow, m_nTreeColumn);
  CTreeCell* treeCell = AsTreeCell(cell);
  if (treeCell == nullptr) return FALSE;
  cell->SetState(cell->GetState() | GVIS_ROWHIDDEN);
  CTreeNode* node = treeCell->GetNode();
  ShowNodeRow(node, nRow, FALSE);
  if (node != nullptr) ShowSubtreeRows(node, FALSE);
  return TRUE;
}

// ---- Emptying --------------------------------------------------------------------------------------------

BOOL CTreeGridCtrl::DeleteAllItems(BOOL bDeleteEditors) {
  const BOOL callerAllowsDraw = m_bAllowDraw;
  m_bAllowDraw = FALSE;
  const BOOL result = CGridCtrl::DeleteAllItems(bDeleteEditors);
  m_Root.m_Children.clear();
  m_HiddenRowHeights.clear();
  // The nodes go in the order they were made, each a heap block of its own: asking for the ones a few places
  // ahead lets the waits for a large tree's nodes overlap.
  constexpr size_t kNodesAhead = 8;
  for (size_t index = 0; index < m_Nodes.size(); ++index) {
    if (index + kNodesAhead < m_Nodes.size()) __builtin_prefetch(m_Nodes[index + kNodesAhead].get());
    m_Nodes[index].reset();
  }
  m_Nodes.clear();
  EndRowChanges(callerAllowsDraw);
  return result;
}

void CTreeGridCtrl::OnDeletingRow(int nRow) {
  const GRID_ROW* cells = GetRowArray(nRow);
  const auto owned = std::find_if(m_Nodes.begin(), m_Nodes.end(), [cells](const std::unique_ptr<CTreeNode>& node) {
    return node->m_pRowCells == cells;
  });
  if (cells == nullptr || owned == m_Nodes.end()) return;
  CTreeNode* node = owned->get();
  CTreeNode* parent = node->m_pParent != nullptr ? node->m_pParent : &m_Root;
  // The children move up into the node's place, in order, keeping their rows.
  for (CTreeNode* child : node->m_Children) child->m_pParent = parent;
  if (!node->m_Children.empty()) {
    node->m_Children.front()->m_pPrev = node->m_pPrev;
    node->m_Children.back()->m_pNext = node->m_pNext;
  }
  CTreeNode* const before = node->m_Children.empty() ? node->m_pPrev : node->m_Children.back();
  CTreeNode* const after = node->m_Children.empty() ? node->m_pNext : node->m_Children.front();
  if (node->m_pPrev != nullptr) node->m_pPrev->m_pNext = after;
  if (node->m_pNext != nullptr) node->m_pNext->m_pPrev = before;
  auto& siblings = parent->m_Children;
  const auto place = std::find(siblings.begin(), siblings.end(), node);
  if (place != siblings.end()) {
    const auto at = siblings.erase(place);
    siblings.insert(at, node->m_Children.begin(), node->m_Children.end());
  }
  m_HiddenRowHeights.erase(node);
  m_Nodes.erase(owned);
}

void CTreeGridCtrl::FreeNode(CTreeNode* pNode) {
  for (CTreeNode* child : pNode->m_Children) FreeNode(child);
  m_HiddenRowHeights.erase(pNode);
  std::erase_if(m_Nodes, [pNode](const std::unique_ptr<CTreeNode>& owned) { return owned.get() == pNode; });
}

// ---- Slots the tree grid keeps -------------------------------------------------------------------------

void CTreeGridCtrl::SortNodes(CTreeNode* /*pNode*/) {}

BOOL CTreeGridCtrl::SortItems(PFNLVCOMPARE /*pfnCompare*/, int /*nCol*/, BOOL /*bAscending*/, LPARAM /*data*/) {
  return FALSE;
}

BOOL CTreeGridCtrl::SortItems(int /*nCol*/, BOOL /*bAscending*/, LPARAM /*data*/) { return FALSE; }

BOOL CTreeGridCtrl::SortTextItems(int /*nCol*/, BOOL /*bAscending*/, LPARAM /*data*/) { return FALSE; }

void CTreeGridCtrl::FollowHostLineColour() {
  const COLORREF host = HostColor(kControlText);
  if (host == m_crHostLine) return;
  if (m_crVertLine == m_crHostLine) m_crVertLine = host;
  if (m_crConnector == m_crHostLine) m_crConnector = host;
  m_crHostLine = host;
}

void CTreeGridCtrl::OnDraw(CDC* pDC) {
  FollowHostLineColour();
  // One pair of tree-line pens serves every tree cell of the paint.
  const TreeLinePens pens(m_crConnector, m_crVertLine);
  m_pPaintPens = &pens;
  CGridCtrl::OnDraw(pDC);
  m_pPaintPens = nullptr;
}

BOOL CTreeGridCtrl::CanClipRows() const { return FALSE; }

}  // namespace Talvo
