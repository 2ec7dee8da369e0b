#include "cli/app_folder.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "core/app/startup.h"
#include "core/base/paths.h"
#include "platform/executable_path.h"

namespace lumetta::cli {

namespace {

// Where the program keeps its data when its own folder cannot be written:
// $XDG_DATA_HOME/lumetta, by default ~/.local/share/lumetta.
std::string UserDataFolder() {
  if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg != nullptr && *xdg != '\0') return JoinPath(xdg, "lumetta");
  const char* home = std::getenv("HOME");
  return JoinPath(JoinPath(home != nullptr ? home : ".", ".local/share"), "lumetta");
}

}  // namespace

std::string AbsoluteFolder(const std::string& folder) {
  std::error_code ec;
  const auto absolute = std::filesystem::absolute(ToFsPath(folder), ec);
  return WithoutTrailingSeparator(ec ? folder : FromFsPath(absolute.lexically_normal()));
}

std::string AppFolderOf(const std::string& option) {
  if (!option.empty()) return AbsoluteFolder(option);
  StartupEnvironment env;
  env.ExecutableFolder = platform::RunningExecutableFolder();
  env.UserDataFolder = UserDataFolder();
  return ChooseAppFolder(env);
}

}  // namespace lumetta::cli
