#include "editing/classic_case_grid.h"

#include "model/modifiers.h"

namespace Talvo {

CaseGridPlan PlanClassicGrid(ExpandedCase expanded) {
  CaseGridPlan plan;
  plan.keyword = L"global";
  plan.expanded = expanded;
  const bool open = expanded.selection == 0;

  CaseRow root;
  root.caption = L" ";
  plan.rows.push_back(root);

  CaseRow count;
  count.kind = CaseRowKind::Count;
  count.parent = 0;
  count.caption = L"Global [Not context sensitive]";
  count.collapsed = !open;
  plan.rows.push_back(count);

  for (int group = 0; group < kModifierGroupCount; ++group) {
    const unsigned char byte = ModifierGroupByte(group);
    CaseRow header;
    header.kind = CaseRowKind::Group;
    header.parent = 1;
    header.caption = ModifierGroupPrefix(group) + L"Tap";
    header.modifiers = byte;
    header.collapsed = !(open && ModifiersEqual(byte, expanded.modifiers));
    plan.rows.push_back(header);

    CaseRow tap;
    tap.kind = CaseRowKind::Tap;
    tap.parent = static_cast<int>(plan.rows.size()) - 1;
    tap.caption = ModifierGroupPrefix(group) + L"Single Tap";
    tap.modifiers = byte;
    tap.press = 1;
    plan.rows.push_back(tap);
  }
  return plan;
}

}  // namespace Talvo
