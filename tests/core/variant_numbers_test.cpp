#include "core/records/variant_numbers.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "support/temp_dir.h"

namespace lumetta {
namespace {

using testing_support::TempDir;

std::vector<std::string> Fill(std::vector<std::string> rows) {
  while (rows.size() < 21) rows.push_back(" ");
  return rows;
}

std::vector<std::string> Texts(const NumberList& list) {
  std::vector<std::string> texts;
  for (const NumberRow& row : list.Rows) texts.push_back(row.Text);
  return texts;
}

struct ListCase {
  std::string name;
  std::vector<std::string> files;
  std::vector<std::string> rows;
  std::optional<int> new_number;
};

void PrintTo(const ListCase& c, std::ostream* os) { *os << c.name; }

std::vector<std::string> Numbered(int from, int to) {
  std::vector<std::string> names;
  for (int n = from; n <= to; ++n) {
    std::string digits = "00" + std::to_string(n);
    names.push_back("IMG_JPG-" + digits.substr(digits.size() - 3) + ".lum");
  }
  return names;
}

std::vector<std::string> Rows(int from, int to) {
  std::vector<std::string> rows{"(Default)"};
  for (int n = from; n <= to; ++n) {
    std::string digits = "00" + std::to_string(n);
    rows.push_back("   " + digits.substr(digits.size() - 3));
  }
  return rows;
}

class NumberListTest : public testing::TestWithParam<ListCase> {};

TEST_P(NumberListTest, ListsNumbersGapsAndFillers) {
  TempDir dir;
  dir.Write("IMG.JPG", "photo");
  for (const std::string& name : GetParam().files) dir.Write(name, "100\r\n");
  const NumberList list = BuildNumberList(dir.Path(), "IMG_JPG");
  EXPECT_EQ(Texts(list), GetParam().rows);
  EXPECT_EQ(list.NewNumber(), GetParam().new_number);
}

INSTANTIATE_TEST_SUITE_P(
    Variants, NumberListTest,
    testing::Values(
        ListCase{"None", {}, Fill({"(Default)"}), 1},
        ListCase{"OneAndThree",
                 {"IMG_JPG-001.lum", "IMG_JPG-003.lum"},
                 Fill({"(Default)", "   001", "  空002", "   003"}),
                 4},
        // Above 19 only numbers that follow without a gap are listed.
        ListCase{"OneAndThirty", {"IMG_JPG-001.lum", "IMG_JPG-030.lum"}, Fill({"(Default)", "   001"}), 2},
        ListCase{"OneToTwentyFive", Numbered(1, 25), Rows(1, 25), 26},
        // Every gap below the highest number up to 19 is a free row.
        ListCase{"Nineteen",
                 {"IMG_JPG-019.lum"},
                 [] {
                   std::vector<std::string> rows{"(Default)"};
                   for (int n = 1; n <= 18; ++n) {
                     std::string d = "00" + std::to_string(n);
                     rows.push_back("  空" + d.substr(d.size() - 3));
                   }
                   rows.push_back("   019");
                   return Fill(rows);
                 }(),
                 20},
        // Names of any letter case count; other photos' files do not.
        ListCase{"AnyCase",
                 {"img_jpg.LUM", "Img_Jpg-002.Lum", "IMG_JPG2-001.lum", "IMG_JPG-001.txt", "IMG_JPG-01.lum",
                  "IMG_JPG-000.lum"},
                 Fill({"(Default)", "  空001", "   002"}),
                 3},
        ListCase{"AllUsed", Numbered(1, 999), Rows(1, 999), std::nullopt}));

TEST(NumberList, KnowsTheNamesOnDiskAndTheRowsOfNumbers) {
  TempDir dir;
  dir.Write("img_jpg-003.LUM", "x");
  dir.Write("IMG_JPG.lum", "x");
  const NumberList list = BuildNumberList(dir.Path(), "IMG_jpg");
  EXPECT_EQ(list.ExistingName(3), "img_jpg-003.LUM");
  EXPECT_EQ(list.ExistingName(0), "IMG_JPG.lum");
  EXPECT_EQ(list.ExistingName(2), std::nullopt);
  EXPECT_TRUE(list.Rows[0].Exists);
  EXPECT_FALSE(list.Rows[2].Exists);
  EXPECT_EQ(list.RowOf(3), 3);
  EXPECT_EQ(list.RowOf(4), -1);
  EXPECT_EQ(list.NumberAt(2), 2);
  EXPECT_EQ(list.NumberAt(4), -1);  // a filler
  EXPECT_EQ(list.NumberAt(-1), -1);
  EXPECT_EQ(list.NumberAt(21), -1);
}

struct NameCase {
  std::string name;
  int number;
  std::string base;
};

void PrintTo(const NameCase& c, std::ostream* os) { *os << c.name; }

class VariantNameTest : public testing::TestWithParam<NameCase> {};

TEST_P(VariantNameTest, NumberAndBaseOfTheFileShown) {
  EXPECT_EQ(CurrentVariantNumber(GetParam().name), GetParam().number);
  EXPECT_EQ(VariantBaseName(GetParam().name), GetParam().base);
}

INSTANTIATE_TEST_SUITE_P(Names, VariantNameTest,
                         testing::Values(NameCase{"IMG_0001.JPG", 0, "IMG_0001_JPG"},
                                         NameCase{"IMG_0001_JPG.lum", 0, "IMG_0001_jpg"},
                                         NameCase{"IMG_0001_JPG-002.lum", 2, "IMG_0001_jpg"},
                                         NameCase{"IMG_0001_jpg-030.LUM", 30, "IMG_0001_jpg"},
                                         NameCase{"my_trip_photo_jpg-999.lum", 999, "my_trip_photo_jpg"},
                                         NameCase{"a-b_jpg-0x1.lum", 0, "a-b_jpg"},
                                         NameCase{"nounderscore-002.lum", 0, "nounderscore-002_lum"}));

TEST(VariantName, NumbersHaveThreeDigitsAndTheChosenExtension) {
  EXPECT_EQ(VariantFileName("IMG_JPG", 0, false), "IMG_JPG.lum");
  EXPECT_EQ(VariantFileName("IMG_JPG", 0, true), "IMG_JPG.LUM");
  EXPECT_EQ(VariantFileName("IMG_JPG", 4, false), "IMG_JPG-004.lum");
  EXPECT_EQ(VariantFileName("IMG_JPG", 26, true), "IMG_JPG-026.LUM");
  EXPECT_EQ(VariantFileName("IMG_JPG", 999, false), "IMG_JPG-999.lum");
}

}  // namespace
}  // namespace lumetta
