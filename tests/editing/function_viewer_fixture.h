// Shared set-up of the function viewer tests: the naming-dialog environment (window system, class library,
// host with its standard actions, loaded documents) with a stand-in key-assignment page as the viewer's
// owner, and helpers that make functions with known cases and assign them to the page's key.
#pragma once

#include <host/actions.h>
#include <host/simulation.h>

#include <memory>
#include <string>

#include "editing/function_viewer_owner.h"
#include "editing/function_viewer_tabs.h"
#include "model/talvo.h"
#include "model/vocabulary.h"
#include "naming_dialogs_fixture.h"

namespace Talvo::testing {

// The key-assignment page as the viewer sees it: a window that names its key.
class TestAssignmentPage : public CWnd, public iFunctionViewerOwner {
 public:
  int GetViewerKey() const override { return key; }
  int key = 30;
};

class FunctionViewerTest : public NamingDialogTest {
 protected:
  void SetUp() override {
    NamingDialogTest::SetUp();
    hostsim::InstallStandardActions();
    owner_ = std::make_unique<TestAssignmentPage>();
    ASSERT_TRUE(owner_->CreateEx(0, AfxRegisterWndClass(0), L"Assignment", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40, 40,
                                 1100, 640, nullptr, nullptr));
  }

  void TearDown() override {
    strip_.reset();
    if (owner_ && ::IsWindow(owner_->m_hWnd)) owner_->DestroyWindow();
    owner_.reset();
    NamingDialogTest::TearDown();
  }

  // A new function of a kind, assigned to the page's key in the current profile.
  XmlFunction* AssignNewFunction(int kind) {
    XmlFunction* function = GetTalvo().CreateFunction(kind);
    if (function != nullptr) GetTalvo().GetCurrentProfile()->Assign(owner_->key, 'A', function->GetId(), true, false);
    return function;
  }

  // Stores an action-table command ("Extrude", which the host has, unless `actionId` names one it lacks).
  static void SetTableCase(XmlFunction& function, const CaseKeys& keys, const std::wstring& text, int actionId = 100) {
    function.AddAction(keys);
    function.SetCaseGroup(keys, L"Editable Polygon Object");
    function.SetCaseTableAction(keys, text, kActionEditablePolyTable, actionId);
  }

  // Makes the strip on the owner and places it as the page would.
  FunctionViewerTabs& MakeStrip() {
    strip_ = std::make_unique<FunctionViewerTabs>();
    EXPECT_TRUE(strip_->Init(owner_.get()));
    strip_->Reposition();
    winsim::PumpMessages();
    return *strip_;
  }

  static std::wstring TabLabel(const FunctionViewerTabs& strip, int index) {
    std::wstring label;
    strip.GetTabLabel(index, label);
    return label;
  }

  std::unique_ptr<TestAssignmentPage> owner_;
  std::unique_ptr<FunctionViewerTabs> strip_;
};

}  // namespace Talvo::testing
