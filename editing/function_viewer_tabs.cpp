#include "editing/function_viewer_tabs.h"

#include <host/colors.h>

#include "editing/function_viewer_owner.h"
#include "model/string_table.h"
#include "model/xml_function.h"
#include "resources/dialogs/function_viewer_tab.h"
#include "pagebase/inner_strip.h"

namespace Talvo {

namespace {

constexpr int kAddModifierCaseString = 297;
constexpr int kStripTop = 80;
constexpr int kStripBottomGap = 89;

// The modifier-case inputs a context-sensitive function may have, with the string of their tab text.
struct CaseInput {
  const wchar_t* name;
  int labelId;
};
constexpr CaseInput kCaseInputs[] = {
    {L"Editable Poly", 136}, {L"Edit Poly", 137}, {L"Unwrap UVW", 138}, {L"No modifier", 281}, {L"Override Mode", 320},
};

std::wstring TableString(int id, const wchar_t* fallback) {
  const wchar_t* text = GetString(id);
  return text != nullptr ? text : fallback;
}

}  // namespace

IMPLEMENT_DYNAMIC(FunctionViewerTabs, CMFCTabCtrl)

BEGIN_MESSAGE_MAP(FunctionViewerTabs, CMFCTabCtrl)
  ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

FunctionViewerTabs::~FunctionViewerTabs() {
  // The tabs refer to the pages' windows: they go first.
  RemoveAllTabs();
  DestroyPages();
}

bool FunctionViewerTabs::Init(CWnd* owner) {
  owner_ = owner;
  if (owner == nullptr || owner->GetSafeHwnd() == nullptr) return false;
  CRect client;
  owner->GetClientRect(&client);
  if (!CreateInnerStrip(*this, owner, client, kControlId)) return false;
  Rebuild();
  return true;
}

void FunctionViewerTabs::Reposition() {
  PlaceInnerStrip(*this, owner_, kStripTop, kStripBottomGap);
}

void FunctionViewerTabs::DestroyPages() {
  while (!pages_.empty()) {
    if (pages_.back()->GetSafeHwnd() != nullptr) pages_.back()->DestroyWindow();
    pages_.pop_back();
  }
}

void FunctionViewerTabs::Rebuild() {
  if (m_hWnd == nullptr) return;
  // The tabs refer to the pages' windows: they go before the pages.
  RemoveAllTabs();
  DestroyPages();
  images_.AttachTo(*this);

  XmlFunction* function = FindShownFunction(GetParent());
  if (function == nullptr) return;
  switch (const int kind = function->GetDependent()) {
    case 1105:
    case 1106:
      AddPage(kind == 1105 ? L"SingleTap" : L"MultiTap",
              L"    " + TableString(kAddModifierCaseString, L"Add Modifier Case"));
      break;
    case 1103:
    case 1104: {
      const std::wstring name = kind == 1103 ? L"3DSMax Classic" : L"MultiPress";
      // Viewing changes nothing: a function without this input shows no cases.
      AddPage(name, name);
      break;
    }
    default:
      for (const CaseInput& input : kCaseInputs) {
        if (function->HasInput(input.name)) AddPage(input.name, TableString(input.labelId, input.name));
      }
      break;
  }
}

void FunctionViewerTabs::AddPage(const std::wstring& pageName, const std::wstring& label) {
  auto page = std::make_unique<FunctionViewerTab>(pageName, this);
  page->MarkForRefill();
  if (!page->Create(IDD_FUNCTION_VIEWER, this)) return;
  page->ShowWindow(SW_SHOW);
  AddTab(page.get(), label.c_str(), static_cast<UINT>(-1), TRUE);
  pages_.push_back(std::move(page));
}

void FunctionViewerTabs::MarkPagesNamed(const std::wstring& pageName) {
  for (const auto& page : pages_) {
    if (page->GetPageName() == pageName) page->MarkForRefill();
  }
}

FunctionViewerTab* FunctionViewerTabs::GetPage(int index) const {
  return index >= 0 && index < GetPageCount() ? pages_[static_cast<size_t>(index)].get() : nullptr;
}

void FunctionViewerTabs::FollowHostTheme() {
  for (int i = 0; i < GetPageCount(); ++i) GetPage(i)->FollowHostTheme();
  if (m_hWnd != nullptr) Invalidate();
}

BOOL FunctionViewerTabs::OnEraseBkgnd(CDC* pDC) {
  CRect client;
  GetClientRect(&client);
  CBrush background(ColorMan()->GetColor(kBackground));
  pDC->FillRect(&client, &background);
  return TRUE;
}

}  // namespace Talvo
