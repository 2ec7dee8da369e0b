#pragma once
// The running executable's folder, without Qt (for lumetta-cli).

#include <string>

namespace lumetta::platform {

// The folder of the running executable, or "" when it cannot be found.
std::string RunningExecutableFolder();

}  // namespace lumetta::platform
