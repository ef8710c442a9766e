// TalvoDataRestoreObj: the undo record of every editing step on profiles, functions and key
// assignments. It is put into the host's hold before the step changes anything: it copies the data as
// it was, and when the hold is accepted (or at the first undo) as it is after the step. Undo puts back
// the first copy and redo the second; files the step wrote or deleted are put back the same way, and so
// are the files that later saves wrote for documents the step created, so the disk agrees with what the
// editor shows. Then the editor window hears TalvoDataChangedMessage.
#pragma once

#include <max.h>

#include <cstdint>
#include <filesystem>
#include <memory>
#include <set>

namespace Talvo {

class DataSnapshot;
class UndoneFiles;

class TalvoDataRestoreObj : public RestoreObj {
 public:
  // The page index (0 profiles, 1 functions, 2 wheel events, 3 and up key-assignment pages) and the
  // sub-page code (the string id of the active sub-page's modifier, or 65535) travel with the change
  // message so the editor can show where the step happened.
  TalvoDataRestoreObj(std::uint16_t pageIndex, std::uint16_t subPageCode);
  ~TalvoDataRestoreObj() override;

  void Restore(int isUndo) override;
  void Redo() override;
  void EndHold() override;
  int Size() override;
  MSTR Description() override { return MSTR(_M("Quillon data")); }

  // True when the data differs from the copy taken before the step. A caller that cannot know beforehand
  // whether its step changes anything cancels the hold when it did not, so that no empty step is recorded.
  bool DataChanged() const;

  // wParam of TalvoDataChangedMessage.
  WPARAM ChangeCode() const { return (static_cast<WPARAM>(subPageCode_) << 16) | pageIndex_; }

 private:
  void TakeAfter();
  void NotifyEditor() const;

  std::uint16_t pageIndex_;
  std::uint16_t subPageCode_;
  std::unique_ptr<DataSnapshot> before_;
  std::unique_ptr<DataSnapshot> after_;
  std::set<std::filesystem::path> changedFiles_;  // written or deleted by the step
  std::unique_ptr<UndoneFiles> undoneFiles_;       // taken away by the last undo, for redo
};

}  // namespace Talvo
