#include "core/records/edited_names.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "core/base/names.h"
#include "core/base/paths.h"
#include "support/temp_dir.h"

namespace lumetta {
namespace {

using testing_support::TempDir;

TEST(EditedNames, BaseNameKeepsTheExtensionAsThePhotoSpellsIt) {
  EXPECT_EQ(EditedBaseName("IMG_0001.JPG"), "IMG_0001_JPG");
  EXPECT_EQ(EditedBaseName("my.trip.jpeg"), "my.trip_jpeg");
  EXPECT_EQ(EditedBaseName("写真.Tif"), "写真_Tif");
}

TEST(EditedNames, ListedNameLowerCasesTheExtension) {
  EXPECT_EQ(ListedEditedName("IMG_0001.JPG"), "IMG_0001_jpg.lum");
  EXPECT_EQ(ListedEditedName("IMG_0001_jpg.lum"), "IMG_0001_jpg_lum.lum");
  EXPECT_EQ(ListedEditedName("a.JPEGX"), "a_jpegx.lum");
}

struct SourceCase {
  std::string edited;
  std::string source;
};

void PrintTo(const SourceCase& c, std::ostream* os) { *os << c.edited << " -> " << c.source; }

class SourcePhotoNameTest : public testing::TestWithParam<SourceCase> {};

TEST_P(SourcePhotoNameTest, DropsTheVariantNumberAndRestoresTheExtension) {
  EXPECT_EQ(SourcePhotoNameAsWritten(GetParam().edited), GetParam().source);
}

INSTANTIATE_TEST_SUITE_P(
    Names, SourcePhotoNameTest,
    testing::Values(SourceCase{"/p/IMG_0001_JPG.lum", "/p/IMG_0001.JPG"},
                    SourceCase{"/p/IMG_0001_JPG-002.lum", "/p/IMG_0001.JPG"},
                    SourceCase{"/p/IMG_0001_jpg-012.LUM", "/p/IMG_0001.jpg"},
                    SourceCase{"/p/my_trip_photo_jpg.lum", "/p/my_trip_photo.jpg"},
                    SourceCase{"/p/nounderscore.lum", "/p/nounderscore.lum"},
                    SourceCase{"/p/IMG_0001.JPG", "/p/IMG_0001.JPG"},
                    SourceCase{"/p/a_b-c_x-1.lum", "/p/a_b-c.x"}, SourceCase{"IMG_1_tif.lum", "IMG_1.tif"}));

TEST(EditedNames, SourcePhotoIsFoundWhateverItsCaseOnDisk) {
  TempDir dir;
  dir.Write("IMG_0001.JPG", "x");
  for (const char* edited : {"IMG_0001_JPG.lum", "IMG_0001_JPG-012.lum", "IMG_0001_jpg-012.LUM", "img_0001_jpg.lum"}) {
    const std::string path = JoinPath(dir.Path(), edited);
    EXPECT_EQ(SourcePhotoName(path), JoinPath(dir.Path(), "IMG_0001.JPG")) << edited;
    EXPECT_EQ(SourcePhotoName(path, FolderIndex(dir.Path())), JoinPath(dir.Path(), "IMG_0001.JPG")) << edited;
  }
}

TEST(EditedNames, AMissingSourceKeepsTheComputedName) {
  TempDir dir;
  const std::string path = JoinPath(dir.Path(), "gone_Jpg-003.lum");
  EXPECT_EQ(SourcePhotoName(path), JoinPath(dir.Path(), "gone.Jpg"));
  EXPECT_EQ(SourcePhotoName(path, FolderIndex(dir.Path())), JoinPath(dir.Path(), "gone.Jpg"));
}

}  // namespace
}  // namespace lumetta
