#pragma once
// The texts of the shooting-information panel, each formed from one Exif
// value in its own way. All are UTF-8; the numbers are worked out from the
// file's integers, so that no rounding of a binary fraction can change a
// digit.

#include <cstdint>
#include <string>
#include <string_view>

namespace lumetta {

// The file-size caption: kilobytes of 1000 bytes rounded half up, "[nKB]",
// after one blank for each of n < 1000, n < 100, n < 10 so that sizes up to
// four digits end in the same column: 999 bytes give "   [1KB]".
std::string FileSizeCaption(std::uint64_t bytes);

// The text of an Exif string's bytes: up to the first zero byte, code page
// 932 (a lead byte cut off from its second byte at the end is dropped).
std::string ExifStringText(std::string_view bytes);

// The camera model shortened: "KODAK " and "Konica " dropped at the start,
// "Zoom"/"ZOOM" cut to "Z", "DIGITAL CAMERA", "Digital Camera ", "Canon "
// and "PENTAX " taken out (first occurrence of each), trailing blanks and
// control characters removed: KODAK DC290 ZOOM DIGITAL CAMERA gives DC290 Z.
std::string ModelText(std::string_view model);

// " [v…]" from the Software value: what follows its first "Ver", starting
// with a small "v" (Ver1.01 gives " [v1.01]"); empty for an empty value.
std::string VersionText(std::string_view software);

// The maker: a value beginning with one of the known names becomes just that
// name (EASTMAN KODAK becomes KODAK); trailing blanks and control characters
// removed.
std::string MakerText(std::string_view make);

// n / d with one decimal, rounded half away from zero from the fraction
// itself (-1/4 gives -0.3, 1/4 gives 0.3); 0.0 for d = 0, never -0.0.
std::string OneDecimal(std::int64_t n, std::int64_t d);

// "F2.8 " from FNumber.
std::string ApertureText(std::uint32_t n, std::uint32_t d);
// "1/125 " or "2 " from ExposureTime; empty for d = 0 or n = 0.
std::string ExposureTimeText(std::uint32_t n, std::uint32_t d);
// The same from ShutterSpeedValue (an APEX value tv, exposure 2^-tv s);
// empty for d <= 0 and unless -32 < tv < 32.
std::string ShutterSpeedText(std::int32_t n, std::int32_t d);
// "ISO200", or empty for 0.
std::string IsoText(std::uint16_t iso);
// "★" when the flash fired (bit 0).
std::string FlashMark(std::uint16_t flash);
// "(+0.3EV) ", "(-0.7EV) ", "(0.0EV) " from ExposureBiasValue.
std::string BiasText(std::int32_t n, std::int32_t d);
// "5.6mm " from FocalLength.
std::string FocalText(std::uint32_t n, std::uint32_t d);
// "Soft" for 1, "Hard" for 2, else empty.
std::string SharpnessText(std::uint16_t sharpness);

// "YY/MM/DD" and "HH:MM:SS" from the 19 characters "YYYY:MM:DD HH:MM:SS" of
// DateTimeOriginal, taken by position whatever they are.
std::string ShotDateText(const char (&date_time)[19]);
std::string ShotTimeText(const char (&date_time)[19]);

}  // namespace lumetta
