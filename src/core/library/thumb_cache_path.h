#pragma once
// Where the thumbnail cache keeps a photo folder's thumbnails: below the
// slot's cache folder ("01", "02", "03" in the thumbnail folder), under the
// folder's path from the slot root's own name on.
//
// Every name here is derived by the program, so each lookup finds an entry
// whatever the case it is spelt in on disk; what is created keeps the
// derived spelling.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace lumetta {

struct AppState;

// The cache folder's name of a slot root: the root's last component with
// its first ":" as the full-width "：" (a drive "D:" gives "D："),
// kRootCacheName for the filesystem root, "" for no root.
std::string SlotCacheName(std::string_view slot_root);
inline constexpr std::string_view kRootCacheName = "_root";

// The cache folder of a folder of slot 1..3 (not created here). A root that
// is a drive ("D:") gives its colon as the full-width "：", which a folder
// name can hold.
std::string ThumbCacheFolder(const AppState& state, std::int32_t slot, std::string_view folder);

// The same folder as it is spelt on disk when its levels exist in another
// case; the derived spelling for the levels that do not exist.
std::string ResolvedThumbCacheFolder(const AppState& state, std::int32_t slot, std::string_view folder);

// The cache file name of a photo: IMG_0001.JPG gives IMG_0001_JPG.bmp, an
// edited-photo file IMG_0001_jpg.lum gives IMG_0001_jpg_lum.bmp.
std::string ThumbCacheFileName(std::string_view photo_name);

// The ".bmp" cache path of a photo of folder in slot 1..3. The cache folder
// is created with its missing levels (a folder that cannot be created is
// left to the writer, which then fails quietly).
std::string ThumbCachePath(const AppState& state, std::int32_t slot, std::string_view folder,
                           std::string_view photo_name);

// The rotation file beside a ".bmp" cache path: the same base name with
// ".dat".
std::string ThumbRotationPath(std::string_view cache_path);

// The existing file a cache path names, whatever the case of its file name;
// nothing when there is none.
std::optional<std::string> FindCacheFile(std::string_view path);

}  // namespace lumetta
