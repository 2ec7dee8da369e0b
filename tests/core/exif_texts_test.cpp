#include "core/records/exif_texts.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace lumetta {
namespace {

TEST(ExifTexts, FileSizeInKilobytesEndsInOneColumn) {
  EXPECT_EQ(FileSizeCaption(999), "   [1KB]");
  EXPECT_EQ(FileSizeCaption(45'000), "  [45KB]");
  EXPECT_EQ(FileSizeCaption(2'730'500), "[2731KB]");
  EXPECT_EQ(FileSizeCaption(12'000'000), "[12000KB]");
  EXPECT_EQ(FileSizeCaption(0), "   [0KB]");
  EXPECT_EQ(FileSizeCaption(499), "   [0KB]");
  EXPECT_EQ(FileSizeCaption(9'499), "   [9KB]");
  EXPECT_EQ(FileSizeCaption(9'500), "  [10KB]");
  EXPECT_EQ(FileSizeCaption(999'499), " [999KB]");
  EXPECT_EQ(FileSizeCaption(999'500), "[1000KB]");
}

struct RationalCase {
  std::int64_t n;
  std::int64_t d;
  std::string text;
};

void PrintTo(const RationalCase& c, std::ostream* os) { *os << c.n << "/" << c.d; }

class ExposureTime : public ::testing::TestWithParam<RationalCase> {};
TEST_P(ExposureTime, ShowsAFractionOfASecondOrWholeSeconds) {
  const RationalCase& c = GetParam();
  EXPECT_EQ(ExposureTimeText(static_cast<std::uint32_t>(c.n), static_cast<std::uint32_t>(c.d)), c.text);
}
INSTANTIATE_TEST_SUITE_P(ExifTexts, ExposureTime,
                         ::testing::Values(RationalCase{10, 1250, "1/125 "}, RationalCase{1, 60, "1/60 "},
                                           RationalCase{2, 1, "2 "}, RationalCase{15, 10, "2 "},
                                           RationalCase{3, 2000, "1/667 "}, RationalCase{10, 25, "1/3 "},
                                           RationalCase{1, 1, "1 "}, RationalCase{25, 10, "3 "},
                                           RationalCase{0xFFFFFFFF, 1, "4294967295 "},
                                           RationalCase{1, 0xFFFFFFFF, "1/4294967295 "},
                                           RationalCase{0, 10, ""}, RationalCase{10, 0, ""}, RationalCase{0, 0, ""}));

class ShutterSpeed : public ::testing::TestWithParam<RationalCase> {};
TEST_P(ShutterSpeed, IsTwoToTheMinusTvSeconds) {
  const RationalCase& c = GetParam();
  EXPECT_EQ(ShutterSpeedText(static_cast<std::int32_t>(c.n), static_cast<std::int32_t>(c.d)), c.text);
}
INSTANTIATE_TEST_SUITE_P(ExifTexts, ShutterSpeed,
                         ::testing::Values(RationalCase{69, 10, "1/119 "}, RationalCase{-1, 1, "2 "},
                                           RationalCase{0, 1, "1 "}, RationalCase{8, 1, "1/256 "},
                                           RationalCase{-5, 1, "32 "}, RationalCase{31, 1, "1/2147483648 "},
                                           RationalCase{-31, 1, "2147483648 "}, RationalCase{32, 1, ""},
                                           RationalCase{-32, 1, ""}, RationalCase{1000, 1, ""},
                                           RationalCase{-2147483647 - 1, 1, ""}, RationalCase{69, 0, ""},
                                           RationalCase{69, -10, ""}));

class OneDecimalRounding : public ::testing::TestWithParam<RationalCase> {};
TEST_P(OneDecimalRounding, RoundsHalfAwayFromZeroFromTheFraction) {
  const RationalCase& c = GetParam();
  EXPECT_EQ(OneDecimal(c.n, c.d), c.text);
}
INSTANTIATE_TEST_SUITE_P(ExifTexts, OneDecimalRounding,
                         ::testing::Values(RationalCase{1, 4, "0.3"}, RationalCase{-1, 4, "-0.3"},
                                           RationalCase{1, -4, "-0.3"}, RationalCase{-1, -4, "0.3"},
                                           RationalCase{-2, 3, "-0.7"}, RationalCase{1, 3, "0.3"},
                                           RationalCase{28, 10, "2.8"}, RationalCase{11, 1, "11.0"},
                                           RationalCase{-1, 100, "0.0"}, RationalCase{0, 5, "0.0"},
                                           RationalCase{7, 0, "0.0"}, RationalCase{5, 100, "0.1"},
                                           RationalCase{-5, 100, "-0.1"}, RationalCase{-4, 100, "0.0"},
                                           RationalCase{4294967295, 1, "4294967295.0"},
                                           RationalCase{-2147483648, 1, "-2147483648.0"}));

TEST(ExifTexts, BiasCarriesItsSignOnlyWhenNotZero) {
  EXPECT_EQ(BiasText(1, 3), "(+0.3EV) ");
  EXPECT_EQ(BiasText(-2, 3), "(-0.7EV) ");
  EXPECT_EQ(BiasText(-1, 4), "(-0.3EV) ");
  EXPECT_EQ(BiasText(0, 1), "(0.0EV) ");
  EXPECT_EQ(BiasText(-1, 100), "(0.0EV) ");
  EXPECT_EQ(BiasText(5, 0), "(0.0EV) ");
  EXPECT_EQ(BiasText(-1, -2), "(+0.5EV) ");
}

TEST(ExifTexts, ApertureFocalIsoFlashSharpness) {
  EXPECT_EQ(ApertureText(28, 10), "F2.8 ");
  EXPECT_EQ(ApertureText(95, 10), "F9.5 ");
  EXPECT_EQ(ApertureText(5, 0), "F0.0 ");
  EXPECT_EQ(FocalText(56, 10), "5.6mm ");
  EXPECT_EQ(FocalText(1350, 10), "135.0mm ");
  EXPECT_EQ(IsoText(200), "ISO200");
  EXPECT_EQ(IsoText(0), "");
  EXPECT_EQ(FlashMark(0x0019), "★");
  EXPECT_EQ(FlashMark(0x0010), "");
  EXPECT_EQ(SharpnessText(1), "Soft");
  EXPECT_EQ(SharpnessText(2), "Hard");
  EXPECT_EQ(SharpnessText(0), "");
  EXPECT_EQ(SharpnessText(64), "");
}

struct TextCase {
  std::string in;
  std::string out;
};

void PrintTo(const TextCase& c, std::ostream* os) { *os << c.in; }

class Model : public ::testing::TestWithParam<TextCase> {};
TEST_P(Model, IsShortened) { EXPECT_EQ(ModelText(GetParam().in), GetParam().out); }
INSTANTIATE_TEST_SUITE_P(ExifTexts, Model,
                         ::testing::Values(TextCase{"KODAK DC290 ZOOM DIGITAL CAMERA", "DC290 Z"},
                                           TextCase{"KODAK CX7530 ZOOM DIGITAL CAMERA", "CX7530 Z"},
                                           TextCase{"Canon PowerShot S10", "PowerShot S10"},
                                           TextCase{"Konica Digital Camera KD-400Z", "KD-400Z"},
                                           TextCase{"DiMAGE Zoom 2 Zoom", "DiMAGE Z 2 Zoom"},
                                           TextCase{"PENTAX Optio 330", "Optio 330"},
                                           TextCase{"Canon Canon EOS", "Canon EOS"},
                                           TextCase{"E-10  \t\r\n", "E-10"}, TextCase{"", ""},
                                           TextCase{"Zoom", "Z"}));

class Version : public ::testing::TestWithParam<TextCase> {};
TEST_P(Version, BeginsWithASmallV) { EXPECT_EQ(VersionText(GetParam().in), GetParam().out); }
INSTANTIATE_TEST_SUITE_P(ExifTexts, Version,
                         ::testing::Values(TextCase{"Ver1.01", " [v1.01]"},
                                           TextCase{"Camera Firmware Ver1.00", " [v1.00]"},
                                           TextCase{"Photo Editor 7.0", " [vPhoto Editor 7.0]"},
                                           TextCase{"V2.0", " [v2.0]"}, TextCase{"v1.1 ", " [v1.1]"},
                                           TextCase{"VerV3", " [v3]"}, TextCase{"Ver", " [v]"},
                                           TextCase{"   ", ""}, TextCase{"", ""}));

class Maker : public ::testing::TestWithParam<TextCase> {};
TEST_P(Maker, KeepsTheKnownNameOnly) { EXPECT_EQ(MakerText(GetParam().in), GetParam().out); }
INSTANTIATE_TEST_SUITE_P(ExifTexts, Maker,
                         ::testing::Values(TextCase{"OLYMPUS OPTICAL CO.,LTD", "OLYMPUS"},
                                           TextCase{"NIKON CORPORATION", "NIKON"}, TextCase{"SANYO Electric", "SANYO"},
                                           TextCase{"Minolta Co., Ltd.", "Minolta"},
                                           TextCase{"Asahi Optical Co.,Ltd", "Asahi Optical"},
                                           TextCase{"CASIO COMPUTER CO.,LTD.", "CASIO"},
                                           TextCase{"Konica Corporation", "Konica"},
                                           TextCase{"EASTMAN KODAK COMPANY", "KODAK"}, TextCase{"Canon", "Canon"},
                                           TextCase{"FUJIFILM   ", "FUJIFILM"}));

TEST(ExifTexts, StringsEndAtTheirZeroByteAndAreReadAsCp932) {
  EXPECT_EQ(ExifStringText(std::string("Canon\0junk", 10)), "Canon");
  EXPECT_EQ(ExifStringText("\x83\x4A\x83\x81\x83\x89"), "カメラ");
  // A lead byte whose second byte was cut off is dropped; one that pairs
  // with the byte before the end is not.
  EXPECT_EQ(ExifStringText("AB\x83"), "AB");
  EXPECT_EQ(ExifStringText("\x83\x4A\x83"), "カ");
  EXPECT_EQ(ExifStringText("\x83\x83"), "ャ");
  // Bytes that are no code page 932 text still give valid UTF-8.
  EXPECT_EQ(ExifStringText("A\xFF"), "A\xEF\xBF\xBD");
}

TEST(ExifTexts, DateAndTimeAreTakenByPosition) {
  const char date[19] = {'2', '0', '0', '1', ':', '0', '6', ':', '2', '8', ' ',
                         '1', '4', ':', '0', '3', ':', '5', '9'};
  EXPECT_EQ(ShotDateText(date), "01/06/28");
  EXPECT_EQ(ShotTimeText(date), "14:03:59");
  const char odd[19] = {'1', '9', '9', '9', '-', '1', '2', '-', '3', '1', 'T',
                        '2', '3', '.', '5', '9', '.', '5', '8'};
  EXPECT_EQ(ShotDateText(odd), "99/12/31");
  EXPECT_EQ(ShotTimeText(odd), "23:59:58");
}

}  // namespace
}  // namespace lumetta
