#include "platform/private_folder.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <vector>

namespace lumetta::platform {

namespace {

// A folder of the user's own (not a link) that group and others cannot use.
bool IsPrivateFolder(const std::string& path) {
  struct stat st {};
  if (lstat(path.c_str(), &st) != 0) return false;
  return S_ISDIR(st.st_mode) && st.st_uid == geteuid() && (st.st_mode & 077) == 0;
}

}  // namespace

std::string PrivateFolderIn(const std::string& parent, const std::string& name) {
  const std::string path = parent + "/" + name;
  if (mkdir(path.c_str(), 0700) == 0 || errno == EEXIST) {
    if (IsPrivateFolder(path)) return path;
  }
  // Someone else's folder (or a link) under the fixed name: never use it.
  std::string pattern = parent + "/" + name + "-XXXXXX";
  std::vector<char> buffer(pattern.begin(), pattern.end());
  buffer.push_back('\0');
  if (mkdtemp(buffer.data()) == nullptr) return "";
  return std::string(buffer.data());
}

}  // namespace lumetta::platform
