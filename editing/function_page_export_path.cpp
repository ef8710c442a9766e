#include "editing/function_page_export_path.h"

#include <max.h>

#include <string>

namespace Talvo {

std::filesystem::path ExportPathOf(const std::filesystem::path& chosen) {
  std::wstring folder = (chosen.root_directory() / chosen.relative_path()).parent_path().wstring();
  if (!folder.empty() && folder.back() != L'/') folder += L'/';
  const std::wstring drive = chosen.root_name().wstring();
  const std::wstring name = chosen.stem().wstring();
  const std::wstring extension = chosen.extension().wstring();
  DebugPrint(_M("%s, %s, %s, %s \n"), drive.c_str(), folder.c_str(), name.c_str(), extension.c_str());
  std::filesystem::path path = chosen;
  if (!path.has_extension()) path += L".xml";
  return path;
}

}  // namespace Talvo
