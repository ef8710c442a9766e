// The system's message texts, as FormatMessageW gives them for the error codes this stand-in sets.
#include <windows.h>

#include <algorithm>
#include <map>
#include <string>

namespace {

const std::map<DWORD, const wchar_t*>& SystemMessages() {
  static const std::map<DWORD, const wchar_t*> messages = {
      {ERROR_SUCCESS, L"The operation completed successfully."},
      {ERROR_FILE_NOT_FOUND, L"The system cannot find the file specified."},
      {ERROR_PATH_NOT_FOUND, L"The system cannot find the path specified."},
      {ERROR_ACCESS_DENIED, L"Access is denied."},
      {ERROR_INVALID_HANDLE, L"The handle is invalid."},
      {ERROR_NOT_ENOUGH_MEMORY, L"Not enough memory resources are available to process this command."},
      {ERROR_INVALID_DATA, L"The data is invalid."},
      {ERROR_OUTOFMEMORY, L"Not enough memory resources are available to complete this operation."},
      {ERROR_NOT_SAME_DEVICE, L"The system cannot move the file to a different disk drive."},
      {ERROR_NO_MORE_FILES, L"There are no more files."},
      {ERROR_WRITE_FAULT, L"The system cannot write to the specified device."},
      {ERROR_READ_FAULT, L"The system cannot read from the specified device."},
      {ERROR_SHARING_VIOLATION, L"The process cannot access the file because it is being used by another process."},
      {ERROR_FILE_EXISTS, L"The file exists."},
      {ERROR_INVALID_PARAMETER, L"The parameter is incorrect."},
      {ERROR_DISK_FULL, L"There is not enough space on the disk."},
      {ERROR_INSUFFICIENT_BUFFER, L"The data area passed to a system call is too small."},
      {ERROR_INVALID_NAME, L"The filename, directory name, or volume label syntax is incorrect."},
      {ERROR_DIR_NOT_EMPTY, L"The directory is not empty."},
      {ERROR_NOT_LOCKED, L"The segment is already unlocked."},
      {ERROR_BAD_PATHNAME, L"The specified path is invalid."},
      {ERROR_ALREADY_EXISTS, L"Cannot create a file when that file already exists."},
      {ERROR_FILENAME_EXCED_RANGE, L"The filename or extension is too long."},
      {ERROR_DIRECTORY, L"The directory name is invalid."},
      {ERROR_NOT_OWNER, L"Attempt to release mutex not owned by caller."},
      {ERROR_INVALID_FLAGS, L"Invalid flags."},
      {ERROR_NO_UNICODE_TRANSLATION,
       L"No mapping for the Unicode character exists in the target multi-byte code page."},
      {ERROR_CANCELLED, L"The operation was canceled by the user."},
      {ERROR_INVALID_WINDOW_HANDLE, L"Invalid window handle."},
      {ERROR_INVALID_MENU_HANDLE, L"Invalid menu handle."},
      {ERROR_INVALID_HOOK_HANDLE, L"Invalid hook handle."},
      {ERROR_CANNOT_FIND_WND_CLASS, L"Cannot find window class."},
      {ERROR_CLASS_ALREADY_EXISTS, L"Class already exists."},
      {ERROR_CLASS_DOES_NOT_EXIST, L"Class does not exist."},
      {ERROR_INVALID_INDEX, L"Invalid index."},
      {ERROR_CLIPBOARD_NOT_OPEN, L"Thread does not have a clipboard open."},
      {ERROR_TIMEOUT, L"This operation returned because the timeout period expired."},
  };
  return messages;
}

}  // namespace

DWORD FormatMessageW(DWORD dwFlags, LPCVOID /*lpSource*/, DWORD dwMessageId, DWORD /*dwLanguageId*/, LPWSTR lpBuffer,
                     DWORD nSize, va_list* /*Arguments*/) {
  if (!(dwFlags & FORMAT_MESSAGE_FROM_SYSTEM) || !lpBuffer) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  auto found = SystemMessages().find(dwMessageId);
  if (found == SystemMessages().end()) {
    SetLastError(ERROR_MR_MID_NOT_FOUND);
    return 0;
  }
  std::wstring text = std::wstring(found->second) + L"\r\n";
  auto length = static_cast<DWORD>(text.size());
  if (dwFlags & FORMAT_MESSAGE_ALLOCATE_BUFFER) {
    // lpBuffer really points at the caller's pointer, which receives a block for LocalFree.
    DWORD characters = std::max(nSize, length + 1);
    auto* block = static_cast<LPWSTR>(LocalAlloc(LMEM_FIXED, characters * sizeof(WCHAR)));
    if (!block) return 0;
    lstrcpyW(block, text.c_str());
    *reinterpret_cast<LPWSTR*>(lpBuffer) = block;
    return length;
  }
  if (nSize < length + 1) {
    SetLastError(ERROR_INSUFFICIENT_BUFFER);
    return 0;
  }
  lstrcpyW(lpBuffer, text.c_str());
  return length;
}
