// Importing a function file (an exported function with its scripts, or a plain function document) into
// the function folder. The file is read and checked before anything changes: a file that cannot be read,
// parsed or is no function document is refused with a message and leaves the data as it was. The import
// is one undo step ("Load Function"). Clashes are resolved as the user answers: a function of the same
// name may be overridden in place (it keeps its id and file), otherwise the import gets a fresh id when
// its id is taken, is stored under its id, and is renamed through the rename dialog while its name is taken.
#pragma once

#include <afxwin.h>

#include <filesystem>

namespace Talvo {

class Talvo;
class XmlFunction;

// What an import did, for the function page to show.
struct ImportedFunction {
  XmlFunction* function = nullptr;  // the imported (or overridden) function; null when nothing was imported
  int index = -1;                   // its index in the function folder, now the current function
  bool overridden = false;          // an existing function took the import's content (no new menu item)
};

// Asks for a file ("Open Quillon Function") and imports it.
ImportedFunction ImportFunction(CWnd* page, Talvo& root);

// Imports the function file at `path`; `page` owns the prompts.
ImportedFunction ImportFunctionFile(CWnd* page, Talvo& root, const std::filesystem::path& path);

}  // namespace Talvo
