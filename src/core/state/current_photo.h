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

// One photo, two side by side (the second at the right, or reversed), or
// four in a 2 x 2 grid.
enum class PanoramaKind : std::int32_t { None = 0, Pair = 1, PairReversed = 2, Four = 3 };

inline std::int32_t PaneCountOf(PanoramaKind panorama_mode) {
  switch (panorama_mode) {
    case PanoramaKind::Pair:
    case PanoramaKind::PairReversed:
      return 2;
    case PanoramaKind::Four:
      return 4;
    case PanoramaKind::None:
      break;
  }
  return 1;
}

}  // namespace lumetta
