#include "unloadable_document.h"

#include <host/listener.h>

#include <string>

#include "model/file_names.h"
#include "model/xml_document.h"

namespace Talvo {

namespace {

const wchar_t* Reason(const std::filesystem::path& path, int result) {
  if (!WideFromPath(path.filename())) return L"its name is not valid UTF-8";
  if (result == kXmlCannotOpen) return L"it cannot be read";
  if (result == kXmlCannotParse) return L"it is empty, damaged or not XML";
  return L"it is not a document of this kind";
}

}  // namespace

void ReportUnloadableDocument(const std::filesystem::path& path, int result) {
  const std::wstring line = L"Error: Can't load file \"" + PathForDisplay(path) + L"\": " + Reason(path, result) +
                            L". It is left out and kept as it is.\n";
  if (the_listener != nullptr && the_listener->edit_stream != nullptr) the_listener->edit_stream->puts(line.c_str());
}

}  // namespace Talvo
