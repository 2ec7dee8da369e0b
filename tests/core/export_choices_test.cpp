#include "core/export/export_choices.h"

#include <gtest/gtest.h>

namespace lumetta {
namespace {

struct QualityCase {
  std::int32_t bar;
  std::int32_t quality;
  const char* label;
};

class ExportQuality : public ::testing::TestWithParam<QualityCase> {};

TEST_P(ExportQuality, BarGivesEncoderQualityAndLabel) {
  EXPECT_EQ(JpegQualityOf(GetParam().bar), GetParam().quality);
  EXPECT_EQ(GashitsuText(GetParam().bar), GetParam().label);
}

INSTANTIATE_TEST_SUITE_P(Bars, ExportQuality,
                         ::testing::Values(QualityCase{1, 55, "画質１→"}, QualityCase{8, 90, "画質８→"},
                                           QualityCase{9, 95, "画質９→"}, QualityCase{10, 100, "画質10→"}));

struct NameCase {
  const char* photo;
  ExportFormatKind format;
  bool upper;
  const char* name;
  const char* title_part;
};

class ExportNames : public ::testing::TestWithParam<NameCase> {};

TEST_P(ExportNames, OfferTheSourcePhotosNameWithTheSuffix) {
  const NameCase& c = GetParam();
  EXPECT_EQ(DefaultExportName(c.photo, c.format, c.upper), c.name);
  const std::string title = ExportDialogTitle(ExportSuffix(c.format, c.upper), false);
  EXPECT_EQ(title, std::string("表示中のサイズ・状態で写真を保存（ファイル名の「") + c.title_part + "」は省略できます）");
}

INSTANTIATE_TEST_SUITE_P(
    Names, ExportNames,
    ::testing::Values(NameCase{"IMG_0001.JPG", ExportFormatKind::Bmp, true, "IMG_0001_S.BMP", ".BMP"},
                      NameCase{"IMG_0001.JPG", ExportFormatKind::Jpeg, false, "IMG_0001_s.jpg", ".jpg"},
                      NameCase{"IMG_0001.JPG", ExportFormatKind::Jpeg, true, "IMG_0001_S.JPG", ".JPG"},
                      NameCase{"sea.bmp", ExportFormatKind::Bmp, false, "sea_s.bmp", ".bmp"},
                      NameCase{"Gazou_jpg-002.lum", ExportFormatKind::Jpeg, false, "Gazou_s.jpg", ".jpg"},
                      NameCase{"my_trip_JPG.lum", ExportFormatKind::Jpeg, false, "my_trip_s.jpg", ".jpg"}));

TEST(ExportChoices, WholePhotoTitle) {
  EXPECT_EQ(ExportDialogTitle("_s.jpg", true),
            "表示中の状態（表示倍率）で写真全体を保存（ファイル名の「.jpg」は省略できます）");
}

TEST(ExportChoices, SuggestedSettingsStoreTheDefaults) {
  Settings settings;
  settings.ExportFormat = 2;
  settings.JpegQuality = 3;
  settings.ExportExif = 0;
  settings.UpperCaseExt = 1;
  settings.ExportComment = 0;
  settings.ExportWhole = 1;
  StoreExportChoices(SuggestedExportChoices(), settings);
  EXPECT_EQ(settings.ExportFormat, 1);
  EXPECT_EQ(settings.JpegQuality, 8);
  EXPECT_EQ(settings.ExportExif, 1);
  EXPECT_EQ(settings.UpperCaseExt, 0);
  EXPECT_EQ(settings.ExportComment, 1);
  EXPECT_EQ(settings.ExportWhole, 0);
}

TEST(ExportChoices, SettingsRoundTripAndOutOfRangeValuesAreBroughtIn) {
  Settings settings;
  settings.ExportFormat = 2;
  settings.JpegQuality = 3;
  settings.ExportComment = 0;
  settings.ExportWhole = 1;
  const ExportChoices c = ExportChoicesOf(settings);
  EXPECT_EQ(c.Format, ExportFormatKind::Bmp);
  EXPECT_EQ(c.Quality, 3);
  EXPECT_FALSE(c.Comment);
  EXPECT_TRUE(c.Whole);
  Settings back;
  StoreExportChoices(c, back);
  EXPECT_EQ(ExportChoicesOf(back), c);

  settings.ExportFormat = 9;
  settings.JpegQuality = 0;
  EXPECT_EQ(ExportChoicesOf(settings).Format, ExportFormatKind::Jpeg);
  EXPECT_EQ(ExportChoicesOf(settings).Quality, 1);
  settings.JpegQuality = 200;
  EXPECT_EQ(ExportChoicesOf(settings).Quality, 10);
}

}  // namespace
}  // namespace lumetta
