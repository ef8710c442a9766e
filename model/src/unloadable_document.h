// Naming a document that could not be loaded at start-up: one line in the script listener. The file is
// left on disk as it is.
#pragma once

#include <filesystem>

namespace Talvo {

// `result` is the failed load's result (kXmlCannotOpen or kXmlCannotParse), or kXmlOk for a file that
// parsed but is not a document of the kind expected there.
void ReportUnloadableDocument(const std::filesystem::path& path, int result);

}  // namespace Talvo
