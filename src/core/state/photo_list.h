#pragma once
// The photo list: the photos of the current folder in display order.
// Positions are 1-based; 0 means none.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "core/imaging/dib_image.h"

namespace lumetta {

inline constexpr std::int32_t MaxPhotos = 10000;

struct PhotoEntry {
  std::string Name;       // file name only; at most 255 data bytes
  std::string FileDate;   // FileDateKey, 14 characters
  // The thumbnail image of this slot: created on first use and reused by
  // whatever photo later occupies the slot.
  std::unique_ptr<TDibImage> Thumb;
  bool ThumbCreated = false;
  bool ThumbLoaded = false;
  bool Unreadable = false;
  std::int8_t Rotation = 0;  // 0, 1, 2, -1 (stored as 255 in rotation files)
};

struct PhotoList {
  PhotoList() : entries(MaxPhotos + 1) {}

  // entries[1..PhotoCount] are the photos; entries[0] is never used.
  std::vector<PhotoEntry> entries;
  std::int32_t PhotoCount = 0;

  PhotoEntry& operator[](std::int32_t pos) { return entries[static_cast<std::size_t>(pos)]; }
  const PhotoEntry& operator[](std::int32_t pos) const { return entries[static_cast<std::size_t>(pos)]; }
  bool Valid(std::int32_t pos) const { return pos >= 1 && pos <= PhotoCount; }
  // The name at a position, or "" outside the list.
  const std::string& NameAt(std::int32_t pos) const {
    static const std::string empty;
    return pos >= 1 && pos <= MaxPhotos ? entries[static_cast<std::size_t>(pos)].Name : empty;
  }
};

}  // namespace lumetta
