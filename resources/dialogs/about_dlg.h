// The about box's dialog template (id 124) and its control ids.
#pragma once

namespace Talvo {

inline constexpr int IDD_ABOUT = 124;
inline constexpr int IDC_ABOUT_LOGO = 1063;     // the logo picture
inline constexpr int IDC_ABOUT_VERSION = 1064;  // the version line
inline constexpr int IDC_ABOUT_LINK = 1071;     // the link to the maker's web page
inline constexpr int IDC_ABOUT_CLOSE = 8;       // "Close"

// Registers the template under IDD_ABOUT; registering again changes nothing.
void RegisterAboutDlgTemplate();

}  // namespace Talvo
