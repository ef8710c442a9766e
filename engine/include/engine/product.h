// The product's version text: the editor's about box shows it, and the engine answers scripts that ask for the
// version with the same text, so it lives here, below both.
#pragma once

namespace Talvo {

inline constexpr const wchar_t* kProductVersion = L"2.0.00";

}  // namespace Talvo
