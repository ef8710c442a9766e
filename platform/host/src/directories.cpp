#include "directories.h"

#include <filesystem>
#include <map>
#include <system_error>

#include <windows.h>

#include "host/directories.h"
#include "reset.h"

namespace host_internal {
namespace {

struct Directories {
  std::wstring root;
  std::map<int, std::wstring> overrides;
  std::map<int, std::wstring> resolved;  // stable storage for the texts handed out
};

Directories& State() {
  static Directories directories;
  return directories;
}

// Folder names below the root, one per id.
const std::map<int, std::wstring>& FolderNames() {
  static const std::map<int, std::wstring> names = {
      {APP_FONT_DIR, L"fonts"},
      {APP_SCENE_DIR, L"scenes"},
      {APP_IMPORT_DIR, L"import"},
      {APP_EXPORT_DIR, L"export"},
      {APP_HELP_DIR, L"help"},
      {APP_IMAGE_DIR, L"images"},
      {APP_PLUGCFG_DIR, L"plugcfg"},
      {APP_MAXSTART_DIR, L"scenes/start"},
      {APP_SCRIPTS_DIR, L"scripts"},
      {APP_STARTUPSCRIPTS_DIR, L"scripts/startup"},
      {APP_UI_DIR, L"ui"},
      {APP_MAXROOT_DIR, L"."},
      {APP_USER_SCRIPTS_DIR, L"user/scripts"},
      {APP_USER_MACROS_DIR, L"user/macros"},
      {APP_USER_STARTUPSCRIPTS_DIR, L"user/scripts/startup"},
      {APP_TEMP_DIR, L"temp"},
      {APP_MAXDATA_DIR, L"user"},
      {APP_PLUGCFG_LN_DIR, L"plugcfg_ln"},
      {APP_ICONS_DIR, L"ui/icons"},
  };
  return names;
}

std::wstring Join(const std::wstring& root, const std::wstring& name) {
  return name == L"." ? root : root + L"/" + name;
}

}  // namespace

void SetRootFolder(const std::wstring& root) {
  Directories& state = State();
  state.root = root;
  while (state.root.size() > 1 && (state.root.back() == L'/' || state.root.back() == L'\\')) state.root.pop_back();
  state.resolved.clear();
  std::error_code error;
  std::filesystem::create_directories(NativeHostPath(state.root), error);
}

const std::wstring& RootFolder() { return State().root; }

const std::wstring& DirectoryOf(int which) {
  Directories& state = State();
  std::wstring folder;
  if (const auto it = state.overrides.find(which); it != state.overrides.end()) {
    folder = it->second;
  } else if (const auto name = FolderNames().find(which); !state.root.empty() && name != FolderNames().end()) {
    folder = Join(state.root, name->second);
  }
  std::wstring& stored = state.resolved[which];
  if (folder.empty()) {
    stored.clear();
    return stored;
  }
  // Callers append "Icons/" straight to the icon folder.
  const std::wstring handedOut = which == APP_ICONS_DIR && folder.back() != L'/' ? folder + L'/' : folder;
  // Texts handed out stay valid until the mapping changes. The folder is made once per mapping, as the host
  // makes its folders when it starts, not on every ask (paints ask for the icon folder).
  if (stored != handedOut) {
    std::error_code error;
    std::filesystem::create_directories(NativeHostPath(folder), error);
    stored = handedOut;
  }
  return stored;
}

std::filesystem::path NativeHostPath(const std::wstring& path) {
  if (path.empty()) return {};
  const int size = WideCharToMultiByte(CP_UTF8, 0, path.c_str(), static_cast<int>(path.size()), nullptr, 0, nullptr, nullptr);
  std::string bytes(static_cast<size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, path.c_str(), static_cast<int>(path.size()), bytes.data(), size, nullptr, nullptr);
  return std::filesystem::path(bytes);
}

void OverrideDirectory(int which, const std::wstring& folder) {
  State().overrides[which] = folder;
  State().resolved.erase(which);
}

void ResetDirectories() {
  State().overrides.clear();
  State().resolved.clear();
}

}  // namespace host_internal
