// A copy of the data an editing step can change: the main settings document, the custom scripts, the
// keyboard layouts, the functions and the profiles, each with its file and whether the file held it.
// Applying it puts back every document that differs and leaves the others (and their saved flags) alone.
#pragma once

#include <filesystem>
#include <map>
#include <memory>
#include <set>
#include <vector>

#include "model/talvo.h"

namespace Talvo {

class DataSnapshot {
 public:
  using Files = std::set<std::filesystem::path>;

  static DataSnapshot Take(const Talvo& root);
  // The files a step wrote or deleted, from the data before and after it.
  static Files FilesChangedBetween(const DataSnapshot& before, const DataSnapshot& after);

  // Documents that differ take the copy's name and content and become unsaved (saved again when their file
  // holds just that); documents missing from a folder are added and extra ones are dropped from it. Then each of `changedFiles` is made to
  // agree with the copy: written when the copy held it saved (or the file is gone), deleted when the copy
  // has no document there. True when a document or a folder changed.
  bool Apply(Talvo& root, const Files& changedFiles) const;
  // True when both copies hold the same documents (by file, name and content).
  bool SameDocuments(const DataSnapshot& other) const;
  // Approximate size in bytes.
  int Size() const;

 private:
  struct Entry {
    std::unique_ptr<XmlDocument> copy;
    std::filesystem::path file;  // empty for a document without a folder
    bool saved = false;
  };
  using Documents = std::vector<Entry>;

  static Entry Copy(const XmlDocument& document);
  static Documents Copy(const XmlDocDirectory* folder);
  static bool Restore(XmlDocDirectory* folder, const Documents& saved);
  std::map<std::filesystem::path, const Entry*> EntriesByFile() const;
  template <typename Visit>
  void ForEach(Visit visit) const;

  std::unique_ptr<Entry> main_, scripts_;
  Documents layouts_, functions_, profiles_;
};

}  // namespace Talvo
