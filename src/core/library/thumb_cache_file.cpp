#include "core/library/thumb_cache_file.h"

#include <filesystem>
#include <system_error>

#include "core/base/paths.h"
#include "core/imaging/thumbnail_fill.h"

namespace lumetta {

bool LoadCachedThumbnail(const std::string& path, TDibImage& thumb) {
  TDibImage cached;
  try {
    cached.LoadFromFile(path);
    if (cached.Width() != kThumbWidth || cached.Height() != kThumbHeight) return false;
    cached.SetPixelFormat(TDibPixelFormat::dpf24Bit);
  } catch (const EDibError&) {
    return false;
  }
  thumb.Assign(cached);
  return true;
}

void RemoveCacheFile(const std::string& path) {
  std::error_code ec;
  std::filesystem::remove(ToFsPath(path), ec);
}

}  // namespace lumetta
