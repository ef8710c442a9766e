#include "engine/restore_obj.h"

#include "data_snapshot.h"
#include "engine/messages.h"
#include "model/editor_window.h"

namespace Talvo {

TalvoDataRestoreObj::TalvoDataRestoreObj(std::uint16_t pageIndex, std::uint16_t subPageCode)
    : pageIndex_(pageIndex),
      subPageCode_(subPageCode),
      before_(std::make_unique<DataSnapshot>(DataSnapshot::Take(GetTalvo()))) {}

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
  before_->Apply(GetTalvo(), changedFiles_);
  NotifyEditor();
}

void TalvoDataRestoreObj::Redo() {
  if (!after_) return;
  after_->Apply(GetTalvo(), changedFiles_);
  NotifyEditor();
}

int TalvoDataRestoreObj::Size() { return before_->Size() + (after_ ? after_->Size() : 0); }

void TalvoDataRestoreObj::NotifyEditor() const {
  if (HWND editor = EditorWindow()) SendMessageW(editor, TalvoDataChangedMessage, ChangeCode(), 0);
}

}  // namespace Talvo
