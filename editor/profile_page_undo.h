// One host undo step of a profiles-page or key-assignment-page command. Opening the step puts the undo
// record (which copies the data as it is); Accept closes it with its label. A step that is left without
// Accept (the command was cancelled or failed) is cancelled, so it leaves no entry and no change.
#pragma once

#include <cstdint>
#include <string>

namespace Talvo {

class PageUndoStep {
 public:
  PageUndoStep(std::uint16_t pageIndex, std::uint16_t subPageCode);
  ~PageUndoStep();
  PageUndoStep(const PageUndoStep&) = delete;
  PageUndoStep& operator=(const PageUndoStep&) = delete;

  void Accept(const std::wstring& label);

 private:
  bool open_ = true;
};

// The text of a string-table entry, empty when the table lacks it.
std::wstring StringText(int id);

}  // namespace Talvo
