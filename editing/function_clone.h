// Cloning the current function inside the function folder: the copy is named after its source with
// "(clone)" appended (a second clone of one source carries the same name again), gets a fresh id and
// document name, and becomes the current function. It stays unsaved until the user saves it. The caller
// makes it an undo step.
#pragma once

#include <afxwin.h>

#include "editing/document_identity.h"

namespace Talvo {

class Talvo;
class XmlFunction;

// Clones the current function; returns the clone (now the current function, the folder's last document),
// or null without a current function. A standard exception thrown while the folder is walked for a fresh
// id is shown in a "Warning!" box of `page`, and the walk goes on. `newId` makes the fresh ids (the
// folder's own when empty).
XmlFunction* CloneFunction(CWnd* page, Talvo& root, const NewIdMaker& newId = {});

}  // namespace Talvo
