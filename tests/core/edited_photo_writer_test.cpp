#include "core/records/edited_photo_writer.h"

#include <gtest/gtest.h>

#include <limits>
#include <ostream>
#include <string>

#include "core/base/data_file.h"
#include "core/records/edited_photo_reader.h"
#include "support/temp_dir.h"

namespace lumetta {
namespace {

using testing_support::ReadAll;
using testing_support::TempDir;

struct RatioCase {
  double ratio;
  std::string text;
};

void PrintTo(const RatioCase& c, std::ostream* os) { *os << c.ratio << " -> \"" << c.text << '"'; }

class ZoomRatioFormatTest : public testing::TestWithParam<RatioCase> {};

TEST_P(ZoomRatioFormatTest, TwentyThreeCharactersOfScientificNotation) {
  const std::string text = FormatZoomRatio(GetParam().ratio);
  EXPECT_EQ(text, GetParam().text);
  EXPECT_EQ(text.size(), 23u);
}

INSTANTIATE_TEST_SUITE_P(
    Ratios, ZoomRatioFormatTest,
    testing::Values(RatioCase{0.5, " 5.00000000000000E-0001"}, RatioCase{1.0, " 1.00000000000000E+0000"},
                    RatioCase{0.0, " 0.00000000000000E+0000"}, RatioCase{1.25, " 1.25000000000000E+0000"},
                    RatioCase{-0.5, "-5.00000000000000E-0001"}, RatioCase{12.0, " 1.20000000000000E+0001"},
                    RatioCase{1.0 / 3, " 3.33333333333333E-0001"}, RatioCase{2e-5, " 2.00000000000000E-0005"},
                    RatioCase{1e300, " 1.00000000000000E+0300"},
                    RatioCase{std::numeric_limits<double>::quiet_NaN(), " 0.00000000000000E+0000"}));

TEST(ZoomRatio, IsTheOnScreenWidthOfThePhotoOverTheViewsWidth) {
  // 1600 x 1200 at 4 photo pixels per screen pixel: 400 of 800 screen pixels.
  EXPECT_DOUBLE_EQ(ZoomRatioOf(0, 1600, 1200, 4.0, 800), 0.5);
  // A quarter turn shows the height across.
  EXPECT_DOUBLE_EQ(ZoomRatioOf(1, 1600, 1200, 4.0, 800), 0.375);
  EXPECT_DOUBLE_EQ(ZoomRatioOf(-1, 1600, 1200, 0.5, 800), 3.0);
  EXPECT_EQ(ZoomRatioOf(0, 0, 0, 1.0, 800), 0.0);
  EXPECT_EQ(ZoomRatioOf(0, 100, 100, 0.0, 800), 0.0);
}

PhotoEdits Zoomed() {
  PhotoEdits e;
  e.Rotation = 1;
  e.Comment = "あい";
  e.ZoomMode = true;
  e.ZoomRatio = 0.5;
  e.ZoomCentreX = 120;
  e.ZoomCentreY = 80;
  e.Brightness = -20;
  e.Contrast = 300;
  e.Sharpness = 8;
  e.Effect = 2;
  e.CommentFix = 3;
  return e;
}

struct ImageCase {
  std::string name;
  PhotoEdits edits;
  std::string bytes;
};

void PrintTo(const ImageCase& c, std::ostream* os) { *os << c.name; }

PhotoEdits With(PhotoEdits e, void (*change)(PhotoEdits&)) {
  change(e);
  return e;
}

const std::string kFittedTail = "\r\n0\r\n0\r\n 0.00000000000000E+0000\r\n-1\r\n-1\r\n0\r\n256\r\n0\r\n0\r\n0\r\n0\r\n0\r\n";

class EditedPhotoImageTest : public testing::TestWithParam<ImageCase> {};

TEST_P(EditedPhotoImageTest, WritesTheExactBytes) {
  TempDir dir;
  const std::string path = dir / "p_jpg.lum";
  WriteEditedPhotoFile(path, GetParam().edits);
  EXPECT_EQ(ReadAll(path), GetParam().bytes);
  // What is written reads back as it was (a comment within 255 bytes).
  const EditedPhotoFile back = ReadEditedPhotoFile(path);
  if (GetParam().edits.Comment.size() <= 255 && GetParam().name != "NoLineBreak") {
    EXPECT_EQ(back.Edits.Comment, GetParam().edits.Comment);
  }
  EXPECT_EQ(back.Edits.Rotation, GetParam().edits.Rotation);
}

INSTANTIATE_TEST_SUITE_P(
    States, EditedPhotoImageTest,
    testing::Values(
        ImageCase{"Fitted", PhotoEdits{}, "100\r\n" + kFittedTail},
        ImageCase{"ZoomedAndTurned", Zoomed(),
                  "100\r\n\x82\xA0\x82\xA2\r\n1\r\n1\r\n 5.00000000000000E-0001\r\n120\r\n80\r\n-20\r\n300\r\n8\r\n"
                  "2\r\n3\r\n0\r\n0\r\n"},
        ImageCase{"TurnedLeft", With(PhotoEdits{}, [](PhotoEdits& e) { e.Rotation = -1; }),
                  "100\r\n\r\n-1\r\n0\r\n 0.00000000000000E+0000\r\n-1\r\n-1\r\n0\r\n256\r\n0\r\n0\r\n0\r\n0\r\n0\r\n"},
        ImageCase{"HalfTurn", With(PhotoEdits{}, [](PhotoEdits& e) { e.Rotation = 2; }),
                  "100\r\n\r\n2\r\n0\r\n 0.00000000000000E+0000\r\n-1\r\n-1\r\n0\r\n256\r\n0\r\n0\r\n0\r\n0\r\n0\r\n"},
        // 300 half-width characters: the first 255 bytes.
        ImageCase{"LongComment", With(PhotoEdits{}, [](PhotoEdits& e) { e.Comment = std::string(300, 'a'); }),
                  "100\r\n" + std::string(255, 'a') + kFittedTail},
        // 254 bytes and a two-byte character: the character does not fit
        // and is not cut in two.
        ImageCase{"CutOnACharacter",
                  With(PhotoEdits{}, [](PhotoEdits& e) { e.Comment = std::string(254, 'a') + "あいうえお"; }),
                  "100\r\n" + std::string(254, 'a') + kFittedTail},
        // A line break typed into a comment would shift the lines after it.
        ImageCase{"NoLineBreak", With(PhotoEdits{}, [](PhotoEdits& e) { e.Comment = "a\r\nb\nc"; }),
                  "100\r\nabc" + kFittedTail},
        // A character code page 932 lacks: the file is UTF-8 with a mark.
        ImageCase{"Utf8", With(PhotoEdits{}, [](PhotoEdits& e) { e.Comment = "\xED\x95\x9C"; }),
                  "\xEF\xBB\xBF" "100\r\n\xED\x95\x9C" + kFittedTail}));

TEST(EditedPhotoWriter, ANewFileNeverReplacesOneThatExists) {
  TempDir dir;
  const std::string path = dir.Write("p_jpg-001.lum", "old");
  EXPECT_THROW(WriteEditedPhotoFile(path, PhotoEdits{}, true), EDataFile);
  EXPECT_EQ(ReadAll(path), "old");
  WriteEditedPhotoFile(path, PhotoEdits{}, false);
  EXPECT_EQ(ReadAll(path), "100\r\n" + kFittedTail);
  const std::string fresh = dir / "p_jpg-002.lum";
  WriteEditedPhotoFile(fresh, PhotoEdits{}, true);
  EXPECT_EQ(ReadAll(fresh), "100\r\n" + kFittedTail);
}

}  // namespace
}  // namespace lumetta
