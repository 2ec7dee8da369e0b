#pragma once
// Splitting independent rows of work between the processor's cores.
//
// Callers hand out ranges whose results do not depend on one another, so the
// output is the same whatever the number of threads.

#include <cstdint>
#include <functional>

namespace lumetta {

// The number of threads ParallelRanges uses: the processor's cores unless
// set; SetWorkerThreads(0) goes back to that.
int WorkerThreads();
void SetWorkerThreads(int count);

// Calls work(begin, end) on consecutive parts of [0, count), on up to
// WorkerThreads() threads, and returns when all are done. Parts are at least
// min_per_part long; the calling thread does one part itself. An exception
// thrown by a part is rethrown here.
void ParallelRanges(std::int32_t count, std::int32_t min_per_part,
                    const std::function<void(std::int32_t begin, std::int32_t end)>& work);

// The rows of width pixels that make a part worth a thread of its own: for
// light per-pixel work a part of a view's size costs less than starting a
// thread on a busy machine.
inline std::int32_t RowsPerPart(std::int32_t width, std::int64_t pixels_per_part = std::int64_t{1} << 20) {
  const std::int64_t rows = pixels_per_part / (width > 0 ? width : 1);
  return static_cast<std::int32_t>(rows < 1 ? 1 : (rows > (std::int64_t{1} << 30) ? (std::int64_t{1} << 30) : rows));
}

}  // namespace lumetta
