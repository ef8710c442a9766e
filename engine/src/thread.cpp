#include "engine/thread.h"

#include <stdexcept>

#include "model/text.h"

namespace Talvo {

std::string SystemErrorText(const char* operation) {
  const DWORD error = GetLastError();
  LPWSTR text = nullptr;
  std::wstring systemText;
  if (FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                     nullptr, error, MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT), reinterpret_cast<LPWSTR>(&text), 0,
                     nullptr) != 0 &&
      text != nullptr) {
    systemText = text;
    LocalFree(text);
  } else {
    systemText = L"error " + std::to_wstring(error);
  }
  // The system's texts end in a line break, which a one-line message does without.
  while (!systemText.empty() && (systemText.back() == L'\n' || systemText.back() == L'\r')) systemText.pop_back();
  return std::string(operation) + ": " + WideToUtf8(systemText);
}

namespace {

[[noreturn]] void ThrowSystemError(const char* operation) { throw std::runtime_error(SystemErrorText(operation)); }

}  // namespace

// ---- hThread ----

hThread::~hThread() { Stop(); }

DWORD WINAPI hThread::Trampoline(LPVOID self) { return static_cast<hThread*>(self)->work_->Run(); }

void hThread::Start(ihThread* work) {
  Stop();
  stop_ = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  if (stop_ == nullptr) ThrowSystemError("CreateEvent");
  work_ = work;
  thread_ = CreateThread(nullptr, 0, &hThread::Trampoline, this, 0, nullptr);
  if (thread_ == nullptr) {
    const DWORD error = GetLastError();
    CloseHandle(stop_);
    stop_ = nullptr;
    work_ = nullptr;
    SetLastError(error);
    ThrowSystemError("CreateThread");
  }
}

void hThread::Stop() {
  if (thread_ != nullptr) {
    SetEvent(stop_);
    WaitForSingleObject(thread_, INFINITE);
    CloseHandle(thread_);
    thread_ = nullptr;
  }
  if (stop_ != nullptr) {
    CloseHandle(stop_);
    stop_ = nullptr;
  }
  work_ = nullptr;
}

bool hThread::WaitForStop(DWORD milliseconds) { return WaitForSingleObject(stop_, milliseconds) != WAIT_TIMEOUT; }

// ---- hMutex ----

hMutex::hMutex() {
  handle_ = CreateMutexW(nullptr, FALSE, nullptr);
  if (handle_ == nullptr) ThrowSystemError("CreateMutex");
}

hMutex::~hMutex() { CloseHandle(handle_); }

void hMutex::Lock() {
  const DWORD result = WaitForSingleObject(handle_, INFINITE);
  if (result != WAIT_OBJECT_0 && result != WAIT_ABANDONED) ThrowSystemError("WaitForSingleObject");
}

void hMutex::Unlock() {
  if (!ReleaseMutex(handle_)) ThrowSystemError("ReleaseMutex");
}

}  // namespace Talvo
