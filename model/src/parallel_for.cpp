#include "model/parallel_for.h"

#include <sched.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <exception>
#include <mutex>
#include <system_error>
#include <thread>
#include <vector>

namespace Talvo {

namespace {

// Handing work to a waiting thread costs about as much as a few pieces of it; fewer pieces per thread do
// not pay.
constexpr std::size_t kMinPiecesPerThread = 4;

std::atomic<unsigned> threadLimit{0};

unsigned UsableProcessors() {
  cpu_set_t set;
  CPU_ZERO(&set);
  if (::sched_getaffinity(0, sizeof set, &set) == 0) return static_cast<unsigned>(std::max(1, CPU_COUNT(&set)));
  return std::max(1u, std::thread::hardware_concurrency());
}

// The exception of the lowest index that threw, kept while the threads run.
class FirstFailure {
 public:
  void Keep(std::size_t index, std::exception_ptr exception) {
    const std::lock_guard<std::mutex> lock(mutex_);
    if (!exception_ || index < index_) {
      index_ = index;
      exception_ = std::move(exception);
    }
  }
  void RethrowIfAny() const {
    if (exception_) std::rethrow_exception(exception_);
  }

 private:
  std::mutex mutex_;
  std::size_t index_ = 0;
  std::exception_ptr exception_;
};

// Threads kept waiting for work from their first use until the program ends, so that handing out work
// costs a wake-up instead of starting and ending threads (which also costs fresh stacks and heap). One
// piece of work at a time: a caller that finds the threads busy (another thread's work, or work handed
// out from within work) does its work alone.
class WorkerThreads {
 public:
  WorkerThreads() : process_(::getpid()) { threads_.reserve(kMaxParallelThreads); }
  ~WorkerThreads() {
    {
      const std::lock_guard<std::mutex> lock(mutex_);
      stopping_ = true;
    }
    wake_.notify_all();
    for (std::thread& thread : threads_) thread.join();
  }
  WorkerThreads(const WorkerThreads&) = delete;
  WorkerThreads& operator=(const WorkerThreads&) = delete;

  // Runs run(1) to run(helpers) on as many waiting threads as can be had, and run(0) on the caller;
  // returns once every call has returned. False, without running anything, when the threads are busy.
  bool Run(unsigned helpers, const std::function<void(unsigned)>& run) {
    // A child process made by fork has none of the threads.
    if (::getpid() != process_) return false;
    if (busy_.exchange(true, std::memory_order_acquire)) return false;
    const struct Release {
      std::atomic<bool>& busy;
      ~Release() { busy.store(false, std::memory_order_release); }
    } release{busy_};
    std::unique_lock<std::mutex> lock(mutex_);
    while (threads_.size() < helpers) {
      try {
        const auto number = static_cast<unsigned>(threads_.size()) + 1;
        threads_.emplace_back([this, number, round = round_] { Serve(number, round); });
      } catch (const std::system_error&) {
        break;  // no more threads to be had: those there are share the work
      }
    }
    work_ = &run;
    helpers_ = std::min<std::size_t>(helpers, threads_.size());
    running_ = helpers_;
    ++round_;
    lock.unlock();
    wake_.notify_all();
    run(0);
    lock.lock();
    done_.wait(lock, [this] { return running_ == 0; });
    work_ = nullptr;
    return true;
  }

 private:
  // The thread numbered `number`, started while `seen` was the latest round.
  void Serve(unsigned number, std::uint64_t seen) {
    std::unique_lock<std::mutex> lock(mutex_);
    for (;;) {
      wake_.wait(lock, [&] { return stopping_ || round_ != seen; });
      if (stopping_) return;
      seen = round_;
      if (number > helpers_) continue;
      const std::function<void(unsigned)>& run = *work_;
      lock.unlock();
      run(number);
      lock.lock();
      if (--running_ == 0) done_.notify_one();
    }
  }

  const pid_t process_;
  std::atomic<bool> busy_{false};  // set by the caller whose work the threads do
  std::mutex mutex_;  // guards what follows
  std::condition_variable wake_;
  std::condition_variable done_;
  std::vector<std::thread> threads_;
  const std::function<void(unsigned)>* work_ = nullptr;
  std::size_t helpers_ = 0;
  std::size_t running_ = 0;
  std::uint64_t round_ = 0;
  bool stopping_ = false;
};

WorkerThreads& Workers() {
  static WorkerThreads workers;
  return workers;
}

}  // namespace

unsigned ParallelThreads() {
  const unsigned limit = threadLimit.load(std::memory_order_relaxed);
  const unsigned threads = std::min(UsableProcessors(), kMaxParallelThreads);
  return limit != 0 ? std::min(threads, limit) : threads;
}

void SetParallelThreadLimit(unsigned limit) { threadLimit.store(limit, std::memory_order_relaxed); }

void ParallelFor(std::size_t count, const std::function<void(std::size_t)>& work) {
  ParallelForPerThread(count, [&work](std::size_t index, unsigned) { work(index); });
}

void ParallelForPerThread(std::size_t count, const std::function<void(std::size_t, unsigned)>& work) {
  const std::size_t threads = std::min<std::size_t>(ParallelThreads(), count / kMinPiecesPerThread);
  std::atomic<std::size_t> next{0};
  FirstFailure failure;
  // Each thread takes the next index until none is left, so threads that meet short pieces take more.
  auto run = [&](unsigned thread) {
    for (std::size_t i; (i = next.fetch_add(1, std::memory_order_relaxed)) < count;) {
      try {
        work(i, thread);
      } catch (...) {
        failure.Keep(i, std::current_exception());
      }
    }
  };
  if (threads <= 1 || !Workers().Run(static_cast<unsigned>(threads - 1), run)) run(0);
  failure.RethrowIfAny();
}

}  // namespace Talvo
