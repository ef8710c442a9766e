// Identity of a document that joins its folder from outside (an imported file or a clone of a function or
// a wheel-events set): it must neither share an id with a document of the folder nor write over another
// document's file.
#pragma once

namespace Talvo {

class XmlDocDirectory;
class XmlDocument;

// Gives `document` a new id and names it after that id when its id is not a valid document id or is
// carried by another document of the folder, or when its document name is empty, a Windows device name,
// or already names another document or a file of the folder (letter case ignored). True when the
// identity changed.
bool GiveFreshIdentityWhenTaken(const XmlDocDirectory& folder, XmlDocument& document);

}  // namespace Talvo
