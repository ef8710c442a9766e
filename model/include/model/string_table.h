// The program's string table: every caption, label, menu text and undo label by id.
#pragma once

namespace Talvo {

// The text of a string id, or null when the id has no text. The text stays valid for the life of the
// program (it is never overwritten by later calls).
const wchar_t* GetString(int id);

}  // namespace Talvo
