#include "model/xml_doc_directory.h"

#include <windows.h>

#include <algorithm>
#include <optional>
#include <system_error>

#include "model/file_names.h"
#include "model/ids.h"
#include "model/parallel_for.h"
#include "model/whole_file.h"
#include "unloadable_document.h"

namespace Talvo {

XmlDocDirectory::XmlDocDirectory(std::filesystem::path folder) : folder_(std::move(folder)) {}

XmlDocDirectory::~XmlDocDirectory() = default;

XmlDocument* XmlDocDirectory::GetAt(int index) const {
  if (index < 0 || index >= Count()) return nullptr;
  return documents_[static_cast<size_t>(index)].get();
}

int XmlDocDirectory::IndexOf(const XmlDocument* document) const {
  for (int i = 0; i < Count(); ++i) {
    if (documents_[static_cast<size_t>(i)].get() == document) return i;
  }
  return -1;
}

XmlDocument* XmlDocDirectory::Add(std::unique_ptr<XmlDocument> document) {
  if (!document) return nullptr;
  document->SetOwner(this);
  documents_.push_back(std::move(document));
  return documents_.back().get();
}

std::unique_ptr<XmlDocument> XmlDocDirectory::Release(int index) {
  if (index < 0 || index >= Count()) return nullptr;
  std::unique_ptr<XmlDocument> document = std::move(documents_[static_cast<size_t>(index)]);
  documents_.erase(documents_.begin() + index);
  document->SetOwner(nullptr);
  return document;
}

bool XmlDocDirectory::DeleteFile(int index) {
  XmlDocument* document = GetAt(index);
  if (!document) {
    SetLastError(ERROR_INVALID_INDEX);
    return false;
  }
  const std::filesystem::path path = document->GetFilePath();
  std::error_code error;
  if (!path.empty() && std::filesystem::exists(path, error)) {
    // The system's own reason for a failed deletion stays in the last error.
    const std::optional<std::wstring> file = WideFromPath(path);
    if (!file) {
      SetLastError(ERROR_INVALID_NAME);
      return false;
    }
    if (!::DeleteFileW(file->c_str())) return false;
  }
  documents_.erase(documents_.begin() + index);
  return true;
}

int XmlDocDirectory::LoadAll() {
  if (folder_.empty()) return 0;
  FolderFiles files(folder_);
  // Everything named "*.xml" but a folder is meant as a document; one that cannot be read is named.
  const std::vector<std::string> names = files.NamesEndingIn(".xml");
  std::vector<std::unique_ptr<XmlDocument>> documents(names.size());
  for (auto& document : documents) document = NewDocument();
  // The files are read and checked on several threads; the documents take them, and the files that
  // cannot be loaded are named, on this thread in file-name order.
  std::vector<XmlDocument::CheckedFile> checked(names.size());
  ParallelFor(names.size(), [&](std::size_t i) { checked[i] = documents[i]->Check(files, names[i]); });
  int loaded = 0;
  for (std::size_t i = 0; i < names.size(); ++i) {
    std::unique_ptr<XmlDocument> document = std::move(documents[i]);
    if (const int result = document->Load(files, names[i], std::move(checked[i])); result != kXmlOk) {
      ReportUnloadableDocument(folder_ / names[i], result);
      continue;
    }
    if (!Accepts(*document)) continue;  // a file of another kind is not this folder's
    Add(std::move(document));
    ++loaded;
  }
  return loaded;
}

bool XmlDocDirectory::SaveAll() {
  bool ok = true;
  for (const auto& document : documents_) {
    if (!document->IsSaved() && !document->Save()) ok = false;
  }
  return ok;
}

bool XmlDocDirectory::HasUnsaved() const {
  return std::any_of(documents_.begin(), documents_.end(), [](const auto& d) { return !d->IsSaved(); });
}

std::wstring XmlDocDirectory::NewUniqueId(int number) const {
  return NewDocumentId(number, [this](const std::wstring& id) {
    for (const auto& document : documents_) {
      if (document->GetId() == id || document->GetName() == id) return true;
    }
    std::error_code error;
    return !folder_.empty() && std::filesystem::exists(folder_ / PathFromWide(id + L".xml"), error);
  });
}

std::unique_ptr<XmlDocument> XmlDocDirectory::NewDocument() { return std::make_unique<XmlDocument>(this); }

bool XmlDocDirectory::Accepts(const XmlDocument&) const { return true; }

}  // namespace Talvo
