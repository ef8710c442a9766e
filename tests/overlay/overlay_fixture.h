// Shared set-up of the overlay tests: a fresh host on its own root folder with the documents loaded,
// and helpers that build functions with cases and assign them to keys.
#pragma once

#include <windows.h>
#include <win32/simulation.h>

#include <gtest/gtest.h>
#include <host/directories.h>
#include <host/simulation.h>
#include <max.h>
#include <mfc/simulation.h>

#include <filesystem>
#include <string>

#include "model/talvo.h"
#include "model/vocabulary.h"

namespace Talvo::testing {

class OverlayTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  XmlProfile& Profile() { return *GetTalvo().GetCurrentProfile(); }
  XmlKeyboard& Layout() { return *GetTalvo().GetCurrentKeyboard(); }
  int KeyOf(UINT virtualKey) { return Layout().GetKeyOfVirt(static_cast<int>(virtualKey)); }
  // A new function of a kind assigned to a key (virtual-key code) of the current profile.
  XmlFunction* AssignNewFunction(UINT virtualKey, int kind, bool learning = true);

  // Cases of each group; the command cases name the host action kTestCommand of table kTestTable.
  void AddActionCase(XmlFunction& function, const CaseKeys& keys, const std::wstring& text);
  void AddMissingActionCase(XmlFunction& function, const CaseKeys& keys, const std::wstring& text);
  void AddOriginalKeyCase(XmlFunction& function, const CaseKeys& keys);
  // Returns the new script's id.
  std::wstring AddScriptCase(XmlFunction& function, const CaseKeys& keys, const std::wstring& scriptName);

  static constexpr ActionTableId kTestTable = 0x7a11;
  static constexpr int kTestCommand = 41;
  std::filesystem::path root_;
};

}  // namespace Talvo::testing
