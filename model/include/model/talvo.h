// Talvo: the root object. It owns every document and folder of the program, loads them from the host's
// plug-in configuration folder (creating the default documents on first start), answers the current
// profile, layout, function and wheel-event set, and saves what is unsaved at the host's shutdown.
#pragma once

#include <filesystem>
#include <memory>
#include <string>

#include "model/xml_custom_scripts.h"
#include "model/xml_function.h"
#include "model/xml_keyboard.h"
#include "model/xml_options.h"
#include "model/xml_profile.h"
#include "model/xml_talvo.h"
#include "model/xml_wheel_events.h"

namespace Talvo {

class KeyButton;

class Talvo {
 public:
  Talvo();
  ~Talvo();
  Talvo(const Talvo&) = delete;
  Talvo& operator=(const Talvo&) = delete;

  // Loads every document from a data folder, creating the folders and the default documents that are
  // missing. Whatever was loaded before is dropped. False when the folder cannot be created.
  bool Load(const std::filesystem::path& dataFolder);
  // Loads from "Talvo" in the host's plug-in configuration folder.
  bool Load();
  // Drops every document (the folders and documents become absent).
  void Clear();
  const std::filesystem::path& GetDataFolder() const { return dataFolder_; }
  // Creates the profiles, functions and wheel-events folders on disk when they are missing.
  bool EnsureDataFolders();

  // The documents and folders; each may be null (before loading).
  XmlTalvo* GetMainDocument() const { return main_; }
  XmlOptions* GetOptions() const { return options_; }
  XmlCustomScripts* GetCustomScripts() const { return scripts_; }
  XmlKeyboardDir* GetKeyboards() const { return keyboards_.get(); }
  XmlProfileDir* GetProfiles() const { return profiles_.get(); }
  XmlFunctionDir* GetFunctions() const { return functions_.get(); }
  XmlWheelEventsDir* GetWheelEventsDir() const { return wheelEvents_.get(); }

  // The key button of the keyboard view that carries the learning interface, or null.
  KeyButton* GetLearningKeyButton() const { return learningKeyButton_; }
  void SetLearningKeyButton(KeyButton* button) { learningKeyButton_ = button; }

  // Profiles.
  XmlProfile* GetCurrentProfile() const;
  XmlProfile* GetProfile(int index) const;
  int CountProfilesNamed(const std::wstring& name) const;
  void SetCurrentProfile(int index);
  // A new profile on the current layout, appended to the folder (unsaved).
  XmlProfile* NewProfile();
  // Deletes the selected profile's file and document and selects the previous index (or 0). False with
  // the last error set when that fails.
  bool DeleteCurrentProfile();
  void SetQuickProfileActive(int slot, bool active);

  // Layouts.
  XmlKeyboard* GetCurrentKeyboard() const;
  int GetCurrentKeyboardIndex() const;
  void SetKeyboard(int index);

  // Functions.
  XmlFunction* GetCurrentFunction() const;
  XmlFunction* GetFunction(int index) const;
  XmlFunction* FindFunctionById(const std::wstring& id) const;
  int IndexOfFunctionById(const std::wstring& id) const;
  int CountFunctionsNamed(const std::wstring& name) const;
  // A new function of a kind 1100..1108 with a unique default name and its default cases; it becomes the
  // current function (unsaved). Null without the function folder.
  XmlFunction* CreateFunction(int kind);
  // Moves scripts embedded in a function's cases into the custom-scripts document.
  bool MigrateFunction(XmlFunction* function);
  void MigrateFunctions();

  // Wheel-event sets.
  XmlWheelEvents* GetCurrentWheelEvents() const;
  XmlWheelEvents* GetWheelEvents(int index) const;
  int CountWheelEventsNamed(const std::wstring& displayName) const;
  bool DeleteCurrentWheelEvents();

  // The boolean option of section "general"; created as 0 when missing.
  bool GetOption(const std::wstring& name);

  bool HasUnsaved() const;
  // Asks (Yes/No) whether to save the unsaved documents and saves them on Yes. True when nothing is left
  // unsaved or the user declined; false when a save failed.
  bool SaveAll();
  // The host is shutting down: closes the editor window, then SaveAll.
  void OnHostShutdown();

 private:
  template <typename Document>
  Document* LoadSingle(const char* fileName, const char* resource, bool (Document::*isValid)() const);
  void InstallDefaults(const std::filesystem::path& folder, const std::string& resourceFolder);
  void ClampSelections();
  // Deletes the folder's document at the main document's selected index and selects the one before it.
  bool DeleteSelected(XmlDocDirectory* folder, int (XmlTalvo::*selected)() const, void (XmlTalvo::*select)(int));
  std::wstring UniqueName(const std::wstring& base, int (Talvo::*count)(const std::wstring&) const) const;

  std::filesystem::path dataFolder_;
  std::unique_ptr<XmlDocDirectory> settings_;  // owns the three single documents of the data folder
  XmlTalvo* main_ = nullptr;
  XmlOptions* options_ = nullptr;
  XmlCustomScripts* scripts_ = nullptr;
  std::unique_ptr<XmlKeyboardDir> keyboards_;
  std::unique_ptr<XmlProfileDir> profiles_;
  std::unique_ptr<XmlFunctionDir> functions_;
  std::unique_ptr<XmlWheelEventsDir> wheelEvents_;
  KeyButton* learningKeyButton_ = nullptr;
};

// The program's one root object.
Talvo& GetTalvo();

}  // namespace Talvo
