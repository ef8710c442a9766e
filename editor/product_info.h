// What the program says about itself: its version text (kept by the engine) and the maker's web page.
#pragma once

#include "engine/product.h"

namespace Talvo {

// The maker's web page: opened by the about box's link and by the editor's Help command.
inline constexpr const wchar_t* kMakerWebPage = L"https://quillon.example/";
// What the about box's link shows.
inline constexpr const wchar_t* kMakerWebPageText = L"quillon.example";

}  // namespace Talvo
