#include "core/view/view_geometry.h"

#include "core/base/rounding.h"
#include "core/state/view_state.h"

namespace lumetta {

ShownSize ShownSizeOf(std::int32_t photo_width, std::int32_t photo_height, std::int32_t rotation) {
  if (rotation == 1 || rotation == -1) return ShownSize{photo_height, photo_width};
  return ShownSize{photo_width, photo_height};
}

FitGeometry ComputeFitGeometry(std::int32_t shown_width, std::int32_t shown_height, std::int32_t view_width,
                               std::int32_t view_height, bool fill) {
  FitGeometry g;
  const std::int32_t bx = CeilDiv(shown_width, view_width);
  const std::int32_t by = CeilDiv(shown_height, view_height);
  const double rx = static_cast<double>(shown_width) / view_width;
  const double ry = static_cast<double>(shown_height) / view_height;
  const bool height_decides = fill ? !(ry >= rx) : ry > rx;
  double s = height_decides ? ry : rx;
  g.box_size = height_decides ? by : bx;
  if (s < 1.0) s = 1.0;

  std::int32_t left = 0;
  std::int32_t top = 0;
  if (fill) {
    top = (view_height - R(shown_height / s)) / 2;
    if (top < 0) {
      g.crop_top = (shown_height - R(view_height * s)) / 2;
      top = 0;
    }
    left = (view_width - R(shown_width / s)) / 2;
    if (left < 0) {
      g.crop_left = (shown_width - R(view_width * s)) / 2;
      left = 0;
    }
  } else if (height_decides) {
    left = (view_width - R(shown_width / s)) / 2;
    if (view_height - 2 >= shown_height / s) top = (view_height - R(shown_height / s)) / 2;
  } else {
    const bool width_has_room = view_width - 2 >= shown_width / s;
    if (ry != rx || width_has_room) top = (view_height - R(shown_height / s)) / 2;
    if (width_has_room) left = (view_width - R(shown_width / s)) / 2;
  }
  g.scale = s;
  g.zoom_percent = R(100 / s);
  g.photo_left = left;
  g.photo_top = top;
  return g;
}

double ZoomScaleOf(std::int32_t z) {
  switch (z) {
    case 1600:
      return 1.0 / 16;
    case 800:
      return 1.0 / 8;
    case 400:
      return 1.0 / 4;
    case 200:
      return 1.0 / 2;
    case 100:
      return 1.0;
    case 80:
      return 1.25;
    case 67:
      return 1.5;
    case 57:
      return 1.75;
    case 50:
      return 2.0;
    case 33:
      return 3.0;
    case 25:
      return 4.0;
    case 20:
      return 5.0;
    case 17:
      return 6.0;
    case 13:
      return 8.0;
    default:
      return 100.0 / z;
  }
}

bool ZoomWithinLimit(std::int32_t z, std::int32_t shown_width, std::int32_t shown_height) {
  const double w = static_cast<double>(z) * shown_width / 100;
  const double h = static_cast<double>(z) * shown_height / 100;
  return R64(w * h) <= MaxZoomPixels;
}

std::optional<KeptZoom> ZoomForWidthShare(std::int32_t shown_width, std::int32_t shown_height, std::int32_t view_width,
                                          double share) {
  if (shown_width <= 0 || shown_height <= 0 || view_width <= 0 || !(share > 0)) return std::nullopt;
  const double scale = shown_width / (view_width * share);
  const double percent = 100.0 / scale;
  if (!(percent >= 0.5 && percent < 1e6)) return std::nullopt;
  const std::int32_t z = R(percent);
  if (!ZoomWithinLimit(z, shown_width, shown_height)) return std::nullopt;
  return KeptZoom{scale, z};
}

std::optional<std::int32_t> NextZoomStepUp(std::int32_t z) {
  if (z >= 1600) return std::nullopt;
  switch (z) {
    case 13:
      return 17;
    case 17:
      return 20;
    case 20:
      return 25;
    case 25:
      return 33;
    case 33:
      return 50;
    case 50:
      return 67;
    case 67:
      return 100;
    case 400:
      return 800;
    case 800:
      return 1600;
    default:
      break;
  }
  if (z >= 100 && z <= 199) return 200;
  if (z >= 200 && z <= 399) return 400;
  // Values between the top steps (after a relayout or a restored zoom) go on
  // up to the next step; falling back to 100 % would zoom out.
  if (z >= 401 && z <= 799) return 800;
  if (z >= 801 && z <= 1599) return 1600;
  if (z <= 15) return 17;
  if (z <= 18) return 20;
  if (z <= 23) return 25;
  if (z <= 30) return 33;
  if (z <= 45) return 50;
  if (z <= 62) return 67;
  return 100;
}

std::optional<std::int32_t> NextZoomStepDown(std::int32_t z) {
  if (z < 14) return std::nullopt;
  switch (z) {
    case 1600:
      return 800;
    case 800:
      return 400;
    case 100:
      return 67;
    case 67:
      return 50;
    case 50:
      return 33;
    case 33:
      return 25;
    case 25:
      return 20;
    case 20:
      return 17;
    case 17:
      return 13;
    default:
      break;
  }
  // Between the top steps (after a relayout or a restored zoom) the next
  // step down is the step below, as the step up goes to the step above.
  if (z >= 1601) return 1600;
  if (z >= 801) return 800;
  if (z >= 401) return 400;
  if (z >= 201 && z <= 400) return 200;
  if (z >= 101 && z <= 200) return 100;
  if (z >= 19 && z <= 21) return 17;
  if (z >= 22 && z <= 27) return 20;
  if (z >= 28 && z <= 37) return 25;
  if (z >= 38 && z <= 52) return 33;
  if (z >= 53 && z <= 67) return 50;
  if (z > 67) return 67;
  return 13;  // 14 ... 18
}

std::optional<std::int32_t> NextZoomFineUp(std::int32_t z) {
  if (z >= kMaxZoomPercent) return std::nullopt;
  if (z == 400) return 800;
  if (z == 800) return 1600;
  return z + 1;
}

std::optional<std::int32_t> NextZoomFineDown(std::int32_t z) {
  if (z < 2) return std::nullopt;
  if (z == 800) return 400;
  if (z == 1600) return 800;
  return z - 1;
}

bool ZoomOutRedo(std::int32_t new_z, std::int32_t shown_width, std::int32_t shown_height) {
  if (new_z <= 200) return true;
  return new_z == 400 && std::int64_t{shown_width} * shown_height <= LargePhotoPixels;
}

std::int32_t ZoomImageDivisor(std::int32_t z, std::int32_t shown_width, std::int32_t shown_height) {
  const bool large = std::int64_t{shown_width} * shown_height > LargePhotoPixels;
  if (large && z > 399) return z / 200;
  if (!large && z > 799) return z / 400;
  return 1;
}

std::int32_t TurnedRight(std::int32_t rotation) {
  switch (rotation) {
    case 0:
      return 1;
    case 1:
      return 2;
    case 2:
      return -1;
    default:
      return 0;
  }
}

std::int32_t TurnedLeft(std::int32_t rotation) {
  switch (rotation) {
    case 0:
      return -1;
    case -1:
      return 2;
    case 2:
      return 1;
    default:
      return 0;
  }
}

std::string RitsuText(std::int32_t z) {
  std::string digits = std::to_string(z);
  if (digits.size() < 3) digits.insert(0, 3 - digits.size(), ' ');
  return digits + "%";
}

std::string ZoomHintText(std::int32_t z) {
  return "現在の表示倍率…「" + std::to_string(z) + "%」。キーボードの『Ｖ』『Ｂ』『Ｎ』キーで、縮小・拡大・解除ができます。";
}

std::string SizeText(std::int32_t width, std::int32_t height) {
  return std::to_string(width) + "x" + std::to_string(height);
}

}  // namespace lumetta
