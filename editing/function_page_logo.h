// The product logo in the top right corner of the functions and wheel-events pages.
#pragma once

#include "controls/picture.h"

namespace Talvo {

// Loads "TalvoLogo" from the host icon folder of the current theme, shows it active and repaints it.
void LoadPageLogo(Picture& logo);

// Moves the logo (size kept) to y = 3, near the right edge of the page's client area.
void PlacePageLogo(CWnd& page, Picture& logo);

}  // namespace Talvo
