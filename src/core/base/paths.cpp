#include "core/base/paths.h"

#include <system_error>

#include "core/base/names.h"
#include "core/base/text_codec.h"

namespace lumetta {

namespace {
bool IsSeparator(char c) { return c == '/' || c == kPathSeparator; }

std::size_t LastSeparator(std::string_view path) {
  for (std::size_t i = path.size(); i-- > 0;) {
    if (IsSeparator(path[i])) return i;
  }
  return std::string_view::npos;
}
}  // namespace

std::filesystem::path ToFsPath(std::string_view utf8) {
#ifdef _WIN32
  return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
#else
  return std::filesystem::path(std::string(utf8));
#endif
}

std::string FromFsPath(const std::filesystem::path& path) {
#ifdef _WIN32
  const std::u8string u8 = path.u8string();
  return std::string(u8.begin(), u8.end());
#else
  return path.native();
#endif
}

std::string JoinPath(std::string_view folder, std::string_view name) {
  std::string out(folder);
  if (out.empty() || !IsSeparator(out.back())) out += kPathSeparator;
  out += name;
  return out;
}

std::string ParentFolder(std::string_view path) {
  const std::size_t sep = LastSeparator(path);
  if (sep == std::string_view::npos) return "";
  if (sep == 0) return std::string(path.substr(0, 1));
  return std::string(path.substr(0, sep));
}

std::string FileNameOf(std::string_view path) {
  const std::size_t sep = LastSeparator(path);
  return std::string(sep == std::string_view::npos ? path : path.substr(sep + 1));
}

std::string ExtensionOf(std::string_view path) {
  const std::size_t sep = LastSeparator(path);
  const std::size_t dot = path.rfind('.');
  if (dot == std::string_view::npos || (sep != std::string_view::npos && dot < sep)) return "";
  return std::string(path.substr(dot));
}

std::string WithoutExtension(std::string_view path) {
  return std::string(path.substr(0, path.size() - ExtensionOf(path).size()));
}

std::string WithoutTrailingSeparator(std::string_view path) {
  std::string out(path);
  while (out.size() > 1 && IsSeparator(out.back())) out.pop_back();
  return out;
}

std::string CompareExtension(std::string_view path) {
  return FirstChars(LowerCase(ExtensionOf(path)), 5);
}

bool IsDirectory(std::string_view path) {
  std::error_code ec;
  return !path.empty() && std::filesystem::is_directory(ToFsPath(path), ec);
}

bool IsRegularFile(std::string_view path) {
  std::error_code ec;
  return !path.empty() && std::filesystem::is_regular_file(ToFsPath(path), ec);
}

bool PathExists(std::string_view path) {
  std::error_code ec;
  return !path.empty() && std::filesystem::exists(ToFsPath(path), ec);
}

}  // namespace lumetta
