// Shared set-up of the overlay tests: a host on its own data folder with the documents loaded,
// and helpers that build functions with cases and assign them to keys.
#pragma once

#include <max.h>

#include <string>

#include "model/talvo.h"
#include "model/vocabulary.h"
#include "support/data_folder_fixture.h"

namespace Talvo::testing {

class OverlayTest : public DataFolderTest {
 protected:
  void SetUp() override;
  void TearDown() override;

  XmlProfile& Profile() { return *GetTalvo().GetCurrentProfile(); }
  XmlKeyboard& Layout() { return *GetTalvo().GetCurrentKeyboard(); }
  int KeyOf(UINT virtualKey) { return Layout().GetKeyOfVirt(static_cast<int>(virtualKey)); }
  // A new function of a kind assigned to a key (virtual-key code) of the current profile.
  XmlFunction* AssignNewFunction(UINT virtualKey, int kind, bool learning = true);

  // Cases of each group; the command cases name a host action of table kTestTable (kMissingCommand: one
  // the host does not have).
  void AddActionCase(XmlFunction& function, const CaseKeys& keys, const std::wstring& text,
                     int command = kTestCommand);
  void AddOriginalKeyCase(XmlFunction& function, const CaseKeys& keys);
  // Returns the new script's id.
  std::wstring AddScriptCase(XmlFunction& function, const CaseKeys& keys, const std::wstring& scriptName);

  static constexpr ActionTableId kTestTable = 0x7a11;
  static constexpr int kTestCommand = 41;
  static constexpr int kMissingCommand = 1041;
};

}  // namespace Talvo::testing
