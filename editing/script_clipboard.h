// A custom script's text on the clipboard, as Unicode text, through the host's main window.
#pragma once

#include <optional>
#include <string>

namespace Talvo {

// Replaces the clipboard's content with the text; false when the clipboard cannot be opened or the text not
// placed.
bool PutScriptOnClipboard(const std::wstring& text);

// The clipboard's Unicode text; nothing when the clipboard cannot be opened or holds none.
std::optional<std::wstring> TakeScriptFromClipboard();

}  // namespace Talvo
