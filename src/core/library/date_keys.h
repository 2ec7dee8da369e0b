#pragma once
// The two date keys the photo list can be ordered by: 14 characters
// YYYYMMDDhhmmss each, compared byte for byte.

#include <string>
#include <string_view>

namespace lumetta {

class FolderIndex;

inline constexpr std::string_view NoFileDate = "00000000000000";
inline constexpr std::string_view NoExifDate = "99999999999999";

// The file's last-write time in local time; NoFileDate when it cannot be read
// (no such file, as for an entry inside an archive).
std::string FileDateKey(std::string_view path);

// The shooting date of the photo's Exif DateTimeOriginal, found the quick
// way: the APP1 "Exif" block among the segments that lead a JPEG file (or a
// TIFF file), IFD0 where the TIFF header puts it, its Exif IFD pointer, the
// last date entry there.
// An edited-photo file is keyed by its source photo. Never fails: a photo
// without such a date, or a file that cannot be read that far, gets
// NoExifDate.
std::string ExifDateKey(std::string_view path);
// The same, finding an edited-photo file's source in an index of its folder.
std::string ExifDateKey(std::string_view path, const FolderIndex* folder);

// The Exif date of bytes already in memory whose compared extension is
// extension (".jpg", ".tif", ...), for the fuzz target.
std::string ExifDateKeyOfBytes(const unsigned char* data, std::size_t size, std::string_view extension);

}  // namespace lumetta
