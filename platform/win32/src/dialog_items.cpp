// Reading and setting the values of a dialog's controls by id.
#include <string>

#include "dialog_internal.h"

UINT GetDlgItemInt(HWND dialog, int id, BOOL* translated, BOOL isSigned) {
  if (translated) *translated = FALSE;
  HWND control = GetDlgItem(dialog, id);
  if (!control) return 0;
  std::wstring text(static_cast<size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
  text.resize(static_cast<size_t>(GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
  // Leading and trailing blanks are allowed; anything else that isn't part of the number fails.
  size_t begin = text.find_first_not_of(L" \t");
  size_t end = text.find_last_not_of(L" \t");
  if (begin == std::wstring::npos) return 0;
  std::wstring number = text.substr(begin, end - begin + 1);
  bool negative = isSigned && !number.empty() && number[0] == L'-';
  size_t digits = negative ? 1 : 0;
  if (digits >= number.size()) return 0;
  unsigned long long value = 0;
  for (size_t i = digits; i < number.size(); ++i) {
    if (number[i] < L'0' || number[i] > L'9') return 0;
    value = value * 10 + static_cast<unsigned>(number[i] - L'0');
    if (value > (isSigned ? 0x80000000ull : 0xFFFFFFFFull)) return 0;
  }
  if (isSigned && !negative && value > 0x7FFFFFFFull) return 0;
  if (translated) *translated = TRUE;
  return negative ? static_cast<UINT>(-static_cast<long long>(value)) : static_cast<UINT>(value);
}

BOOL SetDlgItemInt(HWND dialog, int id, UINT value, BOOL isSigned) {
  std::wstring text = isSigned ? std::to_wstring(static_cast<int>(value)) : std::to_wstring(value);
  return SetDlgItemTextW(dialog, id, text.c_str());
}

BOOL CheckDlgButton(HWND dialog, int id, UINT check) {
  HWND control = GetDlgItem(dialog, id);
  if (!control) return FALSE;
  SendMessageW(control, BM_SETCHECK, check, 0);
  return TRUE;
}

UINT IsDlgButtonChecked(HWND dialog, int id) {
  HWND control = GetDlgItem(dialog, id);
  return control ? static_cast<UINT>(SendMessageW(control, BM_GETCHECK, 0, 0)) : 0;
}
