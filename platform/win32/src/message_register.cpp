// RegisterWindowMessage: one number from 0xC000 up per distinct (case-insensitive) name, for the process's life.
#include <cwctype>
#include <map>
#include <mutex>
#include <string>

#include <windows.h>

UINT RegisterWindowMessageW(LPCWSTR name) {
  static std::mutex mutex;
  static std::map<std::wstring, UINT> numbers;
  if (!name || !*name) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  std::wstring key(name);
  for (wchar_t& c : key) c = static_cast<wchar_t>(std::towlower(c));
  std::lock_guard lock(mutex);
  auto it = numbers.find(key);
  if (it != numbers.end()) return it->second;
  UINT number = 0xC000 + static_cast<UINT>(numbers.size());
  numbers.emplace(key, number);
  return number;
}
