#include "pagebase/error_box.h"

#include "model/string_table.h"

namespace Talvo {

void ShowErrorBox(HWND owner, const std::wstring& text) {
  const wchar_t* caption = GetString(129);
  MessageBoxW(owner, text.c_str(), caption != nullptr ? caption : L"Error", MB_OK | MB_ICONSTOP);
}

}  // namespace Talvo
