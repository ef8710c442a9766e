// The dialogs that rename an imported function, wheel-events set or profile whose name is taken: one
// suite, one row per kind of document.
#include <afxwin.h>
#include <win32/modal_responder.h>

#include <functional>
#include <memory>

#include "controls/visual_manager.h"
#include "editing/h_function_rename_dlg.h"
#include "editing/h_wheel_events_rename_dlg.h"
#include "editor/profile_rename_dlg.h"
#include "model/talvo.h"
#include "model/vocabulary.h"
#include "pagebase/function_rename_prompt.h"
#include "pagebase/rename_proposal.h"
#include "resources/dialogs/function_rename_dlg.h"
#include "resources/dialogs/rename_dlg_ids.h"
#include "resources/dialogs/wheel_events_rename_dlg.h"
#include "support/data_folder_fixture.h"

namespace Talvo::testing {
namespace {

// One kind of imported document: how the folder gets a name, how the import is made and how its dialog runs.
class Imported {
 public:
  virtual ~Imported() = default;
  virtual void AddToFolder(const std::wstring& name) = 0;
  // The imported document outside the folder, named `name` and saved where it can be.
  virtual void Make(const std::wstring& name) = 0;
  virtual std::wstring Name() const = 0;
  virtual bool IsSaved() const = 0;
  virtual INT_PTR Run(CWnd* parent, bool withDocument) = 0;
};

class ImportedFunction : public Imported {
 public:
  void AddToFolder(const std::wstring& name) override { GetTalvo().CreateFunction(kKindSingleTap)->SetName(name); }
  void Make(const std::wstring& name) override {
    XmlFunction* original = GetTalvo().CreateFunction(kKindSingleTap);
    document_.reset(static_cast<XmlFunction*>(original->Duplicate().release()));
    document_->SetName(name);
    document_->XmlDocument::SetName(L"imported");  // its own file
    document_->Save();
  }
  std::wstring Name() const override { return document_->GetName(); }
  bool IsSaved() const override { return document_->IsSaved(); }
  INT_PTR Run(CWnd* parent, bool withDocument) override {
    hFunctionRenameDlg dialog(parent);
    dialog.document = withDocument ? document_.get() : nullptr;
    return dialog.DoModal();
  }
  std::unique_ptr<XmlFunction> document_;
};

class ImportedWheelEvents : public Imported {
 public:
  void AddToFolder(const std::wstring& name) override {
    GetTalvo().GetWheelEventsDir()->CreateNew()->SetDisplayName(name);
  }
  void Make(const std::wstring& name) override {
    document_.reset(static_cast<XmlWheelEvents*>(GetTalvo().GetWheelEvents(0)->Duplicate().release()));
    document_->SetName(L"imported");
    document_->SetDisplayName(name);
    document_->Save();
  }
  std::wstring Name() const override { return document_->GetDisplayName(); }
  bool IsSaved() const override { return document_->IsSaved(); }
  INT_PTR Run(CWnd* parent, bool withDocument) override {
    hWheelEventsRenameDlg dialog(parent);
    dialog.wheelEvents = withDocument ? document_.get() : nullptr;
    return dialog.DoModal();
  }
  std::unique_ptr<XmlWheelEvents> document_;
};

class ImportedProfile : public Imported {
 public:
  void AddToFolder(const std::wstring& name) override { GetTalvo().NewProfile()->SetName(name); }
  void Make(const std::wstring& name) override {
    document_.CopyFrom(*GetTalvo().GetCurrentProfile());
    document_.SetName(name);
  }
  std::wstring Name() const override { return document_.GetName(); }
  bool IsSaved() const override { return true; }  // a profile copy has no file of its own
  INT_PTR Run(CWnd* parent, bool withDocument) override {
    hProfileRenameDlg dialog(withDocument ? &document_ : nullptr, parent);
    return dialog.DoModal();
  }
  XmlProfile document_{nullptr};
};

struct RenameRow {
  const char* label;
  std::function<std::unique_ptr<Imported>()> make;
  UINT dialogId;
  const wchar_t* clashBefore;      // the text in front of the taken name; empty where the dialog has none
  INT_PTR okWithoutDocument;       // what OK answers when there is nothing to rename
};

const RenameRow kRows[] = {
    {"Function", [] { return std::make_unique<ImportedFunction>(); }, IDD_FUNCTION_RENAME,
     L"The function with name: ", IDCANCEL},
    {"WheelEvents", [] { return std::make_unique<ImportedWheelEvents>(); }, IDD_WHEEL_EVENTS_RENAME,
     L"The Settings file with name: ", IDCANCEL},
    {"Profile", [] { return std::make_unique<ImportedProfile>(); }, hProfileRenameDlg::IDD, L"", IDOK},
};

std::wstring ItemText(HWND dialog, int id) {
  wchar_t buffer[2048] = {};
  GetDlgItemTextW(dialog, id, buffer, 2048);
  return buffer;
}

void ClickItem(HWND dialog, int id) {
  RECT rect{};
  GetWindowRect(GetDlgItem(dialog, id), &rect);
  winsim::Click((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
}

class RenameDialogTest : public DataFolderTest, public ::testing::WithParamInterface<RenameRow> {
 protected:
  void SetUp() override {
    DataFolderTest::SetUp();
    TalvoVisualManager::Install();
    ASSERT_TRUE(GetTalvo().Load(root_ / "data"));
    ASSERT_TRUE(parent_.CreateEx(0, AfxRegisterWndClass(0), L"Owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100,
                                 800, 500, nullptr, nullptr));
    imported_ = GetParam().make();
  }
  void TearDown() override {
    if (::IsWindow(parent_.m_hWnd)) parent_.DestroyWindow();
    imported_.reset();
    GetTalvo().Clear();
    DataFolderTest::TearDown();
  }
  INT_PTR Run(winsim::DialogAnswer answer, bool withDocument = true) {
    winsim::AnswerModalDialog(GetParam().dialogId, std::move(answer));
    return imported_->Run(&parent_, withDocument);
  }
  // Sets the name field and confirms with OK.
  INT_PTR RunTyping(const std::wstring& typed) {
    return Run([&](HWND dialog) {
      SetDlgItemTextW(dialog, IDC_RENAME_NAME, typed.c_str());
      ClickItem(dialog, IDOK);
    });
  }

  CWnd parent_;
  std::unique_ptr<Imported> imported_;
};

TEST_P(RenameDialogTest, NamesTheClashAndProposesTheFirstFreeNumberedName) {
  for (const wchar_t* name : {L"Box", L"Box 01", L"Box 02", L"Box 03"}) imported_->AddToFolder(name);
  imported_->Make(L"Box");
  EXPECT_EQ(Run([](HWND dialog) {
              if (*GetParam().clashBefore) {
                EXPECT_EQ(ItemText(dialog, IDC_RENAME_CLASH_BEFORE), GetParam().clashBefore);
              }
              EXPECT_EQ(ItemText(dialog, IDC_RENAME_CLASH_NAME), L"Box");
              EXPECT_EQ(ItemText(dialog, IDC_RENAME_NAME), L"Box 04");
              ClickItem(dialog, IDOK);
            }),
            IDOK);
  EXPECT_EQ(imported_->Name(), L"Box 04");

  for (int n = 4; n <= 9; ++n) imported_->AddToFolder(L"Box 0" + std::to_wstring(n));
  imported_->Make(L"Box");
  EXPECT_EQ(Run([](HWND dialog) {
              EXPECT_EQ(ItemText(dialog, IDC_RENAME_NAME), L"Box 10");
              ClickItem(dialog, IDOK);
            }),
            IDOK);
  EXPECT_EQ(imported_->Name(), L"Box 10");
}

TEST_P(RenameDialogTest, OkAppliesTheFieldAsTypedUpTo511Characters) {
  imported_->AddToFolder(L"Box");
  imported_->Make(L"Box");
  EXPECT_EQ(Run([this](HWND dialog) {
              SetDlgItemTextW(dialog, IDC_RENAME_NAME, L"");
              SetFocus(GetDlgItem(dialog, IDC_RENAME_NAME));
              winsim::TypeText(L"Sphere");
              EXPECT_EQ(imported_->Name(), L"Box");  // nothing is renamed before OK
              winsim::KeyPress(VK_RETURN);
            }),
            IDOK);
  EXPECT_EQ(imported_->Name(), L"Sphere");
  if (GetParam().dialogId != hProfileRenameDlg::IDD) {
    EXPECT_FALSE(imported_->IsSaved());
  }
  // The dialog checks nothing: an empty name and a name still taken are applied as they are.
  for (const std::wstring& typed : {std::wstring(), std::wstring(L"Box"), std::wstring(600, L'x')}) {
    EXPECT_EQ(RunTyping(typed), IDOK);
    EXPECT_EQ(imported_->Name(), typed.substr(0, 511));
  }
}

TEST_P(RenameDialogTest, CancelLeavesTheDocumentAsItWas) {
  imported_->AddToFolder(L"Box");
  imported_->Make(L"Box");
  EXPECT_EQ(Run([](HWND dialog) {
              SetDlgItemTextW(dialog, IDC_RENAME_NAME, L"Cone");
              ClickItem(dialog, IDCANCEL);
            }),
            IDCANCEL);
  EXPECT_EQ(Run([](HWND) { winsim::KeyPress(VK_ESCAPE); }), IDCANCEL);
  EXPECT_EQ(imported_->Name(), L"Box");
  EXPECT_TRUE(imported_->IsSaved());
}

TEST_P(RenameDialogTest, WithoutADocumentItProposesNothing) {
  EXPECT_EQ(Run(
                [](HWND dialog) {
                  EXPECT_EQ(ItemText(dialog, IDC_RENAME_NAME), L"");
                  ClickItem(dialog, IDOK);
                },
                false),
            GetParam().okWithoutDocument);
}

TEST_P(RenameDialogTest, PicturesFollowTheHostTheme) {
  imported_->AddToFolder(L"Extrude Faces");
  imported_->Make(L"Extrude Faces");
  const std::string name = std::string("rename_dlg_") + GetParam().label;
  for (AppFrameColorTheme theme : {kLightTheme, kDarkTheme}) {
    SetTheme(theme);
    EXPECT_EQ(Run([&](HWND dialog) {
                SaveThemedPicture(dialog, name);
                ClickItem(dialog, IDCANCEL);
              }),
              IDCANCEL);
  }
  SetTheme(kLightTheme);
}

INSTANTIATE_TEST_SUITE_P(Kinds, RenameDialogTest, ::testing::ValuesIn(kRows),
                         [](const auto& info) { return std::string(info.param.label); });

class FunctionRenamePromptTest : public RenameDialogTest {};

TEST_P(FunctionRenamePromptTest, IsTheDialogOfTheEditorsImports) {
  imported_->AddToFolder(L"Box");
  imported_->Make(L"Box");
  auto& function = *static_cast<ImportedFunction&>(*imported_).document_;
  const FunctionRenamePrompt previous = SetFunctionRenamePrompt(nullptr);
  InstallFunctionRenamePrompt();
  winsim::AnswerModalDialog(IDD_FUNCTION_RENAME, [](HWND dialog) {
    EXPECT_EQ(ItemText(dialog, IDC_RENAME_NAME), L"Box 01");
    ClickItem(dialog, IDOK);
  });
  EXPECT_EQ(PromptFunctionRename(&parent_, function), IDOK);
  EXPECT_EQ(function.GetName(), L"Box 01");
  SetFunctionRenamePrompt(previous);
}

INSTANTIATE_TEST_SUITE_P(Function, FunctionRenamePromptTest, ::testing::Values(kRows[0]),
                         [](const auto& info) { return std::string(info.param.label); });

TEST(RenameProposal, AsksAboutEachCandidateUntilOneIsFree) {
  std::vector<std::wstring> asked;
  const auto taken = [&](const std::wstring& name) {
    asked.push_back(name);
    return name == L"A 01" || name == L"A 02" ? 1 : 0;
  };
  EXPECT_EQ(ProposeFreeName(L"A", taken), L"A 03");
  EXPECT_EQ(asked, (std::vector<std::wstring>{L"A 01", L"A 02", L"A 03"}));
}

}  // namespace
}  // namespace Talvo::testing
