// The class library's exceptions. They are thrown as pointers to heap objects
// (`throw new CInvalidArgException`); the catcher calls Delete() when it is done.
#pragma once

#include <string>

#include "mfc/object.h"

class CException : public CObject {
  DECLARE_DYNAMIC(CException)
 public:
  // Frees the exception object (every exception here is on the heap).
  void Delete() { delete this; }
  // Copies the message into the buffer (truncated, always terminated); FALSE when there is none.
  virtual BOOL GetErrorMessage(LPWSTR lpszError, UINT nMaxError, UINT* pnHelpContext = nullptr) const;
  // The message as the program shows it in a message box.
  virtual std::wstring GetMessageText() const = 0;
};

class CMemoryException : public CException {
  DECLARE_DYNAMIC(CMemoryException)
 public:
  std::wstring GetMessageText() const override;
};

class CInvalidArgException : public CException {
  DECLARE_DYNAMIC(CInvalidArgException)
 public:
  std::wstring GetMessageText() const override;
};

class CResourceException : public CException {
  DECLARE_DYNAMIC(CResourceException)
 public:
  std::wstring GetMessageText() const override;
};

class CNotSupportedException : public CException {
  DECLARE_DYNAMIC(CNotSupportedException)
 public:
  std::wstring GetMessageText() const override;
};

[[noreturn]] void AfxThrowInvalidArgException();
[[noreturn]] void AfxThrowResourceException();
[[noreturn]] void AfxThrowNotSupportedException();
