#pragma once
// Which files are photos: the table of photo extensions, built at start-up
// from the formats read here and those of the installed plug-ins.

#include <string>
#include <string_view>
#include <vector>

namespace lumetta {

inline constexpr std::size_t MaxPhotoExtensions = 1000;

// The formats read without plug-ins, in table order (the edited-photo file
// first, since it stands for a photo).
const std::vector<std::string>& BuiltInPhotoExtensions();

// Adds an extension in its compared form (lower case, at most 5 characters,
// dot included; a missing dot is supplied). Nothing happens once the table
// is full or for an empty extension. Returns whether it was added.
bool AddPhotoExtension(std::vector<std::string>& table, std::string_view extension);

// The built-in extensions followed by the plug-ins' ones, at most
// MaxPhotoExtensions in all.
std::vector<std::string> BuildPhotoExtensions(const std::vector<std::string>& plugin_extensions);

// True when the name's compared extension is in the table: a.JPEG and
// a.jpegx are photos, a.jp is not.
bool IsPhotoName(const std::vector<std::string>& table, std::string_view name);

}  // namespace lumetta
