// Exporting the current function to a file the user names: the function document together with the
// custom scripts its cases use, so that another installation can import both. The function page calls
// it for its export command; it is no undo step and changes no document.
#pragma once

#include <afxwin.h>

#include <filesystem>

namespace Talvo {

class Talvo;
class XmlCustomScripts;
class XmlFunction;

// Asks for a file and writes the current function with its scripts there. Nothing happens without a
// current function; a failed write is reported ("Can't save file!"). True when the file was written.
bool ExportFunction(CWnd* owner, Talvo& root);

// The file part of ExportFunction: writes a copy of `function` that carries the scripts it uses (from
// `scripts`, when there is that document) to `path`; `function` itself is left as it was.
bool WriteFunctionExport(const XmlFunction& function, const XmlCustomScripts* scripts,
                         const std::filesystem::path& path);

}  // namespace Talvo
