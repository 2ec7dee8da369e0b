#include "core/base/parallel.h"

#include <algorithm>
#include <atomic>
#include <exception>
#include <thread>
#include <vector>

namespace lumetta {

namespace {
std::atomic<int> g_worker_threads{0};
}  // namespace

int WorkerThreads() {
  const int set = g_worker_threads.load();
  if (set > 0) return set;
  const unsigned hardware = std::thread::hardware_concurrency();
  return hardware == 0 ? 1 : static_cast<int>(std::min(hardware, 8u));
}

void SetWorkerThreads(int count) { g_worker_threads.store(std::max(count, 0)); }

void ParallelRanges(std::int32_t count, std::int32_t min_per_part,
                    const std::function<void(std::int32_t begin, std::int32_t end)>& work) {
  if (count <= 0) return;
  const std::int32_t by_size = std::max<std::int32_t>(1, count / std::max<std::int32_t>(1, min_per_part));
  const std::int32_t parts = std::min<std::int32_t>(WorkerThreads(), by_size);
  if (parts <= 1) {
    work(0, count);
    return;
  }
  std::vector<std::thread> threads;
  std::vector<std::exception_ptr> errors(static_cast<std::size_t>(parts));
  threads.reserve(static_cast<std::size_t>(parts - 1));
  auto bound = [&](std::int32_t part) {
    return static_cast<std::int32_t>(static_cast<std::int64_t>(count) * part / parts);
  };
  for (std::int32_t part = 1; part < parts; ++part) {
    threads.emplace_back([&, part] {
      try {
        work(bound(part), bound(part + 1));
      } catch (...) {
        errors[static_cast<std::size_t>(part)] = std::current_exception();
      }
    });
  }
  try {
    work(bound(0), bound(1));
  } catch (...) {
    errors[0] = std::current_exception();
  }
  for (std::thread& t : threads) t.join();
  for (const std::exception_ptr& e : errors) {
    if (e) std::rethrow_exception(e);
  }
}

}  // namespace lumetta
