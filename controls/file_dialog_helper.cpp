#include "controls/file_dialog_helper.h"

#include "model/editor_window.h"
#include "model/string_table.h"

namespace Talvo {

namespace {

// The filter as the dialog takes it: name, pattern, ..., each zero-terminated, then one more zero.
std::wstring FilterText(const std::vector<std::pair<std::wstring, std::wstring>>& filter) {
  std::wstring text;
  for (const auto& [name, pattern] : filter) {
    text += name;
    text.push_back(L'\0');
    text += pattern;
    text.push_back(L'\0');
  }
  text.push_back(L'\0');
  return text;
}

}  // namespace

FileDialogHelper::FileDialogHelper(HWND owner) : owner(owner != nullptr ? owner : EditorWindow()) {}

bool FileDialogHelper::Open() { return Run(false); }

bool FileDialogHelper::Save() { return Run(true); }

std::wstring FileDialogHelper::StartFolderPath() const {
  if (startFolder != L"%Desktop%") return startFolder;
  wchar_t desktop[MAX_PATH] = {};
  if (SHGetFolderPathW(nullptr, CSIDL_DESKTOP, nullptr, SHGFP_TYPE_CURRENT, desktop) != S_OK) return {};
  return desktop;
}

bool FileDialogHelper::Run(bool save) {
  wchar_t buffer[kPathCapacity] = {};
  // An initial name that does not fit is not offered.
  if (path_.size() < kPathCapacity) path_.copy(buffer, path_.size());
  const std::wstring filterText = FilterText(filter);
  const std::wstring folder = StartFolderPath();

  OPENFILENAMEW ofn{};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = owner;
  ofn.lpstrFilter = filter.empty() ? nullptr : filterText.c_str();
  ofn.nFilterIndex = filterIndex;
  ofn.lpstrFile = buffer;
  ofn.nMaxFile = kPathCapacity;
  ofn.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
  ofn.lpstrTitle = title.empty() ? nullptr : title.c_str();
  ofn.Flags = flags != 0 ? flags : (save ? kSaveFlags : kOpenFlags);
  ofn.lpstrDefExt = defaultExtension.empty() ? nullptr : defaultExtension.c_str();

  const BOOL chosen = save ? GetSaveFileNameW(&ofn) : GetOpenFileNameW(&ofn);
  if (chosen) {
    path_ = buffer;
    filterIndex = ofn.nFilterIndex;
    return true;
  }
  if (CommDlgExtendedError() == FNERR_BUFFERTOOSMALL) {
    const std::wstring text = L"The chosen path is too long (" + std::to_wstring(static_cast<unsigned>(buffer[0])) +
                              L" characters); a path may have at most " + std::to_wstring(kPathCapacity - 1) +
                              L" characters. Please choose a shorter one.";
    const wchar_t* caption = GetString(129);
    MessageBoxW(owner, text.c_str(), caption != nullptr ? caption : L"Error", MB_OK | MB_ICONSTOP);
  }
  return false;
}

}  // namespace Talvo
