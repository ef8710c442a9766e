// For the stand-in host's tour: shows the overlay for a key the way a key press does and saves pictures
// of it in each colour theme.
#pragma once

#include <windows.h>

#include <filesystem>
#include <string>
#include <vector>

namespace Talvo {

// Posts what the keyboard side posts for `key` with a modifier byte, lets the get-message hook make the
// overlay (InstallVisualInterface must have run), and saves "overlay-<theme>.png" for each theme ("light"
// or "dark"): the screen area under the overlay, so that its boxes show over the host as the user sees
// them. The overlay is dismissed afterwards. False, after one line on stderr, when no overlay appeared
// or a picture could not be written.
bool ShowOverlayForTour(UINT key, unsigned char modifiers, const std::filesystem::path& folder,
                        const std::vector<std::string>& themes);

}  // namespace Talvo
