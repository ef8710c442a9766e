// A copy of the data an editing step can change: the main settings document, the keyboard layouts, the
// functions and the profiles. Applying it puts back every document that differs and leaves the others
// (and their saved flags) alone.
#pragma once

#include <memory>
#include <vector>

#include "model/talvo.h"

namespace Talvo {

class DataSnapshot {
 public:
  static DataSnapshot Take(const Talvo& root);
  // Documents that differ take the copy's name and content and become unsaved; documents missing from a
  // folder are added (unsaved) and extra ones are dropped from it.
  void Apply(Talvo& root) const;
  // Approximate size in bytes.
  int Size() const;

 private:
  using Documents = std::vector<std::unique_ptr<XmlDocument>>;
  static Documents Copy(const XmlDocDirectory* folder);
  static void Restore(XmlDocDirectory* folder, const Documents& saved);

  std::unique_ptr<XmlDocument> main_;
  Documents layouts_, functions_, profiles_;
};

}  // namespace Talvo
