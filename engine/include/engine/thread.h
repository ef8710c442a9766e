// hThread and hMutex: the thread and lock objects of the plug-in's background threads. Both wrap the
// system's objects and throw std::runtime_error when the system refuses, with the operation's name,
// ": " and the system's text for the last error.
#pragma once

#include <windows.h>

#include <string>

namespace Talvo {

// What a thread runs. Run returns the thread's exit code; it should return soon after
// hThread::StopRequested (or WaitForStop) says so.
class ihThread {
 public:
  virtual DWORD Run() = 0;

 protected:
  ~ihThread() = default;
};

// "<operation>: <system text of the last error>", as thrown by the thread and lock objects.
std::string SystemErrorText(const char* operation);

class hThread {
 public:
  hThread() = default;
  ~hThread();  // stops and joins a running thread
  hThread(const hThread&) = delete;
  hThread& operator=(const hThread&) = delete;

  // Starts a new thread running `work`; throws when the system cannot create it. A thread still
  // running is stopped and joined first.
  void Start(ihThread* work);
  // Asks the thread to end and waits until it has; nothing when no thread runs.
  void Stop();
  // For the running thread: waits up to `milliseconds` and answers whether a stop was asked for.
  bool WaitForStop(DWORD milliseconds);

 private:
  static DWORD WINAPI Trampoline(LPVOID self);

  HANDLE thread_ = nullptr;
  HANDLE stop_ = nullptr;
  ihThread* work_ = nullptr;
};

class hMutex {
 public:
  hMutex();  // throws when the system cannot create the mutex
  ~hMutex();
  hMutex(const hMutex&) = delete;
  hMutex& operator=(const hMutex&) = delete;

  void Lock();
  void Unlock();

  // Holds the mutex for a scope.
  class Guard {
   public:
    explicit Guard(hMutex& mutex) : mutex_(mutex) { mutex_.Lock(); }
    ~Guard() { mutex_.Unlock(); }
    Guard(const Guard&) = delete;
    Guard& operator=(const Guard&) = delete;

   private:
    hMutex& mutex_;
  };

 private:
  HANDLE handle_ = nullptr;
};

}  // namespace Talvo
