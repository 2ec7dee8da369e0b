#include "core/records/edited_photo_writer.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

#include "core/base/data_file.h"
#include "core/base/numbers.h"
#include "core/base/text_codec.h"

namespace lumetta {

namespace {

constexpr std::size_t kCommentBytes = 255;

// A line break in the comment would shift every later line of the file.
std::string OneLine(std::string_view text) {
  std::string line;
  for (const char c : text) {
    if (c != '\r' && c != '\n') line += c;
  }
  return line;
}

}  // namespace

std::string FormatZoomRatio(double ratio) {
  if (!std::isfinite(ratio)) ratio = 0;
  // to_chars never looks at the locale; it gives "5.00000000000000e-01".
  char digits[64];
  const auto result =
      std::to_chars(digits, digits + sizeof digits, std::fabs(ratio), std::chars_format::scientific, 14);
  const std::string text(digits, result.ptr);
  const std::size_t e = text.find('e');
  const std::string mantissa = text.substr(0, e);
  const char exponent_sign = text[e + 1];
  std::string exponent = text.substr(e + 2);
  while (exponent.size() < 4) exponent.insert(exponent.begin(), '0');
  return std::string(1, std::signbit(ratio) && ratio != 0 ? '-' : ' ') + mantissa + "E" + exponent_sign + exponent;
}

double ZoomRatioOf(std::int8_t rotation, std::int32_t decoded_width, std::int32_t decoded_height, double scale,
                   std::int32_t view_width) {
  const bool sideways = rotation == 1 || rotation == -1;
  const std::int32_t width = sideways ? decoded_height : decoded_width;
  if (width <= 0 || view_width <= 0 || !(scale > 0) || !std::isfinite(scale)) return 0;
  return width / scale / view_width;
}

std::vector<std::string> EditedPhotoLines(const PhotoEdits& edits) {
  return {
      "100",
      CutToDataBytes(OneLine(edits.Comment), kCommentBytes),
      IntToString(edits.Rotation),
      edits.ZoomMode ? "1" : "0",
      FormatZoomRatio(edits.ZoomRatio),
      IntToString(edits.ZoomCentreX),
      IntToString(edits.ZoomCentreY),
      IntToString(edits.Brightness),
      IntToString(edits.Contrast),
      IntToString(edits.Sharpness),
      IntToString(edits.Effect),
      IntToString(edits.CommentFix),
      "0",
      "0",
  };
}

std::string EditedPhotoBytes(const PhotoEdits& edits) { return DataFileBytes(EditedPhotoLines(edits)); }

void WriteEditedPhotoFile(std::string_view path, const PhotoEdits& edits, bool create_new) {
  const std::string bytes = EditedPhotoBytes(edits);
  if (create_new) {
    CreateDataFile(path, bytes);
  } else {
    WriteFileAtomically(path, bytes);
  }
}

}  // namespace lumetta
