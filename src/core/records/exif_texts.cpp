#include "core/records/exif_texts.h"

#include <cmath>
#include <cstdlib>

#include "core/base/text_codec.h"

namespace lumetta {

namespace {

bool StartsWith(std::string_view text, std::string_view prefix) { return text.substr(0, prefix.size()) == prefix; }

// Blanks and control characters at the end go, as a label would not show
// them anyway.
std::string TrimmedRight(std::string text) {
  while (!text.empty() && static_cast<unsigned char>(text.back()) <= ' ') text.pop_back();
  return text;
}

void EraseFirst(std::string& text, std::string_view what) {
  const std::size_t at = text.find(what);
  if (at != std::string::npos) text.erase(at, what.size());
}

// Keeps the "Z" of the first "Zoom" (or "ZOOM") and drops the three letters
// after it.
void ShortenZoom(std::string& text, std::string_view word) {
  const std::size_t at = text.find(word);
  if (at != std::string::npos) text.erase(at + 1, 3);
}

bool IsCp932LeadByte(unsigned char c) { return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC); }

// nearest(a / b) = trunc(a / b + 0.5) for a >= 0, b > 0, exactly.
std::uint64_t Nearest(std::uint64_t a, std::uint64_t b) { return (2 * a + b) / (2 * b); }

}  // namespace

std::string FileSizeCaption(std::uint64_t bytes) {
  const std::uint64_t kb = bytes / 1000 + (bytes % 1000 >= 500 ? 1 : 0);
  std::string caption;
  if (kb < 1000) caption += ' ';
  if (kb < 100) caption += ' ';
  if (kb < 10) caption += ' ';
  return caption + "[" + std::to_string(kb) + "KB]";
}

std::string ExifStringText(std::string_view bytes) {
  bytes = bytes.substr(0, bytes.find('\0'));
  // Whether the last byte is a lead byte without its second byte depends on
  // where the characters start, so the bytes are walked from the front.
  std::size_t at = 0;
  while (at < bytes.size()) {
    if (IsCp932LeadByte(static_cast<unsigned char>(bytes[at]))) {
      if (at + 1 == bytes.size()) {
        bytes.remove_suffix(1);
        break;
      }
      at += 2;
    } else {
      at += 1;
    }
  }
  return Cp932ToUtf8(bytes);
}

std::string ModelText(std::string_view model) {
  std::string text(model);
  if (StartsWith(text, "KODAK ")) text.erase(0, 6);
  if (StartsWith(text, "Konica ")) text.erase(0, 7);
  ShortenZoom(text, "Zoom");
  ShortenZoom(text, "ZOOM");
  EraseFirst(text, "DIGITAL CAMERA");
  EraseFirst(text, "Digital Camera ");
  EraseFirst(text, "Canon ");
  EraseFirst(text, "PENTAX ");
  return TrimmedRight(std::move(text));
}

std::string VersionText(std::string_view software) {
  std::string text = TrimmedRight(std::string(software));
  if (text.empty()) return "";
  const std::size_t ver = text.find("Ver");
  if (ver != std::string::npos) text.erase(0, ver + 3);
  if (!text.empty() && text[0] == 'V') text[0] = 'v';
  if (text.empty() || text[0] != 'v') text.insert(0, "v");
  return " [" + text + "]";
}

std::string MakerText(std::string_view make) {
  for (std::string_view name : {"OLYMPUS", "NIKON", "SANYO", "Minolta", "Asahi Optical", "CASIO", "Konica"}) {
    if (StartsWith(make, name)) return std::string(name);
  }
  if (StartsWith(make, "EASTMAN KODAK")) return "KODAK";
  return TrimmedRight(std::string(make));
}

std::string OneDecimal(std::int64_t n, std::int64_t d) {
  if (d == 0) return "0.0";
  const bool negative = (n < 0) != (d < 0);
  const auto a = static_cast<std::uint64_t>(std::llabs(n));
  const auto b = static_cast<std::uint64_t>(std::llabs(d));
  // Tenths rounded half away from zero: 10 a / b + 1/2, truncated.
  const std::uint64_t tenths = Nearest(10 * a, b);
  std::string text = std::to_string(tenths / 10) + "." + std::to_string(tenths % 10);
  return negative && tenths != 0 ? "-" + text : text;
}

std::string ApertureText(std::uint32_t n, std::uint32_t d) { return "F" + OneDecimal(n, d) + " "; }

std::string ExposureTimeText(std::uint32_t n, std::uint32_t d) {
  if (d == 0 || n == 0) return "";
  if (n < d) return "1/" + std::to_string(n == 1 ? d : Nearest(d, n)) + " ";
  return std::to_string(d == 1 ? n : Nearest(n, d)) + " ";
}

std::string ShutterSpeedText(std::int32_t n, std::int32_t d) {
  if (d <= 0) return "";
  const double tv = static_cast<double>(n) / d;
  // Beyond this range 2^tv no longer fits the whole numbers shown (and no
  // camera has such a shutter).
  if (!(tv > -32 && tv < 32)) return "";
  const double t = std::exp2(tv);
  if (t > 1) return "1/" + std::to_string(static_cast<std::int64_t>(t + 0.5)) + " ";
  return std::to_string(static_cast<std::int64_t>(1 / t + 0.5)) + " ";
}

std::string IsoText(std::uint16_t iso) { return iso == 0 ? "" : "ISO" + std::to_string(iso); }

std::string FlashMark(std::uint16_t flash) { return (flash & 1) != 0 ? "★" : ""; }

std::string BiasText(std::int32_t n, std::int32_t d) {
  const bool positive = d != 0 && n != 0 && (n < 0) == (d < 0);
  return std::string("(") + (positive ? "+" : "") + OneDecimal(n, d) + "EV) ";
}

std::string FocalText(std::uint32_t n, std::uint32_t d) { return OneDecimal(n, d) + "mm "; }

std::string SharpnessText(std::uint16_t sharpness) {
  if (sharpness == 1) return "Soft";
  if (sharpness == 2) return "Hard";
  return "";
}

std::string ShotDateText(const char (&date_time)[19]) {
  const std::string_view t(date_time, 19);
  return ExifStringText(std::string(t.substr(2, 2)) + "/" + std::string(t.substr(5, 2)) + "/" +
                        std::string(t.substr(8, 2)));
}

std::string ShotTimeText(const char (&date_time)[19]) {
  const std::string_view t(date_time, 19);
  return ExifStringText(std::string(t.substr(11, 2)) + ":" + std::string(t.substr(14, 2)) + ":" +
                        std::string(t.substr(17, 2)));
}

}  // namespace lumetta
