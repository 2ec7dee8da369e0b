#pragma once
// The base of the program's own exceptions. Each component throws a class
// of its own derived from it; what no command handles reaches the windows'
// command runner (or the command line), which reports its message.

#include <stdexcept>

namespace lumetta {

// What a failure kept the user from: seeing a photo, or reading or writing
// a file.
enum class FailureKind { Photo, File };

class Exception : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;

  // A file, unless the class says it is a photo.
  virtual FailureKind Kind() const noexcept { return FailureKind::File; }
};

}  // namespace lumetta
