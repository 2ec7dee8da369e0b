#pragma once
// How edited-photo files are named after their photos, and back.

#include <string>
#include <string_view>

namespace lumetta {

class FolderIndex;

inline constexpr std::string_view kEditedPhotoExtension = ".lum";

// True when the name or path has the edited-photo extension (any case).
bool IsEditedPhotoName(std::string_view name);

// The photo's name without its extension, "_" and the extension without its
// dot, as the photo's name spells it: IMG_0001.JPG gives IMG_0001_JPG.
std::string EditedBaseName(std::string_view photo_name);

// The name under which a photo's default edited-photo file is listed in its
// stead: the extension lower-cased, so IMG_0001.JPG gives IMG_0001_jpg.lum.
// Looked up ignoring case, it also finds the file EditedBaseName names.
std::string ListedEditedName(std::string_view photo_name);

// The source photo of an edited-photo file: IMG_0001_JPG-002.lum gives
// IMG_0001.JPG in the same folder, spelt as it is on disk when a file of
// that name exists whatever its case. A name without "_", and any path
// that is not an edited-photo file, is returned unchanged.
std::string SourcePhotoName(std::string_view path);
// The same, looking the name up in an index of the path's folder.
std::string SourcePhotoName(std::string_view path, const FolderIndex& folder);

// The computed source name alone, without looking at the disk.
std::string SourcePhotoNameAsWritten(std::string_view path);

}  // namespace lumetta
