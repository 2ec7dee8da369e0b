#include "platform/private_folder.h"

#include <filesystem>
#include <system_error>

#include "core/base/paths.h"

namespace lumetta::platform {

// The user's own temporary folder is private on Windows already.
std::string PrivateFolderIn(const std::string& parent, const std::string& name) {
  const std::string path = JoinPath(parent, name);
  std::error_code ec;
  std::filesystem::create_directories(ToFsPath(path), ec);
  return ec ? std::string() : path;
}

}  // namespace lumetta::platform
