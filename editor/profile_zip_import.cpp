#include "editor/profile_zip_import.h"

#include <host/debug.h>

#include <algorithm>
#include <cwctype>
#include <exception>
#include <map>
#include <set>
#include <unordered_map>

#include "pagebase/error_box.h"
#include "editing/document_identity.h"
#include "editing/h_function_rename_dlg.h"
#include "editor/imported_profile_placement.h"
#include "editor/zip_archive_reader.h"
#include "engine/messages.h"
#include "model/editor_window.h"
#include "model/ids.h"
#include "model/parallel_for.h"
#include "model/save_batch.h"
#include "model/string_table.h"
#include "model/talvo.h"
#include "model/text.h"
#include "model/vocabulary.h"

namespace Talvo {

namespace {

HWND WindowOf(CWnd* window) { return window != nullptr ? window->GetSafeHwnd() : nullptr; }

// The entry's file name without folder and extension.
std::wstring DocumentNameOfEntry(const std::wstring& entryName) {
  std::wstring name = entryName.substr(entryName.rfind(L'/') + 1);
  if (const std::size_t dot = name.rfind(L'.'); dot != std::wstring::npos && dot > 0) name.resize(dot);
  return name;
}

bool EndsWithXml(const std::wstring& name) {
  if (name.size() < 4) return false;
  std::wstring tail = name.substr(name.size() - 4);
  for (wchar_t& c : tail) c = static_cast<wchar_t>(std::towlower(c));
  return tail == L".xml";
}

// The trace of the entries read, "<index>   <size>  " a line, printed at once when reading ends.
class TraceLines {
 public:
  TraceLines() = default;
  TraceLines(const TraceLines&) = delete;
  TraceLines& operator=(const TraceLines&) = delete;
  ~TraceLines() {
    if (!text_.empty()) DebugPrint(L"%s", text_.c_str());
  }
  void Add(int index, std::size_t size) {
    text_ += std::to_wstring(index) + L"   " + std::to_wstring(static_cast<int>(size)) + L"  \n";
  }

 private:
  std::wstring text_;
};

// Kind normalised, cases upgraded when older than version 1003, and the "Override Mode" case present.
void PrepareFunction(XmlFunction& function) {
  function.NormalizeKind();
  if (ParseInt(function.PropertyBytes("version"), 0) < 1003) function.UpgradeCases();
  function.EnsureOverrideMode();
}

// Adds one parsed entry to the archive's documents; false with `error` set when it must be refused.
bool TakeEntry(const std::wstring& documentName, XmlDocument& parsed, std::set<std::wstring>& functionNames,
               ProfileArchive& archive, std::wstring& error) {
  const bool recognised = parsed.HasNode(TALVO_XML_PROFILE) || parsed.HasNode(TALVO_XML_CUSTOMSCRIPTS) ||
                          parsed.HasNode(TALVO_XML_FUNCTION);
  if (!recognised) return true;  // entries of other kinds are not ours to import
  if (parsed.HasNode(TALVO_XML_PROFILE)) {
    archive.profile = std::make_unique<XmlProfile>(nullptr);
    archive.profile->AdoptTree(parsed);
    archive.profile->XmlDocument::SetName(documentName);
  } else if (parsed.HasNode(TALVO_XML_CUSTOMSCRIPTS)) {
    archive.scripts = std::make_unique<XmlCustomScripts>(nullptr);
    archive.scripts->AdoptTree(parsed);
    archive.scripts->XmlDocument::SetName(documentName);
  } else {
    // Identical copies under one name were left out before parsing; two different documents under one
    // name cannot both be imported faithfully.
    if (!functionNames.insert(documentName).second) {
      error = L"the archive holds two different functions named " + QuotedEntryName(documentName);
      return false;
    }
    auto function = std::make_unique<XmlFunction>(nullptr);
    function->AdoptTree(parsed);
    function->XmlDocument::SetName(documentName);
    PrepareFunction(*function);
    archive.functions.push_back(std::move(function));
  }
  return true;
}

// Marks the later copies of an entry (the same document name and the same bytes), as a function on several
// keys is stored once per key: they are the same document, so they need no parse.
std::vector<bool> LaterCopies(const std::vector<ZipEntry>& entries, const std::vector<std::wstring>& names) {
  std::vector<bool> copies(entries.size(), false);
  std::map<std::wstring, std::vector<std::size_t>> firstOfName;  // entries that are no copy, by name
  for (std::size_t i = 0; i < entries.size(); ++i) {
    std::vector<std::size_t>& earlier = firstOfName[names[i]];
    copies[i] = std::any_of(earlier.begin(), earlier.end(),
                            [&](std::size_t j) { return entries[j].bytes == entries[i].bytes; });
    if (!copies[i]) earlier.push_back(i);
  }
  return copies;
}

// The folder's functions by name, kept up to date while the import adds to the folder: asking the folder
// reads every function's properties again for each imported function.
class FunctionIndex {
 public:
  explicit FunctionIndex(XmlFunctionDir& folder) {
    for (int i = 0; i < folder.Count(); ++i) Add(*folder.GetFunction(i));
  }
  void Add(XmlFunction& function) { byName_[function.GetName()].push_back(&function); }
  // In the folder's order.
  std::vector<XmlFunction*> Named(const std::wstring& name) const {
    const auto found = byName_.find(name);
    return found != byName_.end() ? found->second : std::vector<XmlFunction*>();
  }

 private:
  std::unordered_map<std::wstring, std::vector<XmlFunction*>> byName_;
};

// Renews the imported function's id when an existing function carries it (or it can name no file of its
// own), stores the function under its id, and points the imported profile's assignments at the new id.
void RenewClashingId(XmlFunctionDir& folder, XmlFunction& function, XmlProfile* profile, int position) {
  const std::wstring oldId = function.GetId();
  if (!GiveFreshIdentityWhenTaken(folder, function, [&folder, position] { return folder.NewUniqueId(position); })) {
    return;
  }
  if (profile != nullptr && !oldId.empty()) profile->ReplaceFunctionId(oldId, function.GetId());
}

// Lets the existing functions of the same name take the imported content (each keeps its file and id,
// and the imported profile's assignments follow). Returns the last of them, or null when none exists.
XmlFunction* OverrideSameNamed(const FunctionIndex& index, XmlFunction& function, XmlProfile* profile) {
  XmlFunction* standIn = nullptr;
  for (XmlFunction* existing : index.Named(function.GetName())) {
    const std::wstring oldId = function.GetId();
    function.SetId(existing->GetId());
    if (profile != nullptr && !oldId.empty()) profile->ReplaceFunctionId(oldId, existing->GetId());
    CopyDocumentKeepingFile(*existing, function);
    standIn = existing;
  }
  return standIn;
}

bool AnyNameTaken(const Talvo& root, const ProfileArchive& archive) {
  for (const auto& function : archive.functions) {
    if (root.CountFunctionsNamed(function->GetName()) > 0) return true;
  }
  return false;
}

void ImportFunctions(CWnd* page, Talvo& root, ProfileArchive& archive, XmlProfile* profile) {
  XmlFunctionDir& folder = *root.GetFunctions();
  bool override = folder.Count() == 0;
  if (!override && AnyNameTaken(root, archive)) {
    const wchar_t* product = GetString(184);
    override = MessageBoxW(WindowOf(page), L"Override existing functions with the same names? [Yes][No]",
                           product != nullptr ? product : L"Quillon", MB_YESNO) == IDYES;
  }
  FunctionIndex index(folder);
  int position = 0;
  for (auto& function : archive.functions) {
    ++position;
    function->SetProperty("time", MakeUniqueId());
    try {
      RenewClashingId(folder, *function, profile, position);
    } catch (const std::exception& exception) {
      MessageBoxW(WindowOf(page), Utf8ToWide(exception.what()).c_str(), L"Warning!", MB_OK | MB_ICONEXCLAMATION);
      continue;
    }
    XmlFunction* standIn = override ? OverrideSameNamed(index, *function, profile) : nullptr;
    if (standIn == nullptr) {
      while (!override && root.CountFunctionsNamed(function->GetName()) > 0) {
        if (RunFunctionRenameDlg(page, *function) != IDOK) break;
      }
      function->SetOwner(&folder);
      standIn = static_cast<XmlFunction*>(folder.Add(std::move(function)));
      index.Add(*standIn);
    }
    standIn->Save();
  }
}

}  // namespace

bool ReadProfileArchive(const std::filesystem::path& path, ProfileArchive& archive, std::wstring& error) {
  ZipArchiveReader reader;
  const ZipArchiveReader::Status status = reader.Read(path);
  if (status == ZipArchiveReader::Status::CannotOpen) {
    error = L"Can't open zip file";
    return false;
  }
  if (status == ZipArchiveReader::Status::Refused) {
    error = L"Can't import the zip file: " + reader.Error() + L".";
    return false;
  }
  std::vector<ZipEntry> entries = reader.TakeEntries();
  std::vector<std::wstring> documentNames;
  for (const ZipEntry& entry : entries) documentNames.push_back(DocumentNameOfEntry(entry.name));
  const std::vector<bool> copies = LaterCopies(entries, documentNames);
  // The entries are parsed on several threads, then taken on this one in archive order, so that the
  // refusal is the first one in the archive.
  std::vector<std::size_t> sizes;
  for (const ZipEntry& entry : entries) sizes.push_back(entry.bytes.size());
  std::vector<std::unique_ptr<XmlDocument>> parsed(entries.size());
  std::vector<int> parseResults(entries.size(), kXmlOk);
  ParallelFor(entries.size(), [&](std::size_t i) {
    if (copies[i]) return;
    parsed[i] = std::make_unique<XmlDocument>(nullptr);
    parseResults[i] = parsed[i]->ParseInPlace(std::move(entries[i].bytes));
  });
  std::set<std::wstring> functionNames;
  TraceLines trace;
  for (std::size_t i = 0; i < entries.size(); ++i) {
    const ZipEntry& entry = entries[i];
    trace.Add(static_cast<int>(i), sizes[i]);
    if (copies[i]) continue;
    if (parseResults[i] != kXmlOk) {
      if (!EndsWithXml(entry.name)) continue;  // not a document at all: nothing of ours
      error =
          L"Can't import the zip file: the entry " + QuotedEntryName(entry.name) + L" is not a readable XML document.";
      return false;
    }
    std::wstring problem;
    if (!TakeEntry(documentNames[i], *parsed[i], functionNames, archive, problem)) {
      error = L"Can't import the zip file: " + problem + L".";
      return false;
    }
  }
  if (!archive.profile && !archive.scripts && archive.functions.empty()) {
    error = L"Can't import the zip file: it holds no profile, function or custom scripts.";
    return false;
  }
  return true;
}

bool ImportProfileZip(CWnd* page, Talvo& root, const std::filesystem::path& path) {
  if (root.GetProfiles() == nullptr || root.GetFunctions() == nullptr) return false;
  ProfileArchive archive;
  std::wstring error;
  if (!ReadProfileArchive(path, archive, error)) {
    ShowErrorBox(WindowOf(page), error);
    return false;
  }
  root.EnsureDataFolders();

  // One action: every document is written first and all are put in place together below.
  SaveBatch saves;
  XmlProfile* profile = nullptr;
  if (archive.profile) profile = PlaceImportedProfile(page, root, std::move(archive.profile)).profile;
  if (!archive.functions.empty()) ImportFunctions(page, root, archive, profile);
  if (XmlCustomScripts* scripts = root.GetCustomScripts(); scripts != nullptr && archive.scripts) {
    scripts->Merge(*archive.scripts);
  }
  if (XmlCustomScripts* scripts = root.GetCustomScripts(); scripts != nullptr && !scripts->IsSaved()) scripts->Save();
  // Saved once, after the function import has pointed its assignments at renewed ids: a second save would
  // leave a backup beside a file that is new.
  if (profile != nullptr) profile->Save();
  saves.Commit();

  root.MigrateFunctions();
  // Merged and migrated scripts join the script drop-downs.
  RefreshScriptNames();
  if (HWND editor = EditorWindow(); editor != nullptr && IsWindow(editor)) {
    PostMessageW(editor, DocumentChangedMessage, 0, reinterpret_cast<LPARAM>(WindowOf(page)));
    PostMessageW(editor, TalvoDataChangedMessage, 0, reinterpret_cast<LPARAM>(WindowOf(page)));
    PostMessageW(editor, ScriptsChangedMessage, 0, 0);
  }
  return true;
}

}  // namespace Talvo
