// The commands of the wheel-events page: new, select, rename, save, delete, import, export and clone.
#include <cstdio>
#include <memory>
#include <string>

#include "controls/file_dialog_helper.h"
#include "editing/function_page_export_path.h"
#include "editing/wheel_events_name_clash.h"
#include "editing/wheel_events_tab.h"
#include "editing/document_identity.h"
#include "model/file_names.h"
#include "model/ids.h"
#include "model/string_table.h"
#include "model/talvo.h"
#include "pagebase/error_box.h"

namespace Talvo {

namespace {

constexpr int kNameFieldCharacters = 512;  // the terminator included

bool AskOverride(CWnd& page) {
  const wchar_t* caption = GetString(184);
  return page.MessageBox(L"Override existing Settings with the same name? [Yes][No]",
                         caption != nullptr ? caption : L"Quillon", MB_YESNO) == IDYES;
}

XmlWheelEvents* FirstNamed(const XmlWheelEventsDir& folder, const std::wstring& name) {
  for (int i = 0; i < folder.Count(); ++i) {
    if (folder.GetWheelEvents(i)->GetDisplayName() == name) return folder.GetWheelEvents(i);
  }
  return nullptr;
}

}  // namespace

void WheelEventsTab::ApplyOrReport(const XmlWheelEvents& set) {
  if (!set.Apply()) ShowErrorBox(GetSafeHwnd(), L"Can't apply the settings \"" + set.GetDisplayName() + L"\"!");
}

void WheelEventsTab::NewWheelEvents() {
  XmlWheelEventsDir* folder = GetTalvo().GetWheelEventsDir();
  XmlTalvo* main = GetTalvo().GetMainDocument();
  if (folder == nullptr || main == nullptr) return;
  const XmlWheelEvents* set = folder->CreateNew();
  ShowName(set->GetDisplayName(), true);
  menu_.AddItem(set->GetDisplayName());
  menu_.SetWindowText(menu_.GetItemText(main->GetSelectedWheelEvents()).c_str());
  tabs_.Rebuild();
}

void WheelEventsTab::SelectWheelEvents() {
  const int chosen = menu_.GetChosenItem();
  XmlTalvo* main = GetTalvo().GetMainDocument();
  if (chosen <= 0 || main == nullptr) return;
  main->SetSelectedWheelEvents(chosen - 1);
  menu_.SetWindowText(menu_.GetItemText(chosen - 1).c_str());
  if (const XmlWheelEvents* set = GetTalvo().GetWheelEvents(chosen - 1)) {
    ShowName(set->GetDisplayName(), true);
    if (set->IsSaved()) ApplyOrReport(*set);
  } else {
    ShowName(L"", false);
  }
  tabs_.Rebuild();
}

void WheelEventsTab::RenameWheelEvents() {
  Talvo& root = GetTalvo();
  const int index = root.GetMainDocument() != nullptr ? root.GetMainDocument()->GetSelectedWheelEvents() : -1;
  XmlWheelEvents* set = root.GetWheelEvents(index);
  if (set == nullptr) return;
  wchar_t buffer[kNameFieldCharacters] = {};
  name_.GetWindowText(buffer, kNameFieldCharacters);
  // Only the display name changes: the file is named after the set's id.
  menu_.SetWindowText(buffer);
  menu_.SetItemText(index, buffer);
  set->SetDisplayName(buffer);
}

void WheelEventsTab::SaveWheelEvents() {
  Talvo& root = GetTalvo();
  XmlWheelEvents* set = root.GetCurrentWheelEvents();
  if (set == nullptr) return;
  root.EnsureDataFolders();
  if (set->Save()) ApplyOrReport(*set);
}

void WheelEventsTab::DeleteWheelEvents() {
  Talvo& root = GetTalvo();
  const XmlWheelEventsDir* folder = root.GetWheelEventsDir();
  XmlTalvo* main = root.GetMainDocument();
  if (folder == nullptr || main == nullptr || folder->Count() == 0 || folder->Count() != menu_.GetItemCount()) return;
  const int index = main->GetSelectedWheelEvents();
  // The category pages point into the set about to go.
  tabs_.RemoveAllPages();
  if (root.DeleteCurrentWheelEvents()) {
    menu_.RemoveItem(index);
    ShowCurrentWheelEvents();
    tabs_.Rebuild();
    if (const XmlWheelEvents* current = root.GetCurrentWheelEvents(); current != nullptr && current->IsSaved()) {
      ApplyOrReport(*current);
    }
    return;
  }
  const DWORD error = GetLastError();
  tabs_.Rebuild();
  wchar_t text[256];
  std::swprintf(text, 256, L"Can not delete (error %i\n)", static_cast<int>(error));
  MessageBox(text, nullptr, MB_OK);
}

void WheelEventsTab::ImportWheelEvents() {
  Talvo& root = GetTalvo();
  XmlWheelEventsDir* folder = root.GetWheelEventsDir();
  XmlTalvo* main = root.GetMainDocument();
  if (folder == nullptr || main == nullptr) return;
  FileDialogHelper dialog;
  dialog.title = L"Open Quillon WheelEvents";
  dialog.filter = {{L"All", L"*.*"}, {L"Xml", L"*.XML"}};
  dialog.filterIndex = 2;
  if (!dialog.Open()) return;
  auto imported = std::make_unique<XmlWheelEvents>(folder);
  const int loaded = imported->Load(PathFromWide(dialog.GetPath()));
  if (loaded == kXmlCannotParse) return;  // the document has reported it
  if (loaded != kXmlOk || !imported->HasEvents()) {
    ShowErrorBox(GetSafeHwnd(), L"Can't load file!\n" + dialog.GetPath());
    return;
  }
  imported->SetProperty("time", MakeUniqueId());

  // Whatever set is replaced or added, the category pages are made again from it.
  tabs_.RemoveAllPages();
  XmlWheelEvents* target = FirstNamed(*folder, imported->GetDisplayName());
  if (target != nullptr && AskOverride(*this)) {
    // The existing set keeps its id, its file and its place in the menu, and takes the content.
    const std::wstring fileName = target->XmlDocument::GetName();
    imported->SetId(target->GetId());
    target->CopyFrom(*imported);
    target->XmlDocument::SetName(fileName);
    main->SetSelectedWheelEvents(folder->IndexOf(target));
  } else {
    GiveFreshIdentityWhenTaken(*folder, *imported);
    RenameWhileNameTaken(this, *imported, *folder);
    target = static_cast<XmlWheelEvents*>(folder->Add(std::move(imported)));
    main->SetSelectedWheelEvents(folder->Count() - 1);
    menu_.AddItem(target->GetDisplayName());
  }
  target->Parse();
  ShowAddedSet(*target);
  tabs_.Rebuild();
  root.EnsureDataFolders();
  if (target->Save()) ApplyOrReport(*target);
}

void WheelEventsTab::ExportWheelEvents() {
  const XmlWheelEvents* set = GetTalvo().GetCurrentWheelEvents();
  if (set == nullptr) return;
  FileDialogHelper dialog;
  dialog.title = L"Export Current WheelEvents";
  dialog.filter = {{L"Xml", L"*.XML"}};
  dialog.filterIndex = 2;
  dialog.defaultExtension = L"xml";
  if (!dialog.Save()) return;
  const std::filesystem::path path = ExportPathOf(dialog.GetPath());
  // Written from the set itself: writing changes nothing of it.
  if (set->SaveAs(path) != kXmlOk) ShowErrorBox(GetSafeHwnd(), L"Can't save file!\n" + PathForDisplay(path));
}

void WheelEventsTab::CloneWheelEvents() {
  Talvo& root = GetTalvo();
  XmlWheelEventsDir* folder = root.GetWheelEventsDir();
  XmlTalvo* main = root.GetMainDocument();
  const XmlWheelEvents* source = root.GetCurrentWheelEvents();
  if (folder == nullptr || main == nullptr || source == nullptr) return;
  std::unique_ptr<XmlDocument> duplicate = source->Duplicate();
  auto& clone = static_cast<XmlWheelEvents&>(*duplicate);
  clone.SetDisplayName(source->GetDisplayName() + L"(clone)");
  clone.SetProperty("time", MakeUniqueId());
  GiveFreshIdentityWhenTaken(*folder, clone);  // the source always carries the same id
  clone.Parse();
  auto* added = static_cast<XmlWheelEvents*>(folder->Add(std::move(duplicate)));
  main->SetSelectedWheelEvents(folder->Count() - 1);
  menu_.AddItem(added->GetDisplayName());
  ShowAddedSet(*added);
  tabs_.Rebuild();
}

}  // namespace Talvo
