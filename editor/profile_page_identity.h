// The names and files of profiles made or renamed on the profiles page. A profile's file is named by its
// document name, which the page never derives from the profile's name, so no rename touches a file; the
// name itself must stay non-empty, unique without regard to letter case and free of path characters, and
// a clone gets an id, a document name and a name of its own.
#pragma once

#include <string>

namespace Talvo {

class Talvo;
class XmlProfile;
class XmlProfileDir;

// Why `profile` may not be called `name`: empty when the name is fine, else the reason to show.
std::wstring RefusalOfProfileName(const XmlProfileDir& folder, const XmlProfile& profile, const std::wstring& name);

// `base` when no profile of the folder carries it (letter case ignored), else the first free of
// base + " 01" ... " 09", " 10", ...
std::wstring FreeProfileName(const XmlProfileDir& folder, const std::wstring& base);

// Copies the current profile into a new profile named after it with "(clone)" appended (made unique), a
// new time stamp, id and document name, appends it to the folder and makes it the selected profile. The
// main document's selected layout becomes the current layout's name. Null without a current profile.
XmlProfile* CloneCurrentProfile(Talvo& root);

}  // namespace Talvo
