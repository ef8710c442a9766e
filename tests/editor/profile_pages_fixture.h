// Shared set-up of the profiles page and key-assignment page tests: the control toolkit's fixture with the
// documents loaded from a fresh data folder, and the fixture itself standing in for the editor window and
// its page strip (a real tab strip that holds the pages; the strip operations are recorded).
#pragma once

#include <gtest/gtest.h>
#include <host/simulation.h>
#include <host/undo.h>

#include <afxtabctrl.h>

#include <memory>
#include <string>
#include <vector>

#include "controls/controls_fixture.h"
#include "editing/functions_tab.h"
#include "editor/assignment_tab.h"
#include "pagebase/no_verbosity.h"
#include "editor/profile_tab.h"
#include "model/editor_window.h"
#include "model/talvo.h"
#include "model/vocabulary.h"
#include "pagebase/editor_frame_link.h"

namespace Talvo::testing {

// Clicks a control at its centre as the user does.
inline void Click(CWnd& control) {
  const POINT centre = CentreOf(control.m_hWnd);
  winsim::Click(centre.x, centre.y);
  winsim::PumpMessages();
}
// Chooses a menu button's item (1-based; 0 dismisses the menu) with a click.
inline void Choose(CWnd& button, UINT item) {
  winsim::AnswerPopupMenu(item);
  Click(button);
}
// A toolbar command as its button sends it.
inline void Command(CWnd& page, UINT id) { page.SendMessage(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0); }

class ProfilePagesTest : public ControlsTest, public iEditorFrame, public iWindowTabs {
 protected:
  void SetUp() override {
    ControlsTest::SetUp();
    ASSERT_TRUE(Root().Load());
    theHold.Clear();
    NoVerbosity = false;
    frame_ = CreateParent(1180, 700, 0, 0);
    strip_ = std::make_unique<CMFCTabCtrl>();
    ASSERT_TRUE(strip_->Create(CMFCTabCtrl::STYLE_3D_ONENOTE, CRect(0, 24, 1180, 700), frame_, 107,
                               CMFCTabCtrl::LOCATION_TOP, FALSE));
    pages_.resize(3);
    SetEditorFrame(this);
    SetEditorWindow(frame_->m_hWnd);
  }
  void TearDown() override {
    pages_.clear();
    strip_.reset();
    SetEditorFrame(nullptr);
    SetEditorWindow(nullptr);
    theHold.Clear();
    Root().Clear();
    ControlsTest::TearDown();
  }

  static Talvo& Root() { return GetTalvo(); }
  static XmlTalvo& Main() { return *Root().GetMainDocument(); }
  static XmlProfileDir& Profiles() { return *Root().GetProfiles(); }

  // Adds a page to the strip at `index` (appended from 3 on) and creates its window.
  template <typename Page>
  Page& AddPage(std::unique_ptr<Page> page, size_t index, const wchar_t* title) {
    Page& made = *page;
    if (index >= pages_.size()) pages_.resize(index + 1);
    pages_[index] = std::move(page);
    EXPECT_TRUE(made.Create(Page::kTemplateId, strip_.get()));
    strip_->AddTab(&made, title);
    strip_->SetActiveTab(strip_->GetTabsNum() - 1);  // the newest page is the one shown
    winsim::PumpMessages();
    return made;
  }
  ProfileTab& OpenProfilePage() { return AddPage(std::make_unique<ProfileTab>(), 0, L"Keyboard Layout:"); }
  FunctionsTab& OpenFunctionsPage() { return AddPage(std::make_unique<FunctionsTab>(), 1, L"Function Editor"); }
  AssignmentTab& OpenAssignmentPage(int key, int virtualKey) {
    return AddPage(std::make_unique<AssignmentTab>(key, virtualKey), pages_.size(), L"[ 1 ] - Key Assignment Tab");
  }

  // Profiles named `names` after the default one, saved, the first of them selected.
  void MakeProfiles(const std::vector<std::wstring>& names) {
    for (const std::wstring& name : names) {
      XmlProfile* profile = Root().NewProfile();
      profile->SetName(name);
      ASSERT_TRUE(profile->Save());
    }
    Main().SetSelectedProfile(Profiles().Count() - static_cast<int>(names.size()));
  }
  XmlFunction* MakeFunction(const std::wstring& name) {
    XmlFunction* function = Root().CreateFunction(kKindSingleTap);
    function->SetName(name);
    EXPECT_TRUE(function->Save());
    return function;
  }

  // The profile names, the selection and the six slots (index, active) as one text.
  static std::wstring ProfileState() {
    std::wstring state;
    for (int i = 0; i < Profiles().Count(); ++i) state += Profiles().GetProfile(i)->GetName() + L";";
    state += L" selected " + std::to_wstring(Main().GetSelectedProfile()) + L"; slots";
    for (int slot = 0; slot < 6; ++slot) {
      state += L" " + std::to_wstring(Main().GetQuickProfile(slot)) + (Main().GetQuickActive(slot) ? L"*" : L"");
    }
    return state;
  }
  static std::vector<std::wstring> UndoLabels() {
    std::vector<std::wstring> labels;
    for (const MSTR& label : theHold.UndoLabels()) labels.emplace_back(label.data());
    return labels;
  }

  // iEditorFrame
  CWnd* GetFrameWindow() override { return frame_; }
  iWindowTabs& GetPageTabs() override { return *this; }
  void SetLayoutsCaption(const std::wstring& caption) override { layoutsCaption_ = caption; }
  // iWindowTabs
  int GetPageCount() const override { return static_cast<int>(pages_.size()); }
  WindowTab* GetPageAt(int index) const override {
    return index >= 0 && index < GetPageCount() ? pages_[static_cast<size_t>(index)].get() : nullptr;
  }
  void ActivatePage(int index) override { activated_.push_back(index); }
  void ShowActiveTabCloseButton(bool) override {}
  bool HasAssignmentTab(int) const override { return false; }
  int FindAssignmentTab(int) const override { return -1; }
  void RefreshAssignmentTabs() override {}
  void RebuildAssignmentTabs() override { ++assignmentRebuilds_; }
  void RefreshFunctionsTab() override {}
  void RefreshProfileTab() override {}
  void RefreshFunctionEditors() override {}

  CWnd* frame_ = nullptr;
  std::unique_ptr<CMFCTabCtrl> strip_;
  std::vector<std::unique_ptr<WindowTab>> pages_;
  std::wstring layoutsCaption_;
  std::vector<int> activated_;
  int assignmentRebuilds_ = 0;
};

}  // namespace Talvo::testing
