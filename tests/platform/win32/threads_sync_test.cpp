#include <gtest/gtest.h>
#include <windows.h>

#include <string>

namespace {

struct Gate {
  HANDLE open;
  DWORD exitCode;
};

DWORD WINAPI WaitAtGate(LPVOID parameter) {
  auto* gate = static_cast<Gate*>(parameter);
  WaitForSingleObject(gate->open, INFINITE);
  return gate->exitCode;
}

DWORD WINAPI TryMutex(LPVOID mutex) { return WaitForSingleObject(static_cast<HANDLE>(mutex), 0); }
DWORD WINAPI ReleaseForeignMutex(LPVOID mutex) { return ReleaseMutex(static_cast<HANDLE>(mutex)) ? 0 : GetLastError(); }
DWORD WINAPI TakeMutexAndEnd(LPVOID mutex) { return WaitForSingleObject(static_cast<HANDLE>(mutex), INFINITE); }

DWORD RunToEnd(LPTHREAD_START_ROUTINE routine, LPVOID parameter) {
  HANDLE thread = CreateThread(nullptr, 0, routine, parameter, 0, nullptr);
  EXPECT_NE(thread, nullptr);
  EXPECT_EQ(WaitForSingleObject(thread, INFINITE), static_cast<DWORD>(WAIT_OBJECT_0));
  DWORD code = 0;
  GetExitCodeThread(thread, &code);
  CloseHandle(thread);
  return code;
}

std::wstring SystemText(DWORD error) {
  LPWSTR text = nullptr;
  DWORD length = FormatMessageW(
      FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS | FORMAT_MESSAGE_ALLOCATE_BUFFER, nullptr, error,
      MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT), reinterpret_cast<LPWSTR>(&text), 0, nullptr);
  std::wstring result = text ? std::wstring(text, length) : L"<none>";
  EXPECT_EQ(LocalFree(text), nullptr);
  return result;
}

}  // namespace

TEST(Threads, ThreadIsActiveUntilItReturnsItsExitCode) {
  Gate gate{CreateEventW(nullptr, TRUE, FALSE, nullptr), 7};
  DWORD id = 0;
  HANDLE thread = CreateThread(nullptr, 0, WaitAtGate, &gate, 0, &id);
  ASSERT_NE(thread, nullptr);
  EXPECT_NE(id, 0u);
  EXPECT_NE(id, GetCurrentThreadId());
  DWORD code = 0;
  EXPECT_TRUE(GetExitCodeThread(thread, &code));
  EXPECT_EQ(code, static_cast<DWORD>(STILL_ACTIVE));
  EXPECT_EQ(WaitForSingleObject(thread, 0), static_cast<DWORD>(WAIT_TIMEOUT));
  SetEvent(gate.open);
  EXPECT_EQ(WaitForSingleObject(thread, INFINITE), static_cast<DWORD>(WAIT_OBJECT_0));
  EXPECT_TRUE(GetExitCodeThread(thread, &code));
  EXPECT_EQ(code, 7u);
  EXPECT_TRUE(CloseHandle(thread));
  EXPECT_TRUE(CloseHandle(gate.open));
}

TEST(Threads, FailedCreationReportsTheSystemText) {
  winsim::FailNextCreateThread();
  SetLastError(0);
  EXPECT_EQ(CreateThread(nullptr, 0, TryMutex, nullptr, 0, nullptr), nullptr);
  DWORD error = GetLastError();
  EXPECT_EQ(error, static_cast<DWORD>(ERROR_NOT_ENOUGH_MEMORY));
  EXPECT_EQ(SystemText(error), L"Not enough memory resources are available to process this command.\r\n");
  EXPECT_EQ(SystemText(ERROR_FILE_NOT_FOUND), L"The system cannot find the file specified.\r\n");

  winsim::FailNextCreateMutex();
  EXPECT_EQ(CreateMutexW(nullptr, FALSE, nullptr), nullptr);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_NOT_ENOUGH_MEMORY));
  HANDLE mutex = CreateMutexW(nullptr, FALSE, nullptr);  // only the next one fails
  EXPECT_NE(mutex, nullptr);
  CloseHandle(mutex);
}

TEST(Mutexes, OwnedRecursivelyByOneThread) {
  HANDLE mutex = CreateMutexW(nullptr, TRUE, nullptr);
  ASSERT_NE(mutex, nullptr);
  EXPECT_EQ(WaitForSingleObject(mutex, 0), static_cast<DWORD>(WAIT_OBJECT_0));  // again, by its owner
  EXPECT_EQ(RunToEnd(TryMutex, mutex), static_cast<DWORD>(WAIT_TIMEOUT));
  EXPECT_EQ(RunToEnd(ReleaseForeignMutex, mutex), static_cast<DWORD>(ERROR_NOT_OWNER));
  EXPECT_TRUE(ReleaseMutex(mutex));
  EXPECT_EQ(RunToEnd(TryMutex, mutex), static_cast<DWORD>(WAIT_TIMEOUT));  // still held once
  EXPECT_TRUE(ReleaseMutex(mutex));
  EXPECT_FALSE(ReleaseMutex(mutex));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_NOT_OWNER));
  CloseHandle(mutex);
}

TEST(Mutexes, AMutexLeftByAnEndedThreadIsAbandoned) {
  HANDLE mutex = CreateMutexW(nullptr, FALSE, nullptr);
  EXPECT_EQ(RunToEnd(TakeMutexAndEnd, mutex), static_cast<DWORD>(WAIT_OBJECT_0));
  EXPECT_EQ(WaitForSingleObject(mutex, INFINITE), static_cast<DWORD>(WAIT_ABANDONED));
  EXPECT_TRUE(ReleaseMutex(mutex));  // the new owner holds it normally
  CloseHandle(mutex);
}

TEST(Events, AutoResetReleasesOneWaitManualResetStaysSet) {
  HANDLE autoReset = CreateEventW(nullptr, FALSE, TRUE, nullptr);
  EXPECT_EQ(WaitForSingleObject(autoReset, 0), static_cast<DWORD>(WAIT_OBJECT_0));
  EXPECT_EQ(WaitForSingleObject(autoReset, 0), static_cast<DWORD>(WAIT_TIMEOUT));
  HANDLE manual = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  EXPECT_TRUE(SetEvent(manual));
  EXPECT_EQ(WaitForSingleObject(manual, 0), static_cast<DWORD>(WAIT_OBJECT_0));
  EXPECT_EQ(WaitForSingleObject(manual, 0), static_cast<DWORD>(WAIT_OBJECT_0));
  CloseHandle(autoReset);
  CloseHandle(manual);
}

TEST(KernelHandles, ClosedAndForeignHandlesFailCleanly) {
  HANDLE event = CreateEventW(nullptr, TRUE, TRUE, nullptr);
  EXPECT_TRUE(CloseHandle(event));
  EXPECT_FALSE(CloseHandle(event));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
  EXPECT_EQ(WaitForSingleObject(event, 0), WAIT_FAILED);
  EXPECT_FALSE(SetEvent(event));
  HANDLE mutex = CreateMutexW(nullptr, FALSE, nullptr);
  EXPECT_FALSE(SetEvent(mutex));  // a mutex is not an event
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
  CloseHandle(mutex);
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, 4);
  EXPECT_FALSE(CloseHandle(memory));
  GlobalFree(memory);
}
