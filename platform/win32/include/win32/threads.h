// Threads, kernel synchronisation objects and the system's error texts.
//
// Threads run for real; waits take real time. Kernel objects are values in a handle table, so a closed
// or bogus handle fails with ERROR_INVALID_HANDLE. An object lives while a handle to it is open (a running thread
// also keeps its own object alive). Object names are ignored: every call makes a new, private object.
#pragma once

#include <cstdarg>

#include "win32/types.h"

#define INFINITE 0xFFFFFFFF
#define WAIT_OBJECT_0 0x00000000L
#define WAIT_ABANDONED 0x00000080L
#define WAIT_TIMEOUT 258L
#define WAIT_FAILED ((DWORD)0xFFFFFFFF)
#define STILL_ACTIVE 259L
#define CREATE_SUSPENDED 0x00000004

using LPTHREAD_START_ROUTINE = DWORD(WINAPI*)(LPVOID lpThreadParameter);

// Accepted and ignored: there is no security model.
struct SECURITY_ATTRIBUTES {
  DWORD nLength;
  LPVOID lpSecurityDescriptor;
  BOOL bInheritHandle;
};
using LPSECURITY_ATTRIBUTES = SECURITY_ATTRIBUTES*;

// CREATE_SUSPENDED is not supported (ERROR_INVALID_PARAMETER); the stack size is the system's.
HANDLE CreateThread(LPSECURITY_ATTRIBUTES lpThreadAttributes, SIZE_T dwStackSize, LPTHREAD_START_ROUTINE lpStartAddress,
                    LPVOID lpParameter, DWORD dwCreationFlags, LPDWORD lpThreadId);
BOOL GetExitCodeThread(HANDLE hThread, LPDWORD lpExitCode);
BOOL CloseHandle(HANDLE hObject);
DWORD WaitForSingleObject(HANDLE hHandle, DWORD dwMilliseconds);

// Mutexes are owned recursively by the thread that acquires them; one whose owner thread ends is abandoned.
HANDLE CreateMutexW(LPSECURITY_ATTRIBUTES lpMutexAttributes, BOOL bInitialOwner, LPCWSTR lpName);
BOOL ReleaseMutex(HANDLE hMutex);

HANDLE CreateEventW(LPSECURITY_ATTRIBUTES lpEventAttributes, BOOL bManualReset, BOOL bInitialState, LPCWSTR lpName);
BOOL SetEvent(HANDLE hEvent);

// The system's message texts for the error codes of win32/error.h, each ending in "\r\n".
#define FORMAT_MESSAGE_ALLOCATE_BUFFER 0x00000100
#define FORMAT_MESSAGE_IGNORE_INSERTS 0x00000200
#define FORMAT_MESSAGE_FROM_SYSTEM 0x00001000
#define LANG_NEUTRAL 0x00
#define SUBLANG_DEFAULT 0x01
#define MAKELANGID(p, s) ((((WORD)(s)) << 10) | (WORD)(p))

// FROM_SYSTEM (with IGNORE_INSERTS) is supported; with ALLOCATE_BUFFER, lpBuffer is really an LPWSTR* that receives
// a LocalAlloc'ed text for LocalFree. An unknown code fails with ERROR_MR_MID_NOT_FOUND.
DWORD FormatMessageW(DWORD dwFlags, LPCVOID lpSource, DWORD dwMessageId, DWORD dwLanguageId, LPWSTR lpBuffer,
                     DWORD nSize, va_list* Arguments);

namespace winsim {

// The next CreateThread (or CreateMutexW) fails with ERROR_NOT_ENOUGH_MEMORY, as when the system runs out.
void FailNextCreateThread();
void FailNextCreateMutex();

}  // namespace winsim
