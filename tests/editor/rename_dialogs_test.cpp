// The dialogs that rename an imported function, wheel-events set or profile whose name is taken: one
// suite, one row per kind of document.
#include <afxwin.h>
#include <win32/modal_responder.h>

#include <functional>
#include <memory>
#include <utility>

#include "controls/controls_fixture.h"
#include "editing/h_function_rename_dlg.h"
#include "editing/h_wheel_events_rename_dlg.h"
#include "editor/profile_rename_dlg.h"
#include "editor_test_helpers.h"
#include "model/talvo.h"
#include "model/vocabulary.h"
#include "resources/dialogs/function_rename_dlg.h"
#include "resources/dialogs/rename_dlg_ids.h"
#include "resources/dialogs/wheel_events_rename_dlg.h"

namespace Talvo::testing {
namespace {

// What the dialog answered and the imported document's name afterwards.
using RenameOutcome = std::pair<INT_PTR, std::wstring>;

struct RenameRow {
  const char* label;
  UINT dialogId;
  std::function<void(const std::wstring&)> addToFolder;
  // Runs the dialog on an imported document of that name (on none for null).
  std::function<RenameOutcome(CWnd*, const wchar_t*)> rename;
  const wchar_t* clashBefore;  // the text in front of the taken name; empty where the dialog has none
  INT_PTR okWithoutDocument;   // what OK answers when there is nothing to rename
};

const RenameRow kRows[] = {
    {"Function", IDD_FUNCTION_RENAME,
     [](const std::wstring& name) { GetTalvo().CreateFunction(kKindSingleTap)->SetName(name); },
     [](CWnd* parent, const wchar_t* name) {
       std::unique_ptr<XmlDocument> copy = GetTalvo().CreateFunction(kKindSingleTap)->Duplicate();
       auto* function = static_cast<XmlFunction*>(copy.get());
       if (name != nullptr) function->SetName(name);
       hFunctionRenameDlg dialog(parent);
       dialog.document = name != nullptr ? function : nullptr;
       const INT_PTR result = dialog.DoModal();
       return RenameOutcome(result, function->GetName());
     },
     L"The function with name: ", IDCANCEL},
    {"WheelEvents", IDD_WHEEL_EVENTS_RENAME,
     [](const std::wstring& name) { GetTalvo().GetWheelEventsDir()->CreateNew()->SetDisplayName(name); },
     [](CWnd* parent, const wchar_t* name) {
       std::unique_ptr<XmlDocument> copy = GetTalvo().GetWheelEvents(0)->Duplicate();
       auto* wheelEvents = static_cast<XmlWheelEvents*>(copy.get());
       if (name != nullptr) wheelEvents->SetDisplayName(name);
       hWheelEventsRenameDlg dialog(parent);
       dialog.wheelEvents = name != nullptr ? wheelEvents : nullptr;
       const INT_PTR result = dialog.DoModal();
       return RenameOutcome(result, wheelEvents->GetDisplayName());
     },
     L"The Settings file with name: ", IDCANCEL},
    {"Profile", hProfileRenameDlg::IDD, [](const std::wstring& name) { GetTalvo().NewProfile()->SetName(name); },
     [](CWnd* parent, const wchar_t* name) {
       XmlProfile profile(nullptr);
       profile.CopyFrom(*GetTalvo().GetCurrentProfile());
       if (name != nullptr) profile.SetName(name);
       hProfileRenameDlg dialog(name != nullptr ? &profile : nullptr, parent);
       const INT_PTR result = dialog.DoModal();
       return RenameOutcome(result, profile.GetName());
     },
     L"", IDOK},
};

void ClickItem(HWND dialog, int id) {
  const POINT centre = CentreOf(GetDlgItem(dialog, id));
  winsim::Click(centre.x, centre.y);
}

class RenameDialogTest : public ControlsTest, public ::testing::WithParamInterface<RenameRow> {
 protected:
  void SetUp() override {
    ControlsTest::SetUp();
    ASSERT_TRUE(GetTalvo().Load());
  }
  void TearDown() override {
    GetTalvo().Clear();
    ControlsTest::TearDown();
  }
  RenameOutcome Run(const wchar_t* name, winsim::DialogAnswer answer) {
    winsim::AnswerModalDialog(GetParam().dialogId, std::move(answer));
    return GetParam().rename(CreateParent(800, 500), name);
  }
};

TEST_P(RenameDialogTest, NamesTheClashAndProposesTheFirstFreeNumberedName) {
  for (const wchar_t* name : {L"Box", L"Box 01", L"Box 02", L"Box 03"}) GetParam().addToFolder(name);
  EXPECT_EQ(Run(L"Box",
                [](HWND dialog) {
                  if (*GetParam().clashBefore) {
                    EXPECT_EQ(TextOf(GetDlgItem(dialog, IDC_RENAME_CLASH_BEFORE)), GetParam().clashBefore);
                  }
                  EXPECT_EQ(TextOf(GetDlgItem(dialog, IDC_RENAME_CLASH_NAME)), L"Box");
                  ClickItem(dialog, IDOK);
                }),
            RenameOutcome(IDOK, L"Box 04"));
}

TEST_P(RenameDialogTest, CancelKeepsTheNameAndOkAppliesTheFieldAsTypedUpTo511Characters) {
  GetParam().addToFolder(L"Box");
  EXPECT_EQ(Run(L"Box",
                [](HWND dialog) {
                  SetDlgItemTextW(dialog, IDC_RENAME_NAME, L"Cone");
                  winsim::KeyPress(VK_ESCAPE);
                }),
            RenameOutcome(IDCANCEL, L"Box"));
  // The dialog checks nothing: an empty name and a name still taken are applied as they are.
  for (const std::wstring& typed :
       {std::wstring(L"Sphere"), std::wstring(), std::wstring(L"Box"), std::wstring(600, L'x')}) {
    EXPECT_EQ(Run(L"Box",
                  [&](HWND dialog) {
                    SetDlgItemTextW(dialog, IDC_RENAME_NAME, typed.c_str());
                    ClickItem(dialog, IDOK);
                  }),
              RenameOutcome(IDOK, typed.substr(0, 511)));
  }
}

TEST_P(RenameDialogTest, WithoutADocumentItProposesNothing) {
  const RenameOutcome outcome = Run(nullptr, [](HWND dialog) {
    EXPECT_EQ(TextOf(GetDlgItem(dialog, IDC_RENAME_NAME)), L"");
    ClickItem(dialog, IDOK);
  });
  EXPECT_EQ(outcome.first, GetParam().okWithoutDocument);
}

INSTANTIATE_TEST_SUITE_P(Kinds, RenameDialogTest, ::testing::ValuesIn(kRows),
                         [](const auto& info) { return std::string(info.param.label); });

}  // namespace
}  // namespace Talvo::testing
