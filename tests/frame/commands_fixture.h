// Shared set-up of the editor window's command tests: a fresh host and documents, a stand-in editor window
// that routes its commands to the command target as the real one does, a page holding a case grid whose
// row 3 has a script drop-down in column 10, and a view of the pages that records what the commands ask
// of them.
#pragma once

#include <host/undo.h>

#include <string>
#include <vector>

#include "../editing/naming_dialogs_fixture.h"
#include "engine/editor_shared_state.h"
#include "engine/messages.h"
#include "frame/frame_commands.h"
#include "grid/grid_cell_editors.h"
#include "grid/grid_ctrl.h"
#include "model/editor_window.h"
#include "model/xml_custom_scripts.h"

namespace Talvo::testing {

// The pages as the commands see them: a current editor page of `input` at `level`, and a record of every
// request, one line each.
class RecordingView : public iCaseCommandView {
 public:
  std::wstring input;
  std::wstring level;
  const CGridCtrl* liveGrid = nullptr;
  std::function<void()> onNewFunction;
  std::vector<std::wstring> requests;

  bool HasEditorPage() const override { return true; }
  std::wstring GetPageInput() const override { return input; }
  std::wstring GetPageLevel() const override { return level; }
  std::uint16_t GetActiveSubPageCode() const override { return 65535; }
  void AddEditorPage(const std::wstring& name, const std::wstring& label) override {
    Note(L"page " + name + L"/" + label);
  }
  void RenameEditorPage(const std::wstring& name, const std::wstring& label) override {
    input = name;
    Note(L"rename " + name + L"/" + label);
  }
  void ShowPageLevel(const std::wstring& shown, bool, bool) override {
    level = shown;
    Note(L"level " + shown);
  }
  void RefreshPageGrid() override { Note(L"grid"); }
  void SendToPage(UINT message, WPARAM wParam, LPARAM lParam) override {
    Note((message == WM_SELECT_LEVEL ? L"select-level " : L"select-case " + std::to_wstring(wParam) + L" ") +
         std::to_wstring(lParam));
  }
  bool IsLiveGrid(const CGridCtrl* grid) const override { return grid != nullptr && grid == liveGrid; }
  void ShowPastedCase(const CGridCtrl*, int row) override { Note(L"pasted " + std::to_wstring(row)); }
  void ActivatePage(int index) override { Note(L"activate " + std::to_wstring(index)); }
  void RebuildAssignmentTabs() override { Note(L"rebuild"); }
  void CloseAssignmentPage(int key) override { Note(L"close " + std::to_wstring(key)); }
  void RefreshFunctionsPage() override { Note(L"refresh"); }
  void NewFunction() override {
    Note(L"new");
    if (onNewFunction) onNewFunction();
  }

 private:
  void Note(const std::wstring& request) { requests.push_back(request); }
};

// The editor window's command route: the command target first.
class CommandFrame : public CFrameWnd {
 public:
  explicit CommandFrame(FrameCommands& commands) : commands_(commands) {}
  BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override {
    return commands_.OnCmdMsg(nID, nCode, pExtra, pHandlerInfo) || CFrameWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
  }

 private:
  FrameCommands& commands_;
};

class CommandsTest : public NamingDialogTest {
 protected:
  static constexpr int kScriptRow = 3;
  static constexpr int kScriptColumn = 10;

  void SetUp() override {
    NamingDialogTest::SetUp();
    if (HasFatalFailure()) return;
    ResetEditorSharedState();
    frame_ = new CommandFrame(commands_);  // deletes itself with its window
    ASSERT_TRUE(frame_->Create(nullptr, L"Quillon Editor", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(60, 60, 1000, 700)));
    SetEditorWindow(frame_->m_hWnd);
    ASSERT_TRUE(page_.Create(AfxRegisterWndClass(0), L"", WS_CHILD | WS_VISIBLE, CRect(0, 30, 900, 600), frame_, 1));
    MakeGrid();
    scripts().AddScript(L"Bevel", L"polyop.bevel $ 1", bevelId_);
    RefreshScriptNames();
  }

  void TearDown() override {
    grid_.reset();
    if (::IsWindow(page_.m_hWnd)) page_.DestroyWindow();
    SetEditorWindow(nullptr);
    if (frame_ != nullptr && ::IsWindow(frame_->m_hWnd)) frame_->DestroyWindow();
    ResetEditorSharedState();
    winsim::ResetClipboard();
    NamingDialogTest::TearDown();
  }

  // A case grid with a script drop-down in the target cell, which the case clipboard names.
  void MakeGrid() {
    grid_ = std::make_unique<CGridCtrl>();
    ASSERT_TRUE(grid_->Create(CRect(0, 0, 880, 400), &page_, 2));
    grid_->SetColumnCount(kScriptColumn + 1);
    grid_->SetRowCount(kScriptRow + 1);
    for (int column = 0; column < kScriptColumn; ++column) grid_->SetColumnWidth(column, 20);
    grid_->SetColumnWidth(kScriptColumn, 200);
    grid_->SetRowHeight(kScriptRow, 30);
    grid_->SetCellType(kScriptRow, kScriptColumn, RUNTIME_CLASS(GridCellDropDown));
    DropDownCell()->listKind = kScriptListKind;
    grid_->PlaceCellEditors();
    ASSERT_NE(DropDown(), nullptr);
    view_.liveGrid = grid_.get();
    CaseClipboard& clip = GetCaseClipboard();
    clip.grid = grid_.get();
    clip.row = kScriptRow;
    clip.column = kScriptColumn;
  }

  GridCellDropDown* DropDownCell() const {
    return dynamic_cast<GridCellDropDown*>(grid_->GetCell(kScriptRow, kScriptColumn));
  }
  CellDropDown* DropDown() const { return DropDownCell()->GetDropDown(); }
  void Choose(const std::wstring& scriptId) {
    DropDownCell()->scriptId = scriptId;
    DropDownCell()->SyncEditor();
  }

  void Run(UINT command) { frame_->SendMessage(WM_COMMAND, command, 0); }
  bool Enabled(UINT command) {
    CCmdUI item;
    item.m_nID = command;
    item.DoUpdate(&commands_, FALSE);
    return item.m_bEnabled;
  }
  static int UndoSteps() { return theHold.UndoCount(); }
  static XmlCustomScripts& scripts() { return *GetTalvo().GetCustomScripts(); }

  RecordingView view_;
  FrameCommands commands_{view_};
  CommandFrame* frame_ = nullptr;
  CWnd page_;
  std::unique_ptr<CGridCtrl> grid_;
  std::wstring bevelId_;
};

}  // namespace Talvo::testing
