#include "editor/profile_page_undo.h"

#include <host/undo.h>

#include "engine/restore_obj.h"
#include "model/string_table.h"

namespace Talvo {

PageUndoStep::PageUndoStep(std::uint16_t pageIndex, std::uint16_t subPageCode) {
  theHold.Begin();
  theHold.Put(new TalvoDataRestoreObj(pageIndex, subPageCode));
}

PageUndoStep::~PageUndoStep() {
  if (open_) theHold.Cancel();
}

void PageUndoStep::Accept(const std::wstring& label) {
  if (!open_) return;
  open_ = false;
  theHold.Accept(label.c_str());
}

std::wstring StringText(int id) {
  const wchar_t* text = GetString(id);
  return text != nullptr ? text : L"";
}

}  // namespace Talvo
