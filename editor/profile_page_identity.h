// The clone of the current profile made on the profiles page. A profile's file is named after its id, so
// neither the clone nor any rename touches another profile's file, and names follow no rule of their own.
#pragma once

namespace Talvo {

class Talvo;
class XmlProfile;

// Copies the current profile into a new profile named after it with "(clone)" appended, a new time stamp
// and a new id (stored under it), appends it to the folder and makes it the selected profile. The main
// document's selected layout becomes the current layout's name. Null without a current profile.
XmlProfile* CloneCurrentProfile(Talvo& root);

}  // namespace Talvo
