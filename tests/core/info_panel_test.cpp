#include "core/records/info_panel.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "core/state/app_state.h"
#include "support/exif_bytes.h"
#include "support/fake_ui.h"
#include "support/temp_dir.h"

namespace lumetta {
namespace {

using testing_support::Ascii;
using testing_support::ExifBlock;
using testing_support::FakeUi;
using testing_support::JpegWithExif;
using testing_support::Rational;
using testing_support::Short;
using testing_support::TempDir;

constexpr std::uint16_t kMake = 0x010F, kModel = 0x0110, kDate = 0x9003, kExposureTime = 0x829A;
constexpr std::uint16_t kFNumber = 0x829D, kIso = 0x8827, kFlash = 0x9209;

// The panel as the 800 layout has it: 211 wide, the aperture line at 4.
FakeUi PanelUi() {
  FakeUi ui;
  ui.widths[Ctl::ExifPnl] = 211;
  ui.lefts[Ctl::SatsueiLbl] = 4;
  return ui;
}

std::string FlashPhoto(const std::string& rest = "") {
  ExifBlock block{true, 8, {Ascii(kMake, "OLYMPUS OPTICAL CO.,LTD"), Ascii(kModel, "C8080WZ")},
                  {Rational(kExposureTime, 1, 160), Rational(kFNumber, 28, 10), Short(kIso, 50),
                   Ascii(kDate, "2006:10:22 15:44:29"), Short(kFlash, 0x0019)}};
  return JpegWithExif(block.Bytes(), rest);
}

TEST(InfoPanel, ReadExifInfoFillsTheLabelsAndKeepsTheExifBlock) {
  TempDir dir;
  const std::string path = dir.Write("P1.JPG", FlashPhoto());
  AppState state;
  FakeUi ui = PanelUi();
  ASSERT_TRUE(ReadExifInfo(state, ui, 1, path));
  EXPECT_EQ(ui.Text(Ctl::HidukeLbl), "06/10/22");
  EXPECT_EQ(ui.Text(Ctl::TimeLbl), "15:44:29");
  EXPECT_EQ(ui.Text(Ctl::CameraLbl), "C8080WZ");
  EXPECT_EQ(ui.hints[Ctl::CameraLbl], "C8080WZ");
  EXPECT_EQ(ui.Text(Ctl::MakerLbl), "(OLYMPUS)");
  EXPECT_EQ(ui.hints[Ctl::MakerLbl], "(OLYMPUS)");
  EXPECT_EQ(ui.Text(Ctl::SatsueiLbl), "F2.8 1/160 ISO50");
  EXPECT_EQ(ui.Text(Ctl::StrobeLbl), "★");
  EXPECT_EQ(ui.Text(Ctl::FileSizeLbl), "   [0KB]");
  // The name makes room for the date; the size ends at the panel's right
  // edge; the star follows the aperture line, one pixel into it.
  EXPECT_EQ(ui.widths[Ctl::FileNameLbl], 211 - 68);
  const int size_width = ui.TextWidth(Ctl::FileSizeLbl, "   [0KB]");
  EXPECT_EQ(ui.lefts[Ctl::FileSizeLbl], 211 - size_width - 1);
  const int line_width = ui.TextWidth(Ctl::SatsueiLbl, "F2.8 1/160 ISO50");
  EXPECT_EQ(ui.widths[Ctl::SatsueiLbl], line_width - 1);
  EXPECT_EQ(ui.lefts[Ctl::StrobeLbl], 4 + line_width - 1);
  EXPECT_GT(state.exif.App1Length, 0);
  EXPECT_EQ(state.exif.MakerText, "OLYMPUS");

  // The next photo's reset empties every shooting label again.
  ResetInfoPanel(state, ui);
  for (Ctl label : {Ctl::HidukeLbl, Ctl::TimeLbl, Ctl::CameraLbl, Ctl::MakerLbl, Ctl::SatsueiLbl, Ctl::StrobeLbl,
                    Ctl::SatsueiLbl2, Ctl::ExtNameLbl, Ctl::FileSizeLbl}) {
    EXPECT_EQ(ui.Text(label), "") << static_cast<int>(label);
  }
  EXPECT_EQ(ui.hints[Ctl::CameraLbl], "");
  EXPECT_EQ(ui.widths[Ctl::FileNameLbl], 209);
}

TEST(InfoPanel, ResetInPanoramaModeSaysSo) {
  AppState state;
  state.PanoramaMode = PanoramaKind::Four;
  FakeUi ui = PanelUi();
  ResetInfoPanel(state, ui);
  EXPECT_EQ(ui.Text(Ctl::FileNameLbl), "【パノラマモード】");
}

TEST(InfoPanel, ATruncatedFileIsReportedAndItsExifBlockNotKept) {
  TempDir dir;
  const std::string whole = FlashPhoto();
  const std::string path = dir.Write("cut.jpg", whole.substr(0, whole.size() - 3));
  AppState state;
  state.exif.App1Length = 99;
  FakeUi ui = PanelUi();
  EXPECT_FALSE(ReadExifInfo(state, ui, 1, path));
  EXPECT_EQ(state.exif.App1Length, 0);
  EXPECT_TRUE(state.exif.App1Bytes.empty());
  // What was read before the cut stays.
  EXPECT_EQ(ui.Text(Ctl::MakerLbl), "(OLYMPUS)");
  EXPECT_EQ(ui.Text(Ctl::CameraLbl), "");
}

TEST(InfoPanel, AMissingFileShowsNothingAndLeavesTheErrorToTheDecoder) {
  AppState state;
  FakeUi ui = PanelUi();
  EXPECT_TRUE(ReadExifInfo(state, ui, 1, "/nonexistent/lumetta/photo.jpg"));
  EXPECT_EQ(ui.Text(Ctl::FileSizeLbl), "");
}

struct NamesCase {
  std::string file;
  std::string name_label;
  std::string extension_label;
};

void PrintTo(const NamesCase& c, std::ostream* os) { *os << c.file; }

class ShowPhotoNamesTest : public ::testing::TestWithParam<NamesCase> {};

TEST_P(ShowPhotoNamesTest, ShowsTheNameAndTheExtensionWithTheWholeNameAsHint) {
  const NamesCase& c = GetParam();
  FakeUi ui;
  ShowPhotoNames(ui, c.file);
  EXPECT_EQ(ui.Text(Ctl::FileNameLbl), c.name_label);
  EXPECT_EQ(ui.Text(Ctl::ExtNameLbl), c.extension_label);
  EXPECT_EQ(ui.hints[Ctl::FileNameLbl], c.file);
  EXPECT_EQ(ui.hints[Ctl::ExtNameLbl], c.file);
}

INSTANTIATE_TEST_SUITE_P(InfoPanel, ShowPhotoNamesTest,
                         ::testing::Values(NamesCase{"IMG_0001.JPG", "IMG_0001", ".JPG"},
                                           NamesCase{"Gazou_jpg-002.lum", "Gazou", "jpg-002.lum"},
                                           NamesCase{"my_trip_photo_jpg.LUM", "my_trip_photo", "jpg.LUM"},
                                           NamesCase{"nounderscore.lum", "nounderscore", ".lum"},
                                           NamesCase{"旅行.jpeg", "旅行", ".jpeg"}),
                         [](const ::testing::TestParamInfo<NamesCase>& info) {
                           return "case" + std::to_string(info.index);
                         });

}  // namespace
}  // namespace lumetta
