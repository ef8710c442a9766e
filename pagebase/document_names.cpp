#include "pagebase/document_names.h"

#include <algorithm>

#include "model/file_names.h"

namespace Talvo {

namespace {

constexpr std::size_t kLongestName = 200;

// The lower-case form of a letter of the Latin-1, Latin Extended-A, Greek and Cyrillic blocks; other
// characters stay as they are. (The C library's towlower knows only ASCII in the C locale.)
wchar_t FoldCase(wchar_t c) {
  if (c >= L'A' && c <= L'Z') return static_cast<wchar_t>(c + 32);
  if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return static_cast<wchar_t>(c + 32);
  if (c >= 0x100 && c <= 0x137 && c % 2 == 0) return static_cast<wchar_t>(c + 1);
  if (c >= 0x139 && c <= 0x148 && c % 2 == 1) return static_cast<wchar_t>(c + 1);
  if (c >= 0x14A && c <= 0x177 && c % 2 == 0) return static_cast<wchar_t>(c + 1);
  if (c >= 0x391 && c <= 0x3AB && c != 0x3A2) return static_cast<wchar_t>(c + 32);
  if (c >= 0x410 && c <= 0x42F) return static_cast<wchar_t>(c + 32);
  if (c >= 0x400 && c <= 0x40F) return static_cast<wchar_t>(c + 80);
  return c;
}

}  // namespace

bool SameNameIgnoringCase(std::wstring_view a, std::wstring_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                    [](wchar_t x, wchar_t y) { return FoldCase(x) == FoldCase(y); });
}

bool IsSafeDocumentName(const std::wstring& name) {
  if (name.empty() || name.size() > kLongestName || name == L"." || name == L".." || IsReservedDeviceName(name)) {
    return false;
  }
  return std::none_of(name.begin(), name.end(), [](wchar_t c) {
    return c < 0x20 || c == 0x7F || std::wstring_view(L"/\\:*?\"<>|").find(c) != std::wstring_view::npos;
  });
}

std::wstring RefusalOfDocumentName(const std::wstring& noun, const std::wstring& name,
                                   const std::function<bool(const std::wstring&)>& takenByAnother) {
  if (name.empty()) return L"A " + noun + L" needs a name.";
  if (!IsSafeDocumentName(name)) return L"A " + noun + L" name can not hold any of \\ / : * ? \" < > |.";
  if (takenByAnother(name)) return L"A " + noun + L" named \"" + name + L"\" exists already.";
  return {};
}

}  // namespace Talvo
