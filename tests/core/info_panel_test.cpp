#include "core/records/info_panel.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "support/fake_ui.h"

namespace lumetta {
namespace {

using testing_support::FakeUi;

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
