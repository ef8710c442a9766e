// Every document of the data that an editing step can change: the main settings document, the custom
// scripts, the keyboard layouts, the functions and the profiles.
#pragma once

#include "model/talvo.h"

namespace Talvo {

template <typename Visit>
void ForEachRootDocument(const Talvo& root, Visit visit) {
  for (XmlDocument* single : {static_cast<XmlDocument*>(root.GetMainDocument()),
                              static_cast<XmlDocument*>(root.GetCustomScripts())}) {
    if (single != nullptr) visit(*single);
  }
  for (const XmlDocDirectory* folder : {static_cast<const XmlDocDirectory*>(root.GetKeyboards()),
                                        static_cast<const XmlDocDirectory*>(root.GetFunctions()),
                                        static_cast<const XmlDocDirectory*>(root.GetProfiles())}) {
    for (int i = 0; folder != nullptr && i < folder->Count(); ++i) visit(*folder->GetAt(i));
  }
}

}  // namespace Talvo
