#include <filesystem>
#include <system_error>

#include "core/base/paths.h"
#include "platform/executable_path.h"

namespace lumetta::platform {

std::string RunningExecutableFolder() {
  std::error_code ec;
  const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", ec);
  return ec ? std::string() : FromFsPath(self.parent_path());
}

}  // namespace lumetta::platform
