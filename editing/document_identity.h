// Identity of a document that joins its folder from outside (an imported file, or a clone of a function, a
// profile or a wheel-events set). Documents are stored under their ids: the joining document must carry no
// id of a document of the folder, and its document name (its file name) becomes its id, whatever the name
// of the file it came from.
#pragma once

#include <exception>
#include <functional>
#include <string>

namespace Talvo {

class XmlDocDirectory;
class XmlDocument;

// Makes a new document id for the folder.
using NewIdMaker = std::function<std::wstring()>;
// Hears a standard exception that broke off the comparison with one document of the folder.
using IdWalkErrorHandler = std::function<void(const std::exception&)>;

// The fresh-id walk: the folder's documents are walked once, in order, and whenever one carries the joining
// document's id, the document takes a new id (from `newId`, else the folder's NewUniqueId). A standard
// exception at one document goes to `onError` and the walk goes on with the next one (without `onError` it
// propagates). Then the document is stored under its id: an id that can not name a file of its own (no
// document id, still carried by a document of the folder, or a file of the folder has that name) is
// replaced by a new one first. True when the id changed.
bool GiveFreshIdentityWhenTaken(XmlDocDirectory& folder, XmlDocument& document, const NewIdMaker& newId = {},
                                const IdWalkErrorHandler& onError = {});

}  // namespace Talvo
