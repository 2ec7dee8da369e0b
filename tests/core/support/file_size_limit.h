#pragma once
// A medium that runs full half way, for real: while a FileSizeLimit lives,
// the process may not make any file larger than the limit (RLIMIT_FSIZE),
// so that a write beyond it fails in the kernel (EFBIG) as a write to a
// full card does (ENOSPC). The signal that would end the process is ignored
// meanwhile.

#include <signal.h>
#include <sys/resource.h>

#include <cstdint>

namespace lumetta::testing_support {

class FileSizeLimit {
 public:
  explicit FileSizeLimit(std::uint64_t bytes) {
    ::getrlimit(RLIMIT_FSIZE, &saved_);
    struct sigaction ignore {};
    ignore.sa_handler = SIG_IGN;
    ::sigaction(SIGXFSZ, &ignore, &saved_action_);
    struct rlimit limit = saved_;
    limit.rlim_cur = static_cast<rlim_t>(bytes);
    ::setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~FileSizeLimit() {
    ::setrlimit(RLIMIT_FSIZE, &saved_);
    ::sigaction(SIGXFSZ, &saved_action_, nullptr);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  struct rlimit saved_ {};
  struct sigaction saved_action_ {};
};

}  // namespace lumetta::testing_support
