// What the program says about itself: its version text and the maker's web page.
#pragma once

namespace Talvo {

// The version line's text (the about box shows "version: " followed by it).
inline constexpr const wchar_t* kProductVersion = L"2.0.00";

// The maker's web page: opened by the about box's link and by the editor's Help command.
inline constexpr const wchar_t* kMakerWebPage = L"https://quillon.example/";
// What the about box's link shows.
inline constexpr const wchar_t* kMakerWebPageText = L"quillon.example";

}  // namespace Talvo
