#include "core/library/photo_extensions.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace lumetta {
namespace {

struct NameCase {
  std::string name;
  bool photo;
};

void PrintTo(const NameCase& c, std::ostream* os) { *os << c.name << (c.photo ? " is a photo" : " is not a photo"); }

class IsPhotoNameTest : public testing::TestWithParam<NameCase> {};

TEST_P(IsPhotoNameTest, ComparesTheFirstFiveCharactersOfTheLowerCasedExtension) {
  EXPECT_EQ(IsPhotoName(BuildPhotoExtensions({}), GetParam().name), GetParam().photo);
}

INSTANTIATE_TEST_SUITE_P(
    Names, IsPhotoNameTest,
    testing::Values(NameCase{"a.jpg", true}, NameCase{"a.JPEG", true}, NameCase{"a.jpegx", true},
                    NameCase{"a.jp", false}, NameCase{"a.jpe", true}, NameCase{"b.Bmp", true},
                    NameCase{"c.tif", true}, NameCase{"c.TIFFany", true}, NameCase{"IMG_0001_jpg.LUM", true},
                    NameCase{"notes.txt", false}, NameCase{"README", false}, NameCase{"archive.jpg.zip", false},
                    NameCase{".jpg", true}, NameCase{"a.png", false}));

TEST(PhotoExtensions, BuiltInFormatsComeFirstInTheirOrder) {
  EXPECT_EQ(BuildPhotoExtensions({}),
            (std::vector<std::string>{".lum", ".jpg", ".jpe", ".jpeg", ".bmp", ".tif", ".tiff"}));
}

TEST(PhotoExtensions, PluginExtensionsAreAppendedInComparedForm) {
  const auto table = BuildPhotoExtensions({".PNG", "gif", ".pict2"});
  ASSERT_EQ(table.size(), 10u);
  EXPECT_EQ(table[7], ".png");
  EXPECT_EQ(table[8], ".gif");
  EXPECT_EQ(table[9], ".pict");
  EXPECT_TRUE(IsPhotoName(table, "photo.Png"));
  EXPECT_TRUE(IsPhotoName(table, "photo.pictures"));
}

TEST(PhotoExtensions, TheTableHoldsAtMostAThousandExtensions) {
  std::vector<std::string> plugin(2000, ".xyz");
  EXPECT_EQ(BuildPhotoExtensions(plugin).size(), MaxPhotoExtensions);
  std::vector<std::string> table = BuildPhotoExtensions(plugin);
  EXPECT_FALSE(AddPhotoExtension(table, ".abc"));
  EXPECT_FALSE(IsPhotoName(table, "x.abc"));
}

TEST(PhotoExtensions, EmptyExtensionsAreNotTaken) {
  std::vector<std::string> table;
  EXPECT_FALSE(AddPhotoExtension(table, ""));
  EXPECT_FALSE(AddPhotoExtension(table, "."));
  EXPECT_TRUE(table.empty());
  EXPECT_FALSE(IsPhotoName(table, "README"));
}

}  // namespace
}  // namespace lumetta
