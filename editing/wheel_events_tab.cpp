#include "editing/wheel_events_tab.h"

#include <host/notify.h>

#include "editing/function_page_logo.h"
#include "editing/wheel_events_tab_template.h"
#include "engine/messages.h"
#include "model/string_table.h"
#include "model/talvo.h"

namespace Talvo {

namespace {

std::wstring StringOr(int id, const wchar_t* fallback) {
  const wchar_t* text = GetString(id);
  return text != nullptr ? text : fallback;
}

}  // namespace

IMPLEMENT_DYNAMIC(WheelEventsTab, WindowTab)

BEGIN_MESSAGE_MAP(WheelEventsTab, WindowTab)
  ON_WM_SIZE()
  ON_COMMAND(IDC_WHEEL_EVENTS_MENU, &WheelEventsTab::SelectWheelEvents)
  ON_COMMAND(kNewCommand, &WheelEventsTab::NewWheelEvents)
  ON_COMMAND(kDeleteCommand, &WheelEventsTab::DeleteWheelEvents)
  ON_COMMAND(kSaveCommand, &WheelEventsTab::SaveWheelEvents)
  ON_COMMAND(kImportCommand, &WheelEventsTab::ImportWheelEvents)
  ON_COMMAND(kExportCommand, &WheelEventsTab::ExportWheelEvents)
  ON_MESSAGE(WM_RENAME_WHEEL_EVENTS, &WheelEventsTab::OnRename)
  ON_MESSAGE(WM_LOAD_WHEEL_EVENTS, &WheelEventsTab::OnLoad)
  ON_MESSAGE(WM_DELETE_WHEEL_EVENTS, &WheelEventsTab::OnDelete)
  ON_MESSAGE(WM_CLONE_WHEEL_EVENTS, &WheelEventsTab::OnClone)
  ON_MESSAGE(WM_EXPORT_WHEEL_EVENTS, &WheelEventsTab::OnExport)
END_MESSAGE_MAP()

WheelEventsTab::WheelEventsTab(CWnd* parent) : WindowTab(kTemplateId, parent) {
  RegisterWheelEventsTabTemplate();
  name_.notifyMessage = WM_RENAME_WHEEL_EVENTS;
}

WheelEventsTab::~WheelEventsTab() {
  if (registered_) UnRegisterNotification(&WheelEventsTab::OnHostColorChange, this, NOTIFY_COLOR_CHANGE);
}

void WheelEventsTab::DoDataExchange(CDataExchange* pDX) {
  WindowTab::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_WHEEL_EVENTS_CURRENT_LABEL, title_);
  DDX_Control(pDX, IDC_WHEEL_EVENTS_NAME, name_);
  DDX_Control(pDX, IDC_WHEEL_EVENTS_EXISTING_LABEL, existing_);
  DDX_Control(pDX, IDC_WHEEL_EVENTS_MENU, menu_);
  DDX_Control(pDX, IDC_WHEEL_EVENTS_LOGO, logo_);
}

BOOL WheelEventsTab::OnInitDialog() {
  WindowTab::OnInitDialog();
  title_.SetText(StringOr(274, L"Current settings"));
  existing_.SetText(StringOr(276, L"Existing settings"));
  title_.Invalidate();
  existing_.Invalidate();

  Talvo& root = GetTalvo();
  const XmlWheelEventsDir* folder = root.GetWheelEventsDir();
  XmlTalvo* main = root.GetMainDocument();
  const int count = folder != nullptr ? folder->Count() : 0;
  for (int i = 0; i < count; ++i) menu_.AddItem(folder->GetWheelEvents(i)->GetDisplayName());
  if (count > 0 && main != nullptr && main->GetSelectedWheelEvents() >= count) main->SetSelectedWheelEvents(count - 1);
  if (const XmlWheelEvents* current = root.GetCurrentWheelEvents(); current != nullptr && count > 0) {
    ShowName(current->GetDisplayName(), true);
    menu_.SetWindowText(current->GetDisplayName().c_str());
  } else {
    ShowName(L"", false);
    menu_.SetWindowText(L"");
  }

  toolbars_.Create(*this,
                   {{IDC_WHEEL_EVENTS_SAVE_BAR, kSaveCommand, 0},
                    {IDC_WHEEL_EVENTS_NEW_BAR, kNewCommand, 2},
                    {IDC_WHEEL_EVENTS_DELETE_BAR, kDeleteCommand, 4},
                    {IDC_WHEEL_EVENTS_IMPORT_BAR, kImportCommand, 6},
                    {IDC_WHEEL_EVENTS_EXPORT_BAR, kExportCommand, 8}},
                   GetImageList());
  if (!registered_) {
    registered_ = RegisterNotification(&WheelEventsTab::OnHostColorChange, this, NOTIFY_COLOR_CHANGE) != 0;
  }
  LoadPageLogo(logo_);
  tabs_.Init(this);
  return TRUE;
}

// Registered after the page base, so the base has made the new image list when this runs.
void WheelEventsTab::OnHostColorChange(void* param, NotifyInfo* /*info*/) {
  auto* page = static_cast<WheelEventsTab*>(param);
  page->toolbars_.SetImages(page->GetImageList());
  LoadPageLogo(page->logo_);
}

void WheelEventsTab::OnSize(UINT type, int cx, int cy) {
  WindowTab::OnSize(type, cx, cy);
  CRect client;
  GetClientRect(&client);
  if (client.IsRectEmpty()) return;
  PlacePageLogo(*this, logo_);
  if (tabs_.GetSafeHwnd() != nullptr) tabs_.Reposition();
}

void WheelEventsTab::ShowName(const std::wstring& name, bool enabled) {
  name_.SetWindowText(name.c_str());
  name_.EnableWindow(enabled);
  name_.Invalidate();
}

void WheelEventsTab::ShowCurrentWheelEvents() {
  Talvo& root = GetTalvo();
  XmlTalvo* main = root.GetMainDocument();
  const XmlWheelEventsDir* folder = root.GetWheelEventsDir();
  const int index = main != nullptr ? main->GetSelectedWheelEvents() : -1;
  if (folder != nullptr && folder->Count() > 0 && index >= 0 && index < folder->Count()) {
    if (index < menu_.GetItemCount()) menu_.SetWindowText(menu_.GetItemText(index).c_str());
    if (const XmlWheelEvents* set = root.GetWheelEvents(index)) {
      ShowName(set->GetDisplayName(), true);
    } else {
      ShowName(L"", false);
      main->SetSelectedWheelEvents(0);
    }
  } else {
    ShowName(L"", false);
    menu_.SetWindowText(L"");
  }
  name_.Invalidate();
}

void WheelEventsTab::ShowAddedSet(const XmlWheelEvents& set) {
  ShowName(set.GetDisplayName(), true);
  menu_.SetWindowText(set.GetDisplayName().c_str());
}

LRESULT WheelEventsTab::OnRename(WPARAM /*wParam*/, LPARAM /*lParam*/) {
  RenameWheelEvents();
  return 0;
}

LRESULT WheelEventsTab::OnLoad(WPARAM /*wParam*/, LPARAM /*lParam*/) {
  ImportWheelEvents();
  return 0;
}

LRESULT WheelEventsTab::OnDelete(WPARAM /*wParam*/, LPARAM /*lParam*/) {
  DeleteWheelEvents();
  return 0;
}

LRESULT WheelEventsTab::OnClone(WPARAM /*wParam*/, LPARAM /*lParam*/) {
  CloneWheelEvents();
  return 0;
}

LRESULT WheelEventsTab::OnExport(WPARAM /*wParam*/, LPARAM /*lParam*/) {
  ExportWheelEvents();
  return 0;
}

}  // namespace Talvo
