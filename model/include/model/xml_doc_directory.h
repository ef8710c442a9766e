// XmlDocDirectory: a folder of documents of one kind. It owns its documents, in the order they were
// loaded or added.
#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "model/xml_document.h"

namespace Talvo {

class XmlDocDirectory {
 public:
  explicit XmlDocDirectory(std::filesystem::path folder = {});
  virtual ~XmlDocDirectory();
  XmlDocDirectory(const XmlDocDirectory&) = delete;
  XmlDocDirectory& operator=(const XmlDocDirectory&) = delete;

  const std::filesystem::path& GetFolder() const { return folder_; }
  void SetFolder(const std::filesystem::path& folder) { folder_ = folder; }

  int Count() const { return static_cast<int>(documents_.size()); }
  // The document at an index; null for a negative index or one past the end.
  XmlDocument* GetAt(int index) const;
  int IndexOf(const XmlDocument* document) const;
  // Appends a document; the folder owns it and becomes its owner. Returns it.
  XmlDocument* Add(std::unique_ptr<XmlDocument> document);
  // Takes a document out of the folder without touching its file; the caller owns it.
  std::unique_ptr<XmlDocument> Release(int index);

  // Deletes the file <folder>/<document name>.xml when it exists, then destroys the document and takes it
  // out of the folder. False when the index is invalid or the file cannot be deleted (the last error is
  // set and nothing changes).
  bool DeleteFile(int index);

  // Loads every "*.xml" file of the folder, in file-name order, keeping the documents that parse and that
  // Accepts() takes. A file that cannot be read or parsed (or whose name is not valid UTF-8) is named in
  // the script listener, left out and left on disk as it is. Returns the number loaded.
  int LoadAll();

  // Saves every unsaved document; false when one of them fails.
  bool SaveAll();
  bool HasUnsaved() const;

  // A new document id that no document of the folder uses as its id or name and no file of the folder
  // is named after.
  std::wstring NewUniqueId(int number) const;

 protected:
  // A new empty document of the folder's kind.
  virtual std::unique_ptr<XmlDocument> NewDocument();
  // Whether a loaded file is a document of the folder's kind.
  virtual bool Accepts(const XmlDocument& document) const;

 private:
  std::filesystem::path folder_;
  std::vector<std::unique_ptr<XmlDocument>> documents_;
};

}  // namespace Talvo
