#include "host/undo.h"

Hold theHold;

Hold::~Hold() { Clear(); }

void Hold::Begin() { marks_.push_back(pending_.size()); }

void Hold::Put(RestoreObj* record) {
  if (!record) return;
  if (!Holding()) {
    delete record;
    return;
  }
  pending_.emplace_back(record);
}

void Hold::Accept(const MCHAR* label) {
  if (marks_.empty()) return;
  marks_.pop_back();
  if (!marks_.empty() || pending_.empty()) return;
  for (auto& record : pending_) record->EndHold();
  // A new step cuts off the steps that could have been redone.
  steps_.erase(steps_.begin() + cursor_, steps_.end());
  steps_.push_back(Step{MSTR(label), std::move(pending_)});
  pending_.clear();
  cursor_ = static_cast<int>(steps_.size());
}

void Hold::Cancel() {
  if (marks_.empty()) return;
  const std::size_t mark = marks_.back();
  marks_.pop_back();
  for (std::size_t i = pending_.size(); i > mark; --i) pending_[i - 1]->Restore(0);
  DeleteFrom(mark);
}

void Hold::Restore() {
  if (marks_.empty()) return;
  for (std::size_t i = pending_.size(); i > marks_.back(); --i) pending_[i - 1]->Restore(0);
}

void Hold::Release() {
  if (marks_.empty()) return;
  DeleteFrom(marks_.back());
}

int Hold::Holding() const { return !marks_.empty() && suspended_ == 0; }

void Hold::DeleteFrom(std::size_t first) {
  pending_.erase(pending_.begin() + static_cast<long>(first), pending_.end());
}

bool Hold::Undo() {
  if (!marks_.empty() || cursor_ == 0) return false;
  Step& step = steps_[static_cast<std::size_t>(--cursor_)];
  // Records restoring themselves may not add new undo data.
  Suspend();
  for (auto it = step.records.rbegin(); it != step.records.rend(); ++it) (*it)->Restore(1);
  Resume();
  return true;
}

bool Hold::Redo() {
  if (!marks_.empty() || cursor_ == static_cast<int>(steps_.size())) return false;
  Step& step = steps_[static_cast<std::size_t>(cursor_++)];
  Suspend();
  for (auto& record : step.records) record->Redo();
  Resume();
  return true;
}

std::vector<MSTR> Hold::UndoLabels() const {
  std::vector<MSTR> labels;
  for (int i = cursor_; i > 0; --i) labels.push_back(steps_[static_cast<std::size_t>(i - 1)].label);
  return labels;
}

std::vector<MSTR> Hold::RedoLabels() const {
  std::vector<MSTR> labels;
  for (std::size_t i = static_cast<std::size_t>(cursor_); i < steps_.size(); ++i) labels.push_back(steps_[i].label);
  return labels;
}

void Hold::Clear() {
  pending_.clear();
  marks_.clear();
  suspended_ = 0;
  steps_.clear();
  cursor_ = 0;
}
