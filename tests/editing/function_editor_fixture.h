// Shared set-up of the function editor and viewer tests: the naming-dialog environment with the host's
// standard actions, a top-level window that holds one function editor page, the editor's tab strip or the
// viewer's (the window stands in for the key-assignment page that owns a viewer), and helpers that make
// functions with known cases and work a tap row's drop-downs as the user would.
#pragma once

#include <host/actions.h>
#include <host/simulation.h>

#include <afxtabctrl.h>

#include <memory>
#include <string>
#include <vector>

#include "editing/function_editor_tab.h"
#include "editing/function_editor_tabs.h"
#include "editing/function_viewer_owner.h"
#include "editing/function_viewer_tabs.h"
#include "engine/messages.h"
#include "model/talvo.h"
#include "pagebase/window_tab.h"
#include "model/vocabulary.h"
#include "naming_dialogs_fixture.h"

namespace Talvo::testing {

// The editor window's page strip as the function editor sees it: a tab control that notes the sender of
// each FunctionEditedMessage it gets.
class CountingPageStrip : public CMFCTabCtrl {
 public:
  std::vector<LPARAM> senders;

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == FunctionEditedMessage) senders.push_back(lParam);
    return CMFCTabCtrl::WindowProc(message, wParam, lParam);
  }
};

// The functions page that holds the editor strip: a page of the editor window on an empty template.
class TestFunctionsPage : public WindowTab {
 public:
  static constexpr UINT kTemplate = 0x7FF0;
  TestFunctionsPage() : WindowTab(kTemplate, nullptr) {
    if (FindDialogTemplate(kTemplate) == nullptr) {
      DLGTEMPLATE page;
      page.style = WS_CHILD | DS_CONTROL;
      page.cx = 600;
      page.cy = 400;
      RegisterDialogTemplate(kTemplate, page);
    }
  }
  std::wstring GetIconFileName() const override { return L"TalvoPlus14"; }
  int GetIconCount() const override { return 1; }
};

// The key-assignment page as the viewer sees it: a window that names its key.
class TestAssignmentPage : public CWnd, public iFunctionViewerOwner {
 public:
  int GetViewerKey() const override { return key; }
  int key = 30;
};

// The label of a strip's tab.
template <typename Strip>
std::wstring TabLabel(const Strip& strip, int index) {
  std::wstring label;
  strip.GetTabLabel(index, label);
  return label;
}

class FunctionEditorTest : public NamingDialogTest {
 protected:
  void SetUp() override {
    NamingDialogTest::SetUp();
    if (HasFatalFailure()) return;
    hostsim::InstallStandardActions();
    host_ = std::make_unique<TestAssignmentPage>();
    ASSERT_TRUE(host_->CreateEx(0, AfxRegisterWndClass(0), L"Function editor", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 20, 20,
                                1280, 760, nullptr, nullptr));
  }

  void TearDown() override {
    viewerStrip_.reset();
    strip_.reset();
    ownedPage_.reset();
    functionsPage_.reset();
    pageStrip_.reset();
    if (host_ && ::IsWindow(host_->m_hWnd)) host_->DestroyWindow();
    host_.reset();
    NamingDialogTest::TearDown();
  }

  // A new current function of a kind, with only the declarations and cases the caller adds.
  static XmlFunction& NewFunction(int kind) {
    XmlFunction* function = GetTalvo().CreateFunction(kind);
    function->SetDependent(kind);
    return *function;
  }

  // A new function of a kind, assigned to the owner's key in the current profile.
  XmlFunction* AssignNewFunction(int kind) {
    XmlFunction* function = GetTalvo().CreateFunction(kind);
    if (function != nullptr) GetTalvo().GetCurrentProfile()->Assign(host_->key, 'A', function->GetId(), true, false);
    return function;
  }

  // Stores an action-table command ("Extrude", which the host has, unless `actionId` names one it lacks).
  static void SetTableCase(XmlFunction& function, const CaseKeys& keys, const std::wstring& text, int actionId = 100) {
    function.AddAction(keys);
    function.SetCaseGroup(keys, L"Editable Polygon Object");
    function.SetCaseTableAction(keys, text, kActionEditablePolyTable, actionId);
  }

  // Makes the viewer's strip on the owner and places it as the page would.
  FunctionViewerTabs& MakeViewerStrip() {
    viewerStrip_ = std::make_unique<FunctionViewerTabs>();
    EXPECT_TRUE(viewerStrip_->Init(host_.get()));
    viewerStrip_->Reposition();
    winsim::PumpMessages();
    return *viewerStrip_;
  }

  // A page for an input of the current function, filling the host window.
  FunctionEditorTab& MakePage(const std::wstring& name) {
    ownedPage_ = std::make_unique<FunctionEditorTab>(name);
    page_ = ownedPage_.get();
    EXPECT_TRUE(page_->CreatePage(host_.get()));
    CRect client;
    host_->GetClientRect(&client);
    page_->MoveWindow(&client);
    page_->ShowWindow(SW_SHOW);
    winsim::PumpMessages();
    return *page_;
  }

  // The editor strip inside a functions page inside the editor window's page strip.
  FunctionEditorTabs& MakeStripInEditorWindow() {
    pageStrip_ = std::make_unique<CountingPageStrip>();
    CRect client;
    host_->GetClientRect(&client);
    EXPECT_TRUE(pageStrip_->Create(CMFCTabCtrl::STYLE_3D_ONENOTE, client, host_.get(), 1, CMFCTabCtrl::LOCATION_TOP));
    functionsPage_ = std::make_unique<TestFunctionsPage>();
    EXPECT_TRUE(functionsPage_->Create(TestFunctionsPage::kTemplate, pageStrip_.get()));
    pageStrip_->AddTab(functionsPage_.get(), L"Functions");
    strip_ = std::make_unique<FunctionEditorTabs>();
    EXPECT_TRUE(strip_->Init(functionsPage_.get()));
    winsim::PumpMessages();
    return *strip_;
  }

  FunctionEditorTabs& MakeStrip() {
    strip_ = std::make_unique<FunctionEditorTabs>();
    EXPECT_TRUE(strip_->Init(host_.get()));
    winsim::PumpMessages();
    return *strip_;
  }

  // Presses and releases the mouse on the active tab's close button.
  static void ClickCloseButtonOfActiveTab(FunctionEditorTabs& strip) {
    const CRect close = strip.GetTabCloseButton();
    const LPARAM at = MAKELPARAM(close.CenterPoint().x, close.CenterPoint().y);
    strip.SendMessage(WM_MOUSEMOVE, 0, at);
    strip.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, at);
    strip.SendMessage(WM_LBUTTONUP, 0, at);
  }

  // Whether a grid row shows (neither hidden nor under a collapsed node).
  bool RowShown(int row) const { return page_->GetGrid().GetRowHeight(row) > 0; }

  GridCellDropDown* DropDown(int row, int column) const {
    return dynamic_cast<GridCellDropDown*>(page_->GetGrid().GetCell(row, column));
  }

  // Picks an entry of a shown drop-down as the user does: the page hears WM_APPLY_CELL.
  void Choose(int row, int column, const std::wstring& text) {
    GridCellDropDown* cell = DropDown(row, column);
    ASSERT_NE(cell, nullptr);
    CellDropDown* editor = cell->GetDropDown();
    ASSERT_NE(editor, nullptr) << "row " << row << " column " << column << " has no editor";
    ASSERT_GE(editor->SelectString(-1, text.c_str()), 0) << "no entry " << std::string(text.begin(), text.end());
    page_->SendMessage(WM_APPLY_CELL, 0, reinterpret_cast<LPARAM>(editor));
  }

  // Opens the block of a selection count and the group of a modifier byte, as the frame's case commands do.
  void Expand(int selection, int modifiers) {
    page_->SendMessage(WM_SELECT_CASE_CELL, static_cast<WPARAM>(selection), static_cast<LPARAM>(modifiers));
    winsim::PumpMessages();
  }

  std::unique_ptr<TestAssignmentPage> host_;
  std::unique_ptr<FunctionEditorTab> ownedPage_;
  FunctionEditorTab* page_ = nullptr;  // the page the helpers act on: the one made here or one of a strip
  std::unique_ptr<FunctionEditorTabs> strip_;
  std::unique_ptr<CountingPageStrip> pageStrip_;
  std::unique_ptr<TestFunctionsPage> functionsPage_;
  std::unique_ptr<FunctionViewerTabs> viewerStrip_;
};

}  // namespace Talvo::testing
