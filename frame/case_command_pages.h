// FramePagesView: the case commands' view of the editor window's real pages, reached through the page
// strip of the registered editor window: the functions page (index 1) with its function editor strip, whose
// active case page is the current editor page, and the key-assignment pages.
#pragma once

#include "frame/case_command_view.h"

namespace Talvo {

class FunctionEditorTab;
class FunctionEditorTabs;
class FunctionsTab;

class FramePagesView : public iCaseCommandView {
 public:
  bool HasEditorPage() const override { return CurrentEditorPage() != nullptr; }
  std::wstring GetPageInput() const override;
  std::wstring GetPageLevel() const override;
  std::uint16_t GetActiveSubPageCode() const override;
  void AddEditorPage(const std::wstring& input, const std::wstring& label) override;
  void RenameEditorPage(const std::wstring& input, const std::wstring& label) override;
  void ShowPageLevel(const std::wstring& level, bool resetExpanded, bool rebuildLevels) override;
  void RefreshPageGrid() override;
  void SendToPage(UINT message, WPARAM wParam, LPARAM lParam) override;
  bool IsLiveGrid(const CGridCtrl* grid) const override;
  void ShowPastedCase(const CGridCtrl* grid, int row) override;
  void ActivatePage(int index) override;
  void RebuildAssignmentTabs() override;
  void CloseAssignmentPage(int key) override;
  void RefreshFunctionsPage() override;
  void NewFunction() override;

 private:
  static FunctionsTab* FunctionsPage();
  // The function editor strip when it has a window, else null.
  static FunctionEditorTabs* EditorStrip();
  // The active case page of the editor strip while the functions page is the active page, else null.
  static FunctionEditorTab* CurrentEditorPage();
};

}  // namespace Talvo
