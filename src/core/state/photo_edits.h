#pragma once
// The display state of a photo: what an edited-photo file stores.

#include <cstdint>
#include <string>

namespace lumetta {

struct PhotoEdits {
  std::int8_t Rotation = 0;  // quarter turns clockwise: 0, 1, 2, -1
  std::string Comment;       // at most 255 data bytes, no line break
  bool ZoomMode = false;
  double ZoomRatio = 0.0;
  std::int32_t ZoomCentreX = -1;
  std::int32_t ZoomCentreY = -1;
  std::int32_t Brightness = 0;   // -256..256, 0 neutral
  std::int32_t Contrast = 256;   // 1..1024, 256 neutral
  std::int32_t Sharpness = 0;    // 0 global, -1 never, 4..16 levels
  std::int32_t Effect = 0;       // 0 global, 1 chrome, 2 sepia, 3 black and white
  std::int32_t CommentFix = 0;   // 0 not fixed, -1 hidden, 1..4 positions

  bool operator==(const PhotoEdits&) const = default;
};

// The edits of a plain photo shown with the given cached rotation.
inline PhotoEdits PlainPhotoEdits(std::int8_t rotation = 0) {
  PhotoEdits edits;
  edits.Rotation = rotation;
  return edits;
}

}  // namespace lumetta
