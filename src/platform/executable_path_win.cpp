#include <windows.h>

#include <filesystem>

#include "core/base/paths.h"
#include "platform/executable_path.h"

namespace lumetta::platform {

std::string RunningExecutableFolder() {
  wchar_t buffer[32768];
  const DWORD n = GetModuleFileNameW(nullptr, buffer, static_cast<DWORD>(std::size(buffer)));
  if (n == 0 || n >= std::size(buffer)) return "";
  return FromFsPath(std::filesystem::path(std::wstring(buffer, n)).parent_path());
}

}  // namespace lumetta::platform
