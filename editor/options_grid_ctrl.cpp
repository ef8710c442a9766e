#include "editor/options_grid_ctrl.h"

#include "engine/key_hooks.h"
#include "model/talvo.h"

namespace Talvo {

IMPLEMENT_DYNCREATE(OptionsGridCtrl, CTreeGridCtrl)

BEGIN_MESSAGE_MAP(OptionsGridCtrl, CTreeGridCtrl)
  ON_REGISTERED_MESSAGE(NEN_CHANGED, &OptionsGridCtrl::OnSpinValueChanged)
END_MESSAGE_MAP()

GridCellSpinEdit* OptionsGridCtrl::FindSpinCell(int row, int column, LPARAM editor) const {
  auto* cell = dynamic_cast<GridCellSpinEdit*>(GetCell(row, column));
  if (cell == nullptr || cell->GetSpinEdit() == nullptr) return nullptr;
  return reinterpret_cast<LPARAM>(cell->GetSpinEdit()) == editor ? cell : nullptr;
}

LRESULT OptionsGridCtrl::OnSpinValueChanged(WPARAM wParam, LPARAM lParam) {
  // The report is trusted only when it names one of this grid's spin cells with that very editor.
  GridCellSpinEdit* cell = FindSpinCell(static_cast<short>(LOWORD(wParam)), static_cast<short>(HIWORD(wParam)), lParam);
  if (cell == nullptr) return 0;
  cell->value = cell->GetSpinEdit()->GetIntValue();
  TapWindow = cell->value;
  if (XmlOptions* options = GetTalvo().GetOptions()) options->SetTapThreshold(cell->value);
  return 0;
}

}  // namespace Talvo
