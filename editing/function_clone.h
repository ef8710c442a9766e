// Cloning the current function inside the function folder: the copy is named after its source with
// "(clone)" appended, gets a fresh id and document name, and becomes the current function. It is one
// undo step ("Load Function") and stays unsaved until the user saves it.
#pragma once

namespace Talvo {

class Talvo;
class XmlFunction;

// Clones the current function; returns the clone (now the current function, the folder's last
// document), or null without a current function.
XmlFunction* CloneFunction(Talvo& root);

}  // namespace Talvo
