#include "engine/editor_shared_state.h"

namespace Talvo {

CaseClipboard& GetCaseClipboard() {
  static CaseClipboard clipboard;
  return clipboard;
}

CellMenuRecord& GetCellMenuRecord() {
  static CellMenuRecord record;
  return record;
}

void ResetEditorSharedState() {
  GetCaseClipboard() = CaseClipboard{};
  GetCellMenuRecord() = CellMenuRecord{};
}

}  // namespace Talvo
