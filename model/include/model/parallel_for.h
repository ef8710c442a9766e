// Running independent pieces of work on a few threads at once, the calling thread among them.
#pragma once

#include <cstddef>
#include <functional>

namespace Talvo {

// Calls work(i) once for every i in [0, count), on up to ParallelThreads() threads counting the caller,
// and returns when every call has returned. Calls run in no particular order; work must touch nothing
// that another index touches. A small count runs on the calling thread alone. When calls throw, every
// index still runs and the exception of the lowest index that threw is rethrown to the caller. The threads
// other than the caller are started on first use and wait for more work until the program ends.
void ParallelFor(std::size_t count, const std::function<void(std::size_t)>& work);
// The same, telling each call which of the threads runs it, a number below kMaxParallelThreads: for work
// that keeps something of its own per thread (one thread's calls never overlap). More threads gain little
// on the work handed out here (reading, inflating, parsing), which soon waits on memory.
inline constexpr unsigned kMaxParallelThreads = 8;
void ParallelForPerThread(std::size_t count, const std::function<void(std::size_t index, unsigned thread)>& work);

// The threads ParallelFor may use: the processors this process may run on, at most kMaxParallelThreads
// and at most the limit set below.
unsigned ParallelThreads();

// Caps ParallelThreads() (1: every ParallelFor runs on the calling thread; 0: no cap). For comparisons
// with the one-thread run.
void SetParallelThreadLimit(unsigned limit);

}  // namespace Talvo
