// The host's undo system: records collected in a hold become one undo step when the hold is accepted.
#pragma once

#include <memory>
#include <vector>

#include "host/strings.h"

// One piece of undo data. The undo system owns the record once it is put into the hold.
class RestoreObj {
 public:
  virtual ~RestoreObj() = default;
  // Puts the state back to before the change; isUndo is 1 for an undo step, 0 when a hold is cancelled.
  virtual void Restore(int isUndo) = 0;
  // Applies the change again.
  virtual void Redo() = 0;
  // Approximate memory size in bytes.
  virtual int Size() { return 1; }
  // Called when the hold that holds the record is accepted.
  virtual void EndHold() {}
  virtual MSTR Description() { return MSTR(_M("---")); }
};

// The hold: Begin opens it (holds nest), Put adds records, Accept closes it into an undo step with a
// label and Cancel restores and discards what was put since the matching Begin.
class Hold {
 public:
  Hold() = default;
  Hold(const Hold&) = delete;
  Hold& operator=(const Hold&) = delete;
  ~Hold();

  void Begin();
  // Records put while no hold is open (or while suspended) are deleted at once.
  void Put(RestoreObj* record);
  // Closes the innermost hold; the outermost Accept makes an undo step when records were put.
  // Accept without Begin does nothing.
  void Accept(const MCHAR* label);
  // Restores (Restore(0), newest first) and deletes the records put since the matching Begin, and closes it.
  void Cancel();
  // Restores the records of the open hold (Restore(0), newest first); they stay in the hold.
  void Restore();
  // Deletes the records of the open hold without restoring them; the hold stays open.
  void Release();
  // True while a hold is open and not suspended.
  int Holding() const;
  void Suspend() { ++suspended_; }
  void Resume() {
    if (suspended_ > 0) --suspended_;
  }

  // The undo stack, driven by the host's undo and redo commands.
  bool Undo();
  bool Redo();
  int UndoCount() const { return cursor_; }
  // Labels of the steps that undo (newest first) and redo (next first) would take.
  std::vector<MSTR> UndoLabels() const;
  std::vector<MSTR> RedoLabels() const;
  // Drops every step and any open hold, deleting the records.
  void Clear();

 private:
  struct Step {
    MSTR label;
    std::vector<std::unique_ptr<RestoreObj>> records;
  };
  void DeleteFrom(std::size_t first);

  std::vector<std::unique_ptr<RestoreObj>> pending_;
  std::vector<std::size_t> marks_;  // pending_ size at each open Begin
  int suspended_ = 0;
  std::vector<Step> steps_;
  int cursor_ = 0;  // steps below the cursor can be undone, the others redone
};

extern Hold theHold;
