#include "model/talvo.h"

#include <windows.h>

#include <host/core_interface.h>
#include <host/directories.h>

#include <system_error>

#include "atomic_file.h"
#include "model/editor_window.h"
#include "model/file_names.h"
#include "model/ids.h"
#include "model/resources.h"
#include "model/string_table.h"
#include "model/text.h"
#include "model/vocabulary.h"
#include "unloadable_document.h"

namespace Talvo {

namespace {

constexpr const char* kLayoutsFolder = "Layouts";
constexpr const char* kProfilesFolder = "Profiles";
constexpr const char* kFunctionsFolder = "Functions";
constexpr const char* kWheelEventsFolder = "WheelEvents";

bool CreateFolder(const std::filesystem::path& folder, bool* created = nullptr) {
  std::error_code error;
  const bool made = std::filesystem::create_directories(folder, error);
  if (created) *created = made;
  return std::filesystem::is_directory(folder, error);
}

}  // namespace

Talvo::Talvo() = default;
Talvo::~Talvo() = default;

Talvo& GetTalvo() {
  static Talvo root;
  return root;
}

void Talvo::Clear() {
  main_ = nullptr;
  options_ = nullptr;
  scripts_ = nullptr;
  learningKeyButton_ = nullptr;
  settings_.reset();
  keyboards_.reset();
  profiles_.reset();
  functions_.reset();
  wheelEvents_.reset();
}

bool Talvo::Load() {
  Interface* core = GetCOREInterface();
  const MCHAR* folder = core ? core->GetDir(APP_PLUGCFG_DIR) : nullptr;
  if (!folder || !*folder) return false;
  return Load(PathFromWide(folder) / "Talvo");
}

template <typename Document>
Document* Talvo::LoadSingle(const char* fileName, const char* resource, bool (Document::*isValid)() const) {
  const std::filesystem::path path = dataFolder_ / fileName;
  auto document = std::make_unique<Document>(settings_.get());
  std::error_code error;
  const bool exists = std::filesystem::exists(path, error);
  const int result = exists ? document->Load(path) : kXmlCannotOpen;
  if (result != kXmlOk || !(document.get()->*isValid)()) {
    // First start, or an unreadable file: start from the default document. An unreadable file is named
    // and left where it is until the user saves the default over it (its content is kept as .bak then).
    if (exists) ReportUnloadableDocument(path, result);
    document = std::make_unique<Document>(settings_.get());
    if (const auto bytes = FindResource(resource)) document->Parse(*bytes);
    document->XmlDocument::SetName(Utf8ToWide(path.stem().native()));
    if (!exists) document->Save();
  }
  return static_cast<Document*>(settings_->Add(std::move(document)));
}

void Talvo::InstallDefaults(const std::filesystem::path& folder, const std::string& resourceFolder) {
  const std::string prefix = "documents/" + resourceFolder + "/";
  for (const EmbeddedResource& resource : EmbeddedResources()) {
    if (resource.path.substr(0, prefix.size()) != prefix) continue;
    const std::filesystem::path target = folder / std::string(resource.path.substr(prefix.size()));
    std::error_code error;
    if (!std::filesystem::exists(target, error)) WriteFileAtomically(target, resource.bytes);
  }
}

bool Talvo::EnsureDataFolders() {
  if (dataFolder_.empty()) return false;
  return CreateFolder(dataFolder_ / kProfilesFolder) && CreateFolder(dataFolder_ / kFunctionsFolder) &&
         CreateFolder(dataFolder_ / kWheelEventsFolder);
}

bool Talvo::Load(const std::filesystem::path& dataFolder) {
  Clear();
  dataFolder_ = dataFolder;
  bool created = false;
  if (!CreateFolder(dataFolder_, &created)) return false;
  const bool firstStart = created || !std::filesystem::exists(dataFolder_ / "Talvo.xml");

  settings_ = std::make_unique<XmlDocDirectory>(dataFolder_);
  main_ = LoadSingle<XmlTalvo>("Talvo.xml", "documents/Talvo.xml", &XmlTalvo::IsMainDocument);
  options_ = LoadSingle<XmlOptions>("TalvoOptions.xml", "documents/TalvoOptions.xml", &XmlOptions::IsOptionsDocument);
  scripts_ = LoadSingle<XmlCustomScripts>("TalvoCustomScripts.xml", "documents/TalvoCustomScripts.xml",
                                          &XmlCustomScripts::IsCustomScriptsDocument);

  const std::filesystem::path layouts = dataFolder_ / kLayoutsFolder;
  CreateFolder(layouts);
  keyboards_ = std::make_unique<XmlKeyboardDir>(layouts);
  if (keyboards_->LoadAll() == 0) {
    InstallDefaults(layouts, "layouts");
    keyboards_->LoadAll();
  }

  EnsureDataFolders();
  profiles_ = std::make_unique<XmlProfileDir>(dataFolder_ / kProfilesFolder);
  functions_ = std::make_unique<XmlFunctionDir>(dataFolder_ / kFunctionsFolder);
  wheelEvents_ = std::make_unique<XmlWheelEventsDir>(dataFolder_ / kWheelEventsFolder);
  wheelEvents_->SetMainDocument(main_);
  if (firstStart) {
    InstallDefaults(profiles_->GetFolder(), "profiles");
    InstallDefaults(wheelEvents_->GetFolder(), "wheelevents");
  }
  profiles_->LoadAll();
  functions_->LoadAll();
  wheelEvents_->LoadAll();
  ClampSelections();
  return true;
}

// Stored indices that point past the end of their folder (files removed outside the program, or left
// out because they could not be read) are moved to the last document, in memory only: start-up writes
// nothing the user did not change, so a folder repaired by hand finds its selection again.
void Talvo::ClampSelections() {
  main_->ClampSelections(profiles_->Count(), functions_->Count(), wheelEvents_->Count());
}

// --- profiles -------------------------------------------------------------------------------------

XmlProfile* Talvo::GetProfile(int index) const { return profiles_ ? profiles_->GetProfile(index) : nullptr; }

XmlProfile* Talvo::GetCurrentProfile() const { return main_ ? GetProfile(main_->GetSelectedProfile()) : nullptr; }

int Talvo::CountProfilesNamed(const std::wstring& name) const { return profiles_ ? profiles_->CountNamed(name) : 0; }

void Talvo::SetCurrentProfile(int index) {
  if (main_) main_->SetSelectedProfile(index);
}

std::wstring Talvo::UniqueName(const std::wstring& base, int (Talvo::*count)(const std::wstring&) const) const {
  std::wstring name = base;
  for (int n = 1; (this->*count)(name) > 0; ++n) {
    name = base + (n < 10 ? L" 0" : L" ") + std::to_wstring(n);
  }
  return name;
}

XmlProfile* Talvo::NewProfile() {
  if (!profiles_) return nullptr;
  auto profile = std::make_unique<XmlProfile>(profiles_.get());
  const std::wstring id = profiles_->NewUniqueId(profiles_->Count());
  profile->SetProperty("name", UniqueName(L"New Profile", &Talvo::CountProfilesNamed));
  profile->SetId(id);
  profile->SetProperty("version", L"1000");
  profile->SetProperty("time", MakeUniqueId());
  const XmlKeyboard* keyboard = GetCurrentKeyboard();
  profile->SetLayout(keyboard ? keyboard->GetName() : main_ ? main_->GetSelectedLayout() : L"");
  profile->AppendRootElement(TALVO_XML_PROFILE);
  profile->XmlDocument::SetName(id);
  return static_cast<XmlProfile*>(profiles_->Add(std::move(profile)));
}

bool Talvo::DeleteSelected(XmlDocDirectory* folder, int (XmlTalvo::*selected)() const,
                           void (XmlTalvo::*select)(int)) {
  if (!main_ || !folder) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return false;
  }
  const int index = (main_->*selected)();
  if (!folder->DeleteFile(index)) return false;
  (main_->*select)(index > 0 ? index - 1 : 0);
  return true;
}

bool Talvo::DeleteCurrentProfile() {
  return DeleteSelected(profiles_.get(), &XmlTalvo::GetSelectedProfile, &XmlTalvo::SetSelectedProfile);
}

void Talvo::SetQuickProfileActive(int slot, bool active) {
  if (!main_ || slot < 0 || slot >= kQuickSlotCount) return;
  main_->SetQuickActive(slot, active);
  if (!active) return;
  const int profile = main_->GetQuickProfile(slot);
  if (GetProfile(profile)) SetCurrentProfile(profile);
  for (int other = 0; other < kQuickSlotCount; ++other) {
    if (other != slot) main_->SetQuickActive(other, false);
  }
}

// --- layouts --------------------------------------------------------------------------------------

int Talvo::GetCurrentKeyboardIndex() const {
  if (!keyboards_) return -1;
  // A profile's key numbers belong to the layout it names: when that layout is gone there is none, never
  // another layout whose numbers would mean other keys.
  if (const XmlProfile* profile = GetCurrentProfile()) return keyboards_->IndexOfName(profile->GetLayout());
  return main_ ? keyboards_->IndexOfName(main_->GetSelectedLayout()) : -1;
}

XmlKeyboard* Talvo::GetCurrentKeyboard() const {
  return keyboards_ ? keyboards_->GetKeyboard(GetCurrentKeyboardIndex()) : nullptr;
}

void Talvo::SetKeyboard(int index) {
  const XmlKeyboard* keyboard = keyboards_ ? keyboards_->GetKeyboard(index) : nullptr;
  if (keyboard && main_) main_->SetSelectedLayout(keyboard->GetName());
}

// --- functions ------------------------------------------------------------------------------------

XmlFunction* Talvo::GetFunction(int index) const { return functions_ ? functions_->GetFunction(index) : nullptr; }

XmlFunction* Talvo::GetCurrentFunction() const { return main_ ? GetFunction(main_->GetSelectedFunction()) : nullptr; }

int Talvo::IndexOfFunctionById(const std::wstring& id) const { return functions_ ? functions_->IndexOfId(id) : -1; }

XmlFunction* Talvo::FindFunctionById(const std::wstring& id) const {
  return id.empty() ? nullptr : GetFunction(IndexOfFunctionById(id));
}

int Talvo::CountFunctionsNamed(const std::wstring& name) const {
  return functions_ ? functions_->CountNamed(name) : 0;
}

XmlFunction* Talvo::CreateFunction(int kind) {
  if (!functions_ || kind < kKindMultiTapModifiers || kind > kKindContextSensitive) return nullptr;
  auto function = std::make_unique<XmlFunction>(functions_.get());
  const std::wstring id = functions_->NewUniqueId(functions_->Count());
  function->SetProperty("name", UniqueName(L"New Function", &Talvo::CountFunctionsNamed));
  function->SetId(id);
  function->SetProperty("version", kCurrentFunctionVersion);
  function->SetProperty("time", MakeUniqueId());
  function->SetDependent(kind);
  function->SetForceVI(false);
  function->FillDefaultCases(kind);
  function->XmlDocument::SetName(id);
  auto* added = static_cast<XmlFunction*>(functions_->Add(std::move(function)));
  if (main_) main_->SetSelectedFunction(functions_->Count() - 1);
  return added;
}

bool Talvo::MigrateFunction(XmlFunction* function) {
  return function && scripts_ && function->MigrateScripts(*scripts_);
}

void Talvo::MigrateFunctions() {
  for (int i = 0; functions_ && i < functions_->Count(); ++i) MigrateFunction(functions_->GetFunction(i));
}

// --- wheel events ---------------------------------------------------------------------------------

XmlWheelEvents* Talvo::GetWheelEvents(int index) const {
  return wheelEvents_ ? wheelEvents_->GetWheelEvents(index) : nullptr;
}

XmlWheelEvents* Talvo::GetCurrentWheelEvents() const {
  return main_ ? GetWheelEvents(main_->GetSelectedWheelEvents()) : nullptr;
}

int Talvo::CountWheelEventsNamed(const std::wstring& displayName) const {
  return wheelEvents_ ? wheelEvents_->CountNamed(displayName) : 0;
}

bool Talvo::DeleteCurrentWheelEvents() {
  return DeleteSelected(wheelEvents_.get(), &XmlTalvo::GetSelectedWheelEvents, &XmlTalvo::SetSelectedWheelEvents);
}

// --- options and saving ---------------------------------------------------------------------------

bool Talvo::GetOption(const std::wstring& name) {
  if (!options_) return false;
  options_->AddOption(kOptionsGeneral, name, 0);
  return options_->GetOption(kOptionsGeneral, name) == 1;
}

bool Talvo::HasUnsaved() const {
  return (settings_ && settings_->HasUnsaved()) || (profiles_ && profiles_->HasUnsaved()) ||
         (functions_ && functions_->HasUnsaved()) || (wheelEvents_ && wheelEvents_->HasUnsaved());
}

bool Talvo::SaveAll() {
  if (!HasUnsaved()) return true;
  const wchar_t* product = GetString(184);
  if (MessageBoxW(nullptr, L"Some documents are not saved. Save them now?", product ? product : L"Quillon",
                  MB_YESNO | MB_ICONQUESTION) != IDYES) {
    return true;
  }
  EnsureDataFolders();
  bool ok = settings_->SaveAll();
  ok = profiles_->SaveAll() && ok;
  ok = functions_->SaveAll() && ok;
  ok = wheelEvents_->SaveAll() && ok;
  return ok;
}

void Talvo::OnHostShutdown() {
  if (HWND editor = EditorWindow(); editor && IsWindow(editor)) SendMessageW(editor, WM_CLOSE, 0, 0);
  SaveAll();
}

}  // namespace Talvo
