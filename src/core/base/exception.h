#pragma once
// The base of the program's own exceptions. Each component throws a class
// of its own derived from it; what no command handles reaches the windows'
// command runner (or the command line), which reports its message.

#include <stdexcept>

namespace lumetta {

class Exception : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace lumetta
