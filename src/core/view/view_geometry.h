#pragma once
// The view's geometry rules: how a shown photo fits the view, the zoom
// values and their scales, the zoom steps and the size limit.

#include <cstdint>
#include <optional>
#include <string>

namespace lumetta {

inline constexpr std::int32_t kMaxZoomPercent = 1600;
// The step commands stop at 13 %, the fine steps at 1 %.
inline constexpr std::int32_t kMinStepZoomPercent = 13;
inline constexpr std::int32_t kMinFineZoomPercent = 1;
// The numeric zoom dialog takes 1 ... 400 %.
inline constexpr std::int32_t kMinNumericZoomPercent = 1;
inline constexpr std::int32_t kMaxNumericZoomPercent = 400;

struct ShownSize {
  std::int32_t width = 0;
  std::int32_t height = 0;
};

// The photo's size after quarter turns: width and height exchanged for
// rotation 1 and -1.
ShownSize ShownSizeOf(std::int32_t photo_width, std::int32_t photo_height, std::int32_t rotation);

// Where a fitted render puts the photo.
struct FitGeometry {
  double scale = 1.0;  // photo pixels per screen pixel, at least 1
  std::int32_t box_size = 1;
  std::int32_t zoom_percent = 100;
  std::int32_t photo_left = 0;
  std::int32_t photo_top = 0;
  std::int32_t crop_left = 0;
  std::int32_t crop_top = 0;
};

// Fit (the whole photo, black bars) or fill (the view covered, the overflow
// cut off equally on both sides). A photo smaller than the view keeps its
// size and is centred.
FitGeometry ComputeFitGeometry(std::int32_t shown_width, std::int32_t shown_height, std::int32_t view_width,
                               std::int32_t view_height, bool fill);

// The scale of a zoom value: the table's for its values, else 100 / z.
double ZoomScaleOf(std::int32_t zoom_percent);

// Whether the photo at zoom z stays within MaxZoomPixels.
bool ZoomWithinLimit(std::int32_t zoom_percent, std::int32_t shown_width, std::int32_t shown_height);

// A zoom of the shown photo: the view's scale and the percentage shown.
struct KeptZoom {
  double scale = 1.0;
  std::int32_t zoom_percent = 100;
};

// The zoom at which the shown photo is share times as wide as a view of
// view_width: how a zoom is kept when the view changes size. Nothing when
// there is nothing to keep (no shown size, no view width, no share) or the
// zoom would pass the size limit.
std::optional<KeptZoom> ZoomForWidthShare(std::int32_t shown_width, std::int32_t shown_height, std::int32_t view_width,
                                          double share);

// The next value of each zoom command, or nothing when the command does not
// go further from z.
std::optional<std::int32_t> NextZoomStepUp(std::int32_t zoom_percent);
std::optional<std::int32_t> NextZoomStepDown(std::int32_t zoom_percent);
std::optional<std::int32_t> NextZoomFineUp(std::int32_t zoom_percent);
std::optional<std::int32_t> NextZoomFineDown(std::int32_t zoom_percent);

// Whether zooming out to z rebuilds the enlarged zoom image at the finer
// resolution (the redo flag).
bool ZoomOutRedo(std::int32_t new_zoom_percent, std::int32_t shown_width, std::int32_t shown_height);

// Large zooms keep the zoom image at a fraction 1 / d of the zoom size and
// let the window copy enlarge it.
std::int32_t ZoomImageDivisor(std::int32_t zoom_percent, std::int32_t shown_width, std::int32_t shown_height);

// Quarter turns: 0 -> 1 -> 2 -> -1 -> 0 to the right, the reverse to the left.
std::int32_t TurnedRight(std::int32_t rotation);
std::int32_t TurnedLeft(std::int32_t rotation);

// RitsuLbl: the zoom value right-aligned in at least three characters and
// "%" (" 50%", "1600%").
std::string RitsuText(std::int32_t zoom_percent);
// HenshuLbl's hint for a zoom value.
std::string ZoomHintText(std::int32_t zoom_percent);
// SizeLbl: width "x" height.
std::string SizeText(std::int32_t width, std::int32_t height);

}  // namespace lumetta
