// Identity of a function that joins the function folder from outside (an imported file or a clone): it
// must neither share an id with a function of the folder nor write over another function's file.
#pragma once

namespace Talvo {

class XmlFunction;
class XmlFunctionDir;

// Gives `function` a new id and names its document after that id when its id is not a valid document id
// or is carried by a function of the folder, or when its document name is empty or already names another
// document or file of the folder. True when the identity changed.
bool GiveFreshIdentityWhenTaken(const XmlFunctionDir& folder, XmlFunction& function);

}  // namespace Talvo
