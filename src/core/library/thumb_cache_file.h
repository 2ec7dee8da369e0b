#pragma once
// Reading and dropping one file of the thumbnail cache.

#include <string>

#include "core/imaging/dib_image.h"

namespace lumetta {

// Reads a cached thumbnail into thumb. A cache file that cannot be read, or
// is no thumbnail of the strip's size, counts as missing: false, and thumb
// is left as it was, so the caller builds the thumbnail again.
bool LoadCachedThumbnail(const std::string& path, TDibImage& thumb);

// Removes a cache file; one that is already gone or cannot be removed is
// left to the next rebuild, which replaces it.
void RemoveCacheFile(const std::string& path);

}  // namespace lumetta
