// FileDialogHelper: the open and save file dialogs of the editor. The caller fills the fields, runs
// Open or Save and reads the chosen path. "%Desktop%" as the start folder names the desktop. A chosen
// path that does not fit the 260-character path buffer is refused with a message box and no path.
#pragma once

#include <windows.h>

#include <string>
#include <utility>
#include <vector>

namespace Talvo {

class FileDialogHelper {
 public:
  static constexpr DWORD kPathCapacity = MAX_PATH;  // characters, the terminator included
  static constexpr DWORD kOpenFlags = OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST;
  static constexpr DWORD kSaveFlags = OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_OVERWRITEPROMPT;

  // The owner is the editor window when none is given.
  explicit FileDialogHelper(HWND owner = nullptr);

  // An open-file dialog; true when a path was chosen.
  bool Open();
  // A save dialog that asks before overwriting and appends the default extension; true when a path
  // was chosen.
  bool Save();

  // The chosen path (or the initial file name before a dialog runs).
  std::wstring GetPath() const { return path_; }
  void SetPath(const std::wstring& path) { path_ = path; }

  HWND owner;
  DWORD flags = 0;  // 0: kOpenFlags for Open, kSaveFlags for Save
  std::wstring defaultExtension;
  std::vector<std::pair<std::wstring, std::wstring>> filter;  // (name, pattern) pairs
  DWORD filterIndex = 1;                                      // 1-based
  std::wstring startFolder = L"%Desktop%";
  std::wstring title;

 private:
  bool Run(bool save);
  std::wstring StartFolderPath() const;

  std::wstring path_;
};

}  // namespace Talvo
