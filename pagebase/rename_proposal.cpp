#include "pagebase/rename_proposal.h"

namespace Talvo {

std::wstring ProposeFreeName(const std::wstring& name, const std::function<int(const std::wstring&)>& countNamed) {
  for (int n = 1;; ++n) {
    std::wstring candidate = name + (n < 10 ? L" 0" : L" ") + std::to_wstring(n);
    if (countNamed(candidate) == 0) return candidate;
  }
}

std::wstring ReadRenameField(const CWnd& field) {
  wchar_t buffer[512] = {};
  if (field.GetSafeHwnd() != nullptr) ::GetWindowTextW(field.GetSafeHwnd(), buffer, 512);
  return buffer;
}

}  // namespace Talvo
