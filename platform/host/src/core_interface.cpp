#include "host/core_interface.h"

#include <algorithm>
#include <cwchar>

#include "directories.h"
#include "main_window.h"
#include "scene.h"

namespace {

LOGFONTW MakeFont(LONG height) {
  LOGFONTW font{};
  font.lfHeight = height;
  font.lfWeight = FW_NORMAL;
  font.lfCharSet = DEFAULT_CHARSET;
  font.lfQuality = CLEARTYPE_QUALITY;
  std::wcsncpy(font.lfFaceName, L"DejaVu Sans", LF_FACESIZE - 1);
  return font;
}

}  // namespace

HWND Interface::GetMAXHWnd() { return host_internal::MainWindow(); }

const MCHAR* Interface::GetDir(int which) { return host_internal::DirectoryOf(which).c_str(); }

void Interface::RegisterDlgWnd(HWND hwnd) {
  auto& windows = host_internal::DialogWindows();
  if (hwnd && std::find(windows.begin(), windows.end(), hwnd) == windows.end()) windows.push_back(hwnd);
}

int Interface::UnRegisterDlgWnd(HWND hwnd) { return std::erase(host_internal::DialogWindows(), hwnd) > 0 ? 1 : 0; }

TimeValue Interface::GetTime() { return host_internal::TheScene().time; }

int Interface::GetSelNodeCount() { return static_cast<int>(host_internal::TheScene().selection.size()); }

INode* Interface::GetSelNode(int index) {
  const auto& selection = host_internal::TheScene().selection;
  if (index < 0 || index >= static_cast<int>(selection.size())) return nullptr;
  return selection[static_cast<std::size_t>(index)];
}

BaseObject* Interface::GetCurEditObject() { return host_internal::TheScene().edit_object; }

HFONT Interface::GetAppHFont() {
  // One font object, made again only when the GDI stand-in was reset under it.
  static HFONT font = nullptr;
  if (!font || GetObjectType(font) != OBJ_FONT) font = CreateFontIndirectW(&GetAppLogFont());
  return font;
}

const LOGFONTW& Interface::GetAppLogFont() {
  static const LOGFONTW font = MakeFont(-12);
  return font;
}

const LOGFONTW& Interface::GetUILogFont() {
  static const LOGFONTW font = MakeFont(-11);
  return font;
}

IActionManager* Interface::GetActionManager() {
  static IActionManager manager;
  return &manager;
}

Interface* GetCOREInterface() {
  static Interface core;
  return &core;
}
