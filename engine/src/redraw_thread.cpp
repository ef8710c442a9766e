#include "engine/redraw_thread.h"

#include <host/listener.h>

#include <exception>
#include <memory>

#include "engine/messages.h"
#include "model/text.h"

namespace Talvo {

RedrawThread::RedrawThread(DWORD uiThread) : uiThread_(uiThread) {}

RedrawThread::~RedrawThread() { Stop(); }

void RedrawThread::Start() { thread_.Start(this); }

void RedrawThread::Stop() { thread_.Stop(); }

void RedrawThread::Request() {
  hMutex::Guard guard(mutex_);
  requested_ = true;
}

bool RedrawThread::WakeUp() {
  hMutex::Guard guard(mutex_);
  if (!requested_) return false;
  requested_ = false;
  PostThreadMessageW(uiThread_, RedrawGridMessage, 0, 0);
  return true;
}

DWORD RedrawThread::Run() {
  while (!thread_.WaitForStop(kPeriod)) WakeUp();
  return 0;
}

namespace {

struct RedrawState {
  bool enabled = false;
  std::unique_ptr<RedrawThread> thread;
};

RedrawState& State() {
  static RedrawState state;
  return state;
}

}  // namespace

RedrawThread* DrawTh() { return State().thread.get(); }

void RequestGridRedraw() {
  RedrawState& state = State();
  if (!state.enabled) return;
  if (!state.thread) {
    auto thread = std::make_unique<RedrawThread>(GetCurrentThreadId());
    // Requests come from window procedures, which nothing may leave by an exception; the grids place
    // their editors themselves as well, so the program goes on without the thread.
    try {
      thread->Start();
    } catch (const std::exception& error) {
      if (the_listener != nullptr && the_listener->edit_stream != nullptr) {
        const std::wstring line = L"Quillon: the redraw thread cannot be started: " + Utf8ToWide(error.what()) + L"\n";
        the_listener->edit_stream->puts(line.c_str());
      }
      return;
    }
    state.thread = std::move(thread);
  }
  state.thread->Request();
}

void EnableRedrawThread() { State().enabled = true; }

void StopRedrawThread() {
  RedrawState& state = State();
  state.enabled = false;
  state.thread.reset();
}

}  // namespace Talvo
