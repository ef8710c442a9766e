#include "editor/options_editor_tab.h"

#include <algorithm>
#include <string>

#include "pagebase/no_verbosity.h"
#include "engine/key_hooks.h"
#include "grid/cell_state.h"
#include "model/string_table.h"
#include "model/talvo.h"
#include "resources/dialogs/options_editor_tab.h"

namespace Talvo {

namespace {

constexpr int kGridInset = 5;
// A check cell's margin: it makes the cell draw a full-size box, centred in the row's height.
constexpr UINT kCheckMargin = 14;
constexpr int kTapThresholdTitle = 264;
// The option that keeps its row empty: it is not switched from here.
constexpr const wchar_t* kUnlistedOption = L"learningoff";

}  // namespace

IMPLEMENT_DYNAMIC(OptionsEditorTab, OptionsTab)

BEGIN_MESSAGE_MAP(OptionsEditorTab, OptionsTab)
  ON_WM_SIZE()
  ON_WM_ERASEBKGND()
  ON_WM_CTLCOLOR()
  ON_MESSAGE(WM_GRID_CHECK_CHANGED, &OptionsEditorTab::OnCellChanged)
END_MESSAGE_MAP()

OptionsEditorTab::OptionsEditorTab(CWnd* pParentWnd) : OptionsTab(IDD_OPTIONS_EDITOR, pParentWnd) {
  RegisterOptionsEditorTabTemplate();
}

void OptionsEditorTab::DoDataExchange(CDataExchange* pDX) {
  OptionsTab::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_OPTIONS_GRID, grid_);
}

BOOL OptionsEditorTab::OnInitDialog() {
  OptionsTab::OnInitDialog();
  grid_.DeleteAllItems(TRUE);
  ReadHostLook();
  if (m_hWnd != nullptr && grid_.GetSafeHwnd() != nullptr) {
    grid_.SetFont(&font_, FALSE);
    FillGrid();
  }
  return TRUE;
}

void OptionsEditorTab::ReadHostLook() {
  look_.Read();
  CreateHostUIFont(font_);
}

BOOL OptionsEditorTab::PreTranslateMessage(MSG* pMsg) {
  const bool inside = pMsg->hwnd == m_hWnd || ::IsChild(m_hWnd, pMsg->hwnd);
  if (inside && pMsg->message == WM_KEYDOWN && (pMsg->wParam == VK_RETURN || pMsg->wParam == VK_ESCAPE)) return TRUE;
  return OptionsTab::PreTranslateMessage(pMsg);
}

void OptionsEditorTab::FillGrid() {
  if (grid_.GetSafeHwnd() == nullptr) return;
  filling_ = true;
  filled_ = false;
  grid_.SetRedraw(FALSE);
  grid_.DeleteAllItems(TRUE);

  if (auto* look = dynamic_cast<CGridDefaultCell*>(grid_.GetDefaultCell(FALSE, FALSE))) {
    look->SetHeight(kRowHeight);
    look->SetFormat(DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX);
    look->SetTextClr(look_.Text());
    look->SetBackClr(look_.Background());
  }
  grid_.SetGridBkColor(look_.Background());
  grid_.SetGridLineColor(look_.Line());
  grid_.SetColumnCount(2);
  SizeColumns();

  XmlOptions* options = GetTalvo().GetOptions();
  if (options != nullptr) options->AddOption(kOptionsGeneral, L"noverbosity", 0);
  const int count = options != nullptr ? options->Count(kOptionsGeneral) : 0;
  grid_.SetRowCount(count + 1);
  for (int row = 0; row < count; ++row) {
    const std::wstring name = options->GetOptionName(kOptionsGeneral, row);
    if (name == kUnlistedOption) continue;
    grid_.SetLabelText(row, 0, options->GetOptionTitle(kOptionsGeneral, row).c_str());
    grid_.SetCellType(row, 1, RUNTIME_CLASS(CTreeGridCellCheck));
    if (auto* check = dynamic_cast<CGridCellCheck*>(grid_.GetCell(row, 1))) {
      check->SetMargin(kCheckMargin);
      check->SetCheck(options->GetOption(kOptionsGeneral, name) == 1);
    }
  }

  const wchar_t* thresholdTitle = GetString(kTapThresholdTitle);
  grid_.SetLabelText(count, 0, thresholdTitle != nullptr ? thresholdTitle : L"");
  grid_.SetCellType(count, 1, RUNTIME_CLASS(GridCellSpinEdit));
  if (auto* threshold = dynamic_cast<GridCellSpinEdit*>(grid_.GetCell(count, 1))) {
    threshold->value = TapWindow;
    LOGFONTW logFont{};
    if (font_.GetLogFont(&logFont) != 0) threshold->SetFont(&logFont);
  }
  filled_ = true;
  filling_ = false;

  grid_.SetRedraw(TRUE, TRUE);
  EnsureThresholdEditor();
  grid_.PlaceCellEditors();
}

void OptionsEditorTab::EnsureThresholdEditor() {
  if (!filled_) return;
  auto* threshold = dynamic_cast<GridCellSpinEdit*>(grid_.GetCell(GetThresholdRow(), 1));
  if (threshold != nullptr && threshold->GetSpinEdit() == nullptr) threshold->CreateEditor();
}

void OptionsEditorTab::ResetTapThreshold() {
  TapWindow = kDefaultTapWindow;
  if (XmlOptions* options = GetTalvo().GetOptions()) options->SetTapThreshold(kDefaultTapWindow);
}

void OptionsEditorTab::ResetAndFill() {
  ResetTapThreshold();
  FillGrid();
}

void OptionsEditorTab::SizeColumns() {
  CRect client;
  grid_.GetClientRect(&client);
  // The two columns fill the client area exactly; one pixel more would bring up a horizontal scroll bar.
  const int titleWidth = client.Width() - kValueColumnWidth;
  if (titleWidth >= 0) grid_.SetColumnWidth(0, titleWidth);
  grid_.SetColumnWidth(1, kValueColumnWidth);
  grid_.ResetScrollBars();
  grid_.Refresh();
}

void OptionsEditorTab::OnSize(UINT nType, int cx, int cy) {
  OptionsTab::OnSize(nType, cx, cy);
  if (m_hWnd == nullptr || grid_.GetSafeHwnd() == nullptr) return;
  CRect client;
  GetClientRect(&client);
  if (client.IsRectEmpty()) return;
  client.DeflateRect(kGridInset, kGridInset);
  grid_.MoveWindow(client.left, client.top, std::max(client.Width(), 0), std::max(client.Height(), 0));
  if (grid_.GetColumnCount() < 2) return;
  SizeColumns();
  EnsureThresholdEditor();
  grid_.PlaceCellEditors();
}

BOOL OptionsEditorTab::OnEraseBkgnd(CDC* pDC) {
  look_.Erase(*this, pDC);
  return TRUE;
}

HBRUSH OptionsEditorTab::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor) {
  if (nCtlColor != CTLCOLOR_DLG) return OptionsTab::OnCtlColor(pDC, pWnd, nCtlColor);
  return static_cast<HBRUSH>(look_.BackgroundBrush().GetSafeHandle());
}

LRESULT OptionsEditorTab::OnCellChanged(WPARAM /*wParam*/, LPARAM lParam) {
  if (filling_) return 0;
  XmlOptions* options = GetTalvo().GetOptions();
  if (options == nullptr) return 0;
  // The cell is looked up among the grid's own check cells, so a stale or foreign pointer does nothing.
  for (int row = 0; row < grid_.GetRowCount(); ++row) {
    auto* check = dynamic_cast<CGridCellCheck*>(grid_.GetCell(row, 1));
    if (check == nullptr || reinterpret_cast<LPARAM>(check) != lParam) continue;
    const std::wstring name = options->GetOptionName(kOptionsGeneral, row);
    if (!name.empty()) options->SetOption(kOptionsGeneral, name, check->GetCheck() ? 1 : 0);
    ReadNoVerbosity();
    return 0;
  }
  return 0;
}

}  // namespace Talvo
