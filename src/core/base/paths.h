#pragma once
// Paths as the program holds them: UTF-8 strings with the platform's
// separator and no trailing separator (a filesystem root stays as it is).

#include <filesystem>
#include <string>
#include <string_view>

namespace lumetta {

#ifdef _WIN32
inline constexpr char kPathSeparator = '\\';
#else
inline constexpr char kPathSeparator = '/';
#endif

std::filesystem::path ToFsPath(std::string_view utf8);
std::string FromFsPath(const std::filesystem::path& path);

// folder + separator + name; a folder that already ends in a separator gets
// none added.
std::string JoinPath(std::string_view folder, std::string_view name);

// Everything before the last separator ("" when there is none; the root for
// a path directly under it).
std::string ParentFolder(std::string_view path);

// Everything after the last separator.
std::string FileNameOf(std::string_view path);

// The extension of a file name or path with its dot ("" when there is none);
// a dot inside a folder name does not count.
std::string ExtensionOf(std::string_view path);

// The name or path without its extension.
std::string WithoutExtension(std::string_view path);

// The path without a trailing separator, unless it is a root.
std::string WithoutTrailingSeparator(std::string_view path);

// The extension lower-cased and cut to its first 5 characters, dot included:
// the form in which extensions are compared.
std::string CompareExtension(std::string_view path);

bool IsDirectory(std::string_view path);
bool IsRegularFile(std::string_view path);
bool PathExists(std::string_view path);

}  // namespace lumetta
