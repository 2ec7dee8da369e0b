#pragma once
// The failure of the archive layer: a file that is no archive it reads, a
// damaged one, or one over the limits below. Callers show the one-line
// message about the archive; the text here is for reports.

#include <cstddef>
#include <cstdint>

#include "core/base/exception.h"

namespace lumetta {

class EArchive : public Exception {
 public:
  using Exception::Exception;
};

// What an archive may make the program write or hold. An archive over any of
// them counts as unreadable, so that a crafted one cannot fill the disk or
// the memory.
inline constexpr std::uint64_t kMaxEntryBytes = std::uint64_t{512} << 20;
inline constexpr std::uint64_t kMaxNestedArchiveBytes = std::uint64_t{2} << 30;
inline constexpr int kMaxNestingDepth = 8;
inline constexpr std::size_t kMaxArchiveEntries = 100000;

}  // namespace lumetta
