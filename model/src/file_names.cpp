#include "model/file_names.h"

#include <array>
#include <cwctype>

#include "model/text.h"

namespace Talvo {

std::filesystem::path PathFromWide(std::wstring_view text) { return std::filesystem::path(WideToUtf8(text)); }

std::optional<std::wstring> WideFromPath(const std::filesystem::path& path) {
  return Utf8ToWideStrict(path.native());
}

std::wstring PathForDisplay(const std::filesystem::path& path) { return Utf8ToWide(path.native()); }

bool IsReservedDeviceName(std::wstring_view name) {
  // Windows ignores what follows the first dot, and trailing blanks before it.
  std::wstring_view stem = name.substr(0, name.find(L'.'));
  while (!stem.empty() && stem.back() == L' ') stem.remove_suffix(1);
  if (stem.size() != 3 && stem.size() != 4) return false;  // every reserved name has 3 or 4 letters
  std::wstring base(stem);
  for (wchar_t& c : base) c = static_cast<wchar_t>(std::towupper(c));
  static constexpr std::array<std::wstring_view, 4> kPlain = {L"CON", L"PRN", L"AUX", L"NUL"};
  for (const std::wstring_view reserved : kPlain) {
    if (base == reserved) return true;
  }
  return base.size() == 4 && (base.starts_with(L"COM") || base.starts_with(L"LPT")) && base[3] >= L'1' &&
         base[3] <= L'9';
}

}  // namespace Talvo
