#include "editing/function_page_export_path.h"

#include <max.h>

#include <string>

#include "model/file_names.h"

namespace Talvo {

std::filesystem::path ExportPathOf(const std::wstring& chosen) {
  // Split as the platform's path functions would: drive, folder (with its closing separator), name and
  // extension of the last component.
  const std::size_t slash = chosen.find_last_of(L"/\\");
  const std::size_t nameStart = slash == std::wstring::npos ? 0 : slash + 1;
  const std::size_t colon = chosen.size() > 1 && chosen[1] == L':' ? 2 : 0;
  const std::wstring drive = chosen.substr(0, colon);
  const std::wstring folder = nameStart > colon ? chosen.substr(colon, nameStart - colon) : std::wstring();
  const std::wstring file = chosen.substr(nameStart);
  const std::size_t dot = file.find_last_of(L'.');
  const bool hasExtension = dot != std::wstring::npos && dot > 0;
  const std::wstring name = hasExtension ? file.substr(0, dot) : file;
  const std::wstring extension = hasExtension ? file.substr(dot) : std::wstring();
  DebugPrint(_M("%s, %s, %s, %s \n"), drive.c_str(), folder.c_str(), name.c_str(), extension.c_str());
  return PathFromWide(hasExtension ? chosen : chosen + L".xml");
}

}  // namespace Talvo
