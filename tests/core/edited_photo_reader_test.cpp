#include "core/records/edited_photo_reader.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "core/base/data_file.h"
#include "core/base/text_codec.h"
#include "support/temp_dir.h"

namespace lumetta {
namespace {

using testing_support::TempDir;

// The 14 lines a save writes, with the given replacements.
std::vector<std::string> Lines(std::vector<std::pair<std::size_t, std::string>> changes = {}) {
  std::vector<std::string> lines{"100", "夕焼け", "1", "1", " 5.00000000000000E-0001", "120", "80", "-20", "300",
                                 "8", "2", "3", "0", "0"};
  for (const auto& [number, text] : changes) lines[number - 1] = text;
  return lines;
}

TEST(EditedPhotoReader, ReadsEveryFieldOfASavedFile) {
  const EditedPhotoFile file = ParseEditedPhotoLines(Lines());
  EXPECT_EQ(file.Edits.Comment, "夕焼け");
  EXPECT_EQ(file.Edits.Rotation, 1);
  EXPECT_TRUE(file.Edits.ZoomMode);
  ASSERT_TRUE(file.ZoomRatio.has_value());
  EXPECT_DOUBLE_EQ(*file.ZoomRatio, 0.5);
  EXPECT_EQ(file.Edits.ZoomCentreX, 120);
  EXPECT_EQ(file.Edits.ZoomCentreY, 80);
  EXPECT_EQ(file.Edits.Brightness, -20);
  EXPECT_EQ(file.Edits.Contrast, 300);
  EXPECT_EQ(file.Edits.Sharpness, 8);
  EXPECT_EQ(file.Edits.Effect, 2);
  EXPECT_EQ(file.Edits.CommentFix, 3);
}

TEST(EditedPhotoReader, AFileOfTwelveLinesReadsLikeOneOfFourteen) {
  std::vector<std::string> twelve = Lines();
  twelve.resize(12);
  EXPECT_EQ(ParseEditedPhotoLines(twelve).Edits, ParseEditedPhotoLines(Lines()).Edits);
}

struct BadLineCase {
  std::size_t line;
  std::string text;
};

void PrintTo(const BadLineCase& c, std::ostream* os) { *os << "line " << c.line << " \"" << c.text << '"'; }

class EditedPhotoBadLineTest : public testing::TestWithParam<BadLineCase> {};

TEST_P(EditedPhotoBadLineTest, AWholeNumberLineThatIsNoneFailsTheFile) {
  EXPECT_THROW(ParseEditedPhotoLines(Lines({{GetParam().line, GetParam().text}})), EConvertError);
}

INSTANTIATE_TEST_SUITE_P(Lines, EditedPhotoBadLineTest,
                         testing::Values(BadLineCase{9, ""}, BadLineCase{6, "12a"}, BadLineCase{7, "1.5"},
                                         BadLineCase{8, "-"}, BadLineCase{10, "99999999999"},
                                         BadLineCase{11, "x"}, BadLineCase{12, "3 "}));

TEST(EditedPhotoReader, AFileEndingBeforeLineTwelveFails) {
  std::vector<std::string> eleven = Lines();
  eleven.resize(11);
  EXPECT_THROW(ParseEditedPhotoLines(eleven), EConvertError);
}

struct RotationCase {
  std::string line;
  int rotation;
};

void PrintTo(const RotationCase& c, std::ostream* os) { *os << '"' << c.line << "\" -> " << c.rotation; }

class EditedPhotoRotationTest : public testing::TestWithParam<RotationCase> {};

TEST_P(EditedPhotoRotationTest, LineThreeNeverFails) {
  EXPECT_EQ(ParseEditedPhotoLines(Lines({{3, GetParam().line}})).Edits.Rotation, GetParam().rotation);
}

INSTANTIATE_TEST_SUITE_P(Lines, EditedPhotoRotationTest,
                         testing::Values(RotationCase{"2", 2}, RotationCase{"-1", -1}, RotationCase{"255", -1},
                                         RotationCase{" 1", 1}, RotationCase{"2x", 2}, RotationCase{"", 0},
                                         RotationCase{"abc", 0}, RotationCase{"257", 1}));

TEST(EditedPhotoReader, OnlyExactlyOneSwitchesTheZoomOn) {
  EXPECT_FALSE(ParseEditedPhotoLines(Lines({{4, "1 "}})).Edits.ZoomMode);
  EXPECT_FALSE(ParseEditedPhotoLines(Lines({{4, "01"}})).Edits.ZoomMode);
  EXPECT_FALSE(ParseEditedPhotoLines(Lines({{4, "0"}})).Edits.ZoomMode);
}

TEST(EditedPhotoReader, ARatioThatIsNoPositiveNumberMeansNoZoom) {
  for (const char* ratio : {"", "abc", "0", "-0.5", " 0.00000000000000E+0000"}) {
    const EditedPhotoFile file = ParseEditedPhotoLines(Lines({{5, ratio}}));
    EXPECT_FALSE(file.ZoomRatio.has_value()) << ratio;
    EXPECT_FALSE(file.Edits.ZoomMode) << ratio;
    EXPECT_FALSE(ResolveEditedPhoto(file, 800, 600, 800).Zoom.has_value()) << ratio;
  }
}

TEST(EditedPhotoReader, TheCommentIsCutToTwoHundredFiftyFiveBytes) {
  const std::string half_width(300, 'a');
  EXPECT_EQ(ParseEditedPhotoLines(Lines({{2, half_width}})).Edits.Comment, std::string(255, 'a'));
  std::string full_width;
  for (int i = 0; i < 130; ++i) full_width += "写";
  const std::string comment = ParseEditedPhotoLines(Lines({{2, full_width}})).Edits.Comment;
  EXPECT_EQ(DataByteLength(comment), 254u);
  EXPECT_EQ(CharCount(comment), 127u);
}

TEST(EditedPhotoReader, ReadsACodePage932FileWithCrLf) {
  TempDir dir;
  std::string bytes;
  for (const std::string& line : Lines()) bytes += EncodeDataText(line) + "\r\n";
  const std::string path = dir.Write("IMG_0001_JPG.lum", bytes);
  EXPECT_EQ(ReadEditedPhotoFile(path).Edits, ParseEditedPhotoLines(Lines()).Edits);
  EXPECT_THROW(ReadEditedPhotoFile(dir / "missing.lum"), EDataFile);
}

// The saved ratio meets the photo: S = W / (V * r), z = trunc(100 / S + 0.5),
// limited to the zoom steps; beyond 50,000,000 zoomed pixels S = W / 80.
struct ZoomCase {
  std::string ratio;
  int rotation;
  std::int32_t width, height, view;
  double scale;
  std::int32_t percent;
};

void PrintTo(const ZoomCase& c, std::ostream* os) {
  *os << "r=" << c.ratio << " rot " << c.rotation << " " << c.width << "x" << c.height << " in " << c.view;
}

class EditedPhotoZoomTest : public testing::TestWithParam<ZoomCase> {};

TEST_P(EditedPhotoZoomTest, RestoresTheZoomForThisView) {
  const ZoomCase& c = GetParam();
  const auto view = ResolveEditedPhoto(
      ParseEditedPhotoLines(Lines({{3, std::to_string(c.rotation)}, {5, c.ratio}})), c.width, c.height, c.view);
  ASSERT_TRUE(view.Zoom.has_value());
  EXPECT_DOUBLE_EQ(view.Zoom->Scale, c.scale);
  EXPECT_EQ(view.Zoom->ZoomPercent, c.percent);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, EditedPhotoZoomTest,
    testing::Values(
        // 1600 / (800 * 0.5) = 4: 25 %.
        ZoomCase{"0.5", 0, 1600, 1200, 800, 4.0, 25},
        // Saved in a narrow view, restored in a wide one: the same ratio of the view.
        ZoomCase{"2", 0, 1600, 1200, 1000, 0.8, 125},
        // Sideways: W is the decoded height. 1200 / (800 * 1) = 1.5 -> 66.67 -> 67 %.
        ZoomCase{"1", 1, 1600, 1200, 800, 1.5, 67}, ZoomCase{"1", -1, 1600, 1200, 800, 1.5, 67},
        // 100 / (100 / (800 * 5)) = 4000 % -> 1600; 100 * 1000 / ... -> 600 % -> 400.
        ZoomCase{"5", 0, 100, 100, 800, 100.0 / 4000, 1600}, ZoomCase{"6", 0, 800, 600, 800, 800.0 / 4800, 400},
        // 1000 % lies between 800 and 1600: 800. Exactly 800 stays.
        ZoomCase{"10", 0, 800, 600, 800, 0.1, 800}, ZoomCase{"8", 0, 800, 600, 800, 0.125, 800},
        // 4000 x 3000 at 400 % would be 192,000,000 pixels: S = 4000 / 80 = 50, z = 2.
        ZoomCase{"20", 0, 4000, 3000, 800, 50.0, 2}));

TEST(EditedPhotoReader, AZoomCentreOutsideThePhotoMovesToItsMiddle) {
  // Rotated a quarter turn: the displayed photo is 600 wide and 800 high.
  const auto lines = Lines({{3, "1"}, {6, "600"}, {7, "799"}});
  auto view = ResolveEditedPhoto(ParseEditedPhotoLines(lines), 800, 600, 800);
  EXPECT_EQ(view.Edits.ZoomCentreX, 300);
  EXPECT_EQ(view.Edits.ZoomCentreY, 799);
  view = ResolveEditedPhoto(ParseEditedPhotoLines(Lines({{3, "0"}, {6, "-1"}, {7, "5000"}})), 800, 600, 800);
  EXPECT_EQ(view.Edits.ZoomCentreX, -1);
  EXPECT_EQ(view.Edits.ZoomCentreY, 300);
}

struct ClampCase {
  std::size_t line;
  std::string text;
  std::int32_t brightness, contrast, rotation;
};

void PrintTo(const ClampCase& c, std::ostream* os) { *os << "line " << c.line << " \"" << c.text << '"'; }

class EditedPhotoClampTest : public testing::TestWithParam<ClampCase> {};

// What feeds the pixel formulas is held in the dialog's ranges; the effect
// and the sharpness are kept as read and written back.
TEST_P(EditedPhotoClampTest, ValuesThatFeedArithmeticAreHeldInRange) {
  const ClampCase& c = GetParam();
  const auto file = ParseEditedPhotoLines(Lines({{3, "0"}, {8, "0"}, {9, "256"}, {11, "77"}, {c.line, c.text}}));
  EXPECT_EQ(file.Edits.Brightness, c.brightness);
  EXPECT_EQ(file.Edits.Contrast, c.contrast);
  EXPECT_EQ(file.Edits.Rotation, c.rotation);
  EXPECT_EQ(file.Edits.Effect, 77);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, EditedPhotoClampTest,
    testing::Values(ClampCase{8, "-9999", -256, 256, 0}, ClampCase{8, "257", 256, 256, 0},
                    ClampCase{8, "-256", -256, 256, 0}, ClampCase{9, "0", 0, 1, 0}, ClampCase{9, "-5", 0, 1, 0},
                    ClampCase{9, "2147483647", 0, 1024, 0}, ClampCase{9, "1024", 0, 1024, 0},
                    ClampCase{3, "5", 0, 256, 0}, ClampCase{3, "-2", 0, 256, 0}, ClampCase{3, "254", 0, 256, 0},
                    ClampCase{3, "2", 0, 256, 2}));

TEST(EditedPhotoReader, AZoomCentreBelowMinusOneMovesToTheMiddle) {
  const auto view = ResolveEditedPhoto(ParseEditedPhotoLines(Lines({{3, "0"}, {6, "-7"}, {7, "-2147483648"}})),
                                       800, 600, 800);
  EXPECT_EQ(view.Edits.ZoomCentreX, 400);
  EXPECT_EQ(view.Edits.ZoomCentreY, 300);
}

}  // namespace
}  // namespace lumetta
