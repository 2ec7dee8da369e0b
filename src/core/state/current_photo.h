#pragma once
// The photo on show (in panorama mode: the photo of pane 1) and the panes.

#include <array>
#include <cstdint>
#include <string>

#include "core/state/photo_edits.h"

namespace lumetta {

struct PhotoRecord {
  std::string Name;    // file name; empty = no photo shown
  std::string Folder;  // CurrentFolder when it was shown
  std::int32_t Slot = 0;
  std::int32_t Pos = 0;
  PhotoEdits Edits;
};

// 0 one photo, 1 two side by side, 2 two reversed, 3 four in a 2 x 2 grid.
inline std::int32_t PaneCountOf(std::int32_t panorama_mode) {
  switch (panorama_mode) {
    case 1:
    case 2:
      return 2;
    case 3:
      return 4;
    default:
      return 1;
  }
}

}  // namespace lumetta
