#include "host/icons.h"

#include <filesystem>
#include <string>
#include <vector>

#include "host/core_interface.h"
#include "host/directories.h"
#include "directories.h"

namespace {

// The icon strip to load, or empty text when none exists.
std::wstring FindIconFile(const std::wstring& file, BOOL disabled) {
  const std::wstring root = GetCOREInterface()->GetDir(APP_ICONS_DIR);
  if (root.empty()) return {};
  std::vector<std::wstring> folders;
  if (ColorMan()->GetAppFrameColorTheme() == kDarkTheme) folders.push_back(root + L"IconsDark/");
  folders.push_back(root + L"Icons/");
  std::vector<std::wstring> names;
  if (disabled) names.push_back(file + L"_d");
  names.push_back(file);
  for (const std::wstring& name : names)
    for (const std::wstring& folder : folders)
      for (const wchar_t* extension : {L".png", L".bmp"}) {
        const std::wstring path = folder + name + extension;
        std::error_code error;
        if (std::filesystem::is_regular_file(host_internal::NativeHostPath(path), error)) return path;
      }
  return {};
}

}  // namespace

BOOL LoadMAXFileIcon(const MCHAR* file, HIMAGELIST imageList, ColorId color, BOOL disabled) {
  if (!file || !imageList) return FALSE;
  const std::wstring path = FindIconFile(file, disabled);
  if (path.empty()) return FALSE;
  auto* strip = static_cast<HBITMAP>(LoadImageW(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE));
  if (!strip) return FALSE;
  const int before = ImageList_GetImageCount(imageList);
  ImageList_AddMasked(imageList, strip, RGB(255, 0, 255));
  DeleteObject(strip);
  ImageList_SetBkColor(imageList, ColorMan()->GetColor(color));
  return ImageList_GetImageCount(imageList) > before ? TRUE : FALSE;
}
