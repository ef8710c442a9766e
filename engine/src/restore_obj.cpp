#include "engine/restore_obj.h"

#include "data_snapshot.h"
#include "undone_files.h"
#include "engine/messages.h"
#include "model/editor_window.h"
#include "model/xml_custom_scripts.h"

namespace Talvo {

TalvoDataRestoreObj::TalvoDataRestoreObj(std::uint16_t pageIndex, std::uint16_t subPageCode)
    : pageIndex_(pageIndex),
      subPageCode_(subPageCode),
      before_(std::make_unique<DataSnapshot>(DataSnapshot::Take(GetTalvo()))),
      undoneFiles_(std::make_unique<UndoneFiles>()) {}

TalvoDataRestoreObj::~TalvoDataRestoreObj() = default;

void TalvoDataRestoreObj::TakeAfter() {
  if (after_) return;
  after_ = std::make_unique<DataSnapshot>(DataSnapshot::Take(GetTalvo()));
  changedFiles_ = DataSnapshot::FilesChangedBetween(*before_, *after_);
}

void TalvoDataRestoreObj::EndHold() { TakeAfter(); }

void TalvoDataRestoreObj::Restore(int isUndo) {
  // A cancelled hold never reaches EndHold; its state after the step is not wanted.
  if (isUndo) TakeAfter();
  Talvo& root = GetTalvo();
  const UndoneFiles::Files heldBefore = UndoneFiles::DocumentFiles(root);
  const bool changed = before_->Apply(root, changedFiles_);
  // A document the step created leaves memory: a file a later save wrote for it must go too.
  if (isUndo) undoneFiles_->TakeAway(root, heldBefore);
  // A cancelled hold that changed nothing has nothing to show.
  if (isUndo || changed) NotifyEditor();
}

void TalvoDataRestoreObj::Redo() {
  if (!after_) return;
  after_->Apply(GetTalvo(), changedFiles_);
  undoneFiles_->PutBack(GetTalvo());
  NotifyEditor();
}

bool TalvoDataRestoreObj::DataChanged() const {
  return !before_->SameDocuments(DataSnapshot::Take(GetTalvo()));
}

int TalvoDataRestoreObj::Size() { return before_->Size() + (after_ ? after_->Size() : 0); }

void TalvoDataRestoreObj::NotifyEditor() const {
  // The script drop-downs list the custom scripts as they now are.
  RefreshScriptNames();
  if (HWND editor = EditorWindow()) SendMessageW(editor, TalvoDataChangedMessage, ChangeCode(), 0);
}

}  // namespace Talvo
