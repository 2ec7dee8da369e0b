#include "core/library/photo_sort.h"

#include <gtest/gtest.h>

#include <ostream>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "core/state/app_state.h"
#include "core/base/name_collation.h"
#include "support/exif_bytes.h"
#include "support/temp_dir.h"

namespace lumetta {
namespace {

using testing_support::ExifJpeg;
using testing_support::ExifLayout;
using testing_support::TempDir;

using Photo = std::pair<std::string, std::string>;  // name, file date

void Fill(AppState& state, const std::vector<Photo>& photos) {
  state.photos.PhotoCount = static_cast<std::int32_t>(photos.size());
  for (std::size_t i = 0; i < photos.size(); ++i) {
    state.photos.entries[i + 1].Name = photos[i].first;
    state.photos.entries[i + 1].FileDate = photos[i].second;
  }
}

std::vector<std::string> Names(const AppState& state) {
  std::vector<std::string> names;
  for (std::int32_t i = 1; i <= state.photos.PhotoCount; ++i) names.push_back(state.photos[i].Name);
  return names;
}

// direction as the settings file holds it: 1 from the left, -1 from the right.
std::vector<std::string> Sorted(std::vector<Photo> photos, SortKey mode, std::int32_t direction) {
  AppState state;
  state.settings.SortMode = mode;
  state.settings.SortDirection = static_cast<SortOrder>(direction);
  Fill(state, photos);
  SortPhotoList(state);
  return Names(state);
}

// The order the program has always produced: a bubble sort with a fixed
// number of passes that swaps neighbours only when they are out of order.
std::vector<std::string> BubbleSorted(std::vector<Photo> p, bool by_key, bool ascending) {
  auto greater = [&](const Photo& a, const Photo& b) {
    const int names = CompareNames(a.first, b.first);
    if (!by_key) return ascending ? names > 0 : names < 0;
    const int keys = a.second.compare(b.second);
    if (ascending) return keys > 0 || (keys == 0 && names > 0);
    return keys < 0 || (keys == 0 && names < 0);
  };
  for (std::size_t pass = 1; pass < p.size(); ++pass) {
    for (std::size_t j = 0; j + pass < p.size(); ++j) {
      if (greater(p[j], p[j + 1])) std::swap(p[j], p[j + 1]);
    }
  }
  std::vector<std::string> names;
  for (const Photo& photo : p) names.push_back(photo.first);
  return names;
}

TEST(SortPhotoList, NamesCompareAsCharactersIgnoringCase) {
  const std::vector<Photo> photos{{"img_9.jpg", ""}, {"IMG_10.jpg", ""}, {"b.jpg", ""}, {"A.jpg", ""}};
  EXPECT_EQ(Sorted(photos, SortKey::Name, 1), (std::vector<std::string>{"A.jpg", "b.jpg", "IMG_10.jpg", "img_9.jpg"}));
  EXPECT_EQ(Sorted(photos, SortKey::Name, -1), (std::vector<std::string>{"img_9.jpg", "IMG_10.jpg", "b.jpg", "A.jpg"}));
}

TEST(SortPhotoList, KanaSortInJapaneseOrderAfterLatinLetters) {
  const std::vector<Photo> photos{{"さくら.jpg", ""}, {"アサガオ.jpg", ""}, {"zoo.jpg", ""}, {"いちょう.jpg", ""},
                                  {"カエデ.jpg", ""}, {"01.jpg", ""}};
  EXPECT_EQ(Sorted(photos, SortKey::Name, 1), (std::vector<std::string>{"01.jpg", "zoo.jpg", "アサガオ.jpg",
                                                                         "いちょう.jpg", "カエデ.jpg", "さくら.jpg"}));
}

TEST(SortPhotoList, NamesEqualIgnoringCaseKeepTheirOrderInBothDirections) {
  const std::vector<Photo> photos{{"a.jpg", ""}, {"B.jpg", ""}, {"A.JPG", ""}, {"b.jpg", ""}};
  EXPECT_EQ(Sorted(photos, SortKey::Name, 1), (std::vector<std::string>{"a.jpg", "A.JPG", "B.jpg", "b.jpg"}));
  EXPECT_EQ(Sorted(photos, SortKey::Name, -1), (std::vector<std::string>{"B.jpg", "b.jpg", "a.jpg", "A.JPG"}));
}

TEST(SortPhotoList, EqualTimesAreOrderedByNameInTheKeysDirection) {
  const std::vector<Photo> photos{{"c.jpg", "20200101120000"}, {"b.jpg", "20200101120000"},
                                  {"z.jpg", "20190101120000"}, {"a.jpg", "20210101000000"}};
  EXPECT_EQ(Sorted(photos, SortKey::FileTime, 1), (std::vector<std::string>{"z.jpg", "b.jpg", "c.jpg", "a.jpg"}));
  EXPECT_EQ(Sorted(photos, SortKey::FileTime, -1), (std::vector<std::string>{"a.jpg", "c.jpg", "b.jpg", "z.jpg"}));
}

TEST(SortPhotoList, UnknownModeSortsByNameAndUnknownDirectionDescends) {
  const std::vector<Photo> photos{{"b.jpg", "1"}, {"a.jpg", "2"}, {"c.jpg", "0"}};
  EXPECT_EQ(Sorted(photos, static_cast<SortKey>(7), 1), (std::vector<std::string>{"a.jpg", "b.jpg", "c.jpg"}));
  EXPECT_EQ(Sorted(photos, SortKey::Name, 0), (std::vector<std::string>{"c.jpg", "b.jpg", "a.jpg"}));
}

TEST(SortPhotoList, FileDatesMoveWithTheirNames) {
  AppState state;
  state.settings.SortMode = SortKey::FileTime;
  Fill(state, {{"b.jpg", "20200101000000"}, {"a.jpg", "20190101000000"}});
  SortPhotoList(state);
  EXPECT_EQ(state.photos[1].Name, "a.jpg");
  EXPECT_EQ(state.photos[1].FileDate, "20190101000000");
  EXPECT_EQ(state.photos[2].FileDate, "20200101000000");
}

struct RandomCase {
  std::uint32_t seed;
  std::size_t count;
  bool by_key;
  bool ascending;
};

void PrintTo(const RandomCase& c, std::ostream* os) {
  *os << "seed " << c.seed << ", " << c.count << " photos, " << (c.by_key ? "by time" : "by name")
      << (c.ascending ? ", from the left" : ", from the right");
}

class SortLikeBubbleSortTest : public testing::TestWithParam<RandomCase> {};

TEST_P(SortLikeBubbleSortTest, GivesExactlyTheBubbleSortOrder) {
  const RandomCase& c = GetParam();
  std::mt19937 random(c.seed);
  const std::vector<std::string> parts{"a", "A", "b", "B", "_", "1", "10", "9", "か", "カ", "が", "あ", "ｶ", "写", "-"};
  std::vector<Photo> photos;
  for (std::size_t i = 0; i < c.count; ++i) {
    std::string name;
    const std::size_t length = 1 + random() % 4;
    for (std::size_t k = 0; k < length; ++k) name += parts[random() % parts.size()];
    photos.push_back({name + ".jpg", "2020010100000" + std::to_string(random() % 3)});
  }
  EXPECT_EQ(Sorted(photos, c.by_key ? SortKey::FileTime : SortKey::Name, c.ascending ? 1 : -1),
            BubbleSorted(photos, c.by_key, c.ascending));
}

INSTANTIATE_TEST_SUITE_P(Lists, SortLikeBubbleSortTest,
                         testing::Values(RandomCase{1, 200, false, true}, RandomCase{2, 200, false, false},
                                         RandomCase{3, 200, true, true}, RandomCase{4, 200, true, false},
                                         RandomCase{5, 2, false, true}, RandomCase{6, 31, true, false}));

TEST(SortPhotoList, ExifOrderPutsPhotosWithoutADateLast) {
  TempDir dir;
  ExifLayout early;
  early.dates = {"2001:01:01 10:00:00"};
  ExifLayout late;
  late.dates = {"2005:05:05 10:00:00"};
  dir.Write("jfif.jpg", std::string("\xFF\xD8\xFF\xE0\x00\x10JFIF", 10));
  dir.Write("late.jpg", ExifJpeg(late));
  dir.Write("IMG_1.JPG", ExifJpeg(early));
  dir.Write("IMG_1_JPG-001.lum", "100\r\n");
  dir.Write("a.png", ExifJpeg(early));
  AppState state;
  state.CurrentFolder = dir.Path();
  state.settings.SortMode = SortKey::ExifDate;
  Fill(state, {{"jfif.jpg", ""}, {"late.jpg", ""}, {"a.png", ""}, {"IMG_1_JPG-001.lum", ""}});
  SortPhotoList(state);
  EXPECT_EQ(Names(state), (std::vector<std::string>{"IMG_1_JPG-001.lum", "late.jpg", "a.png", "jfif.jpg"}));
  state.settings.SortDirection = SortOrder::FromRight;
  SortPhotoList(state);
  EXPECT_EQ(Names(state), (std::vector<std::string>{"jfif.jpg", "a.png", "late.jpg", "IMG_1_JPG-001.lum"}));
}

TEST(SortPhotoList, TheCurrentPhotoKeepsItsPlaceInTheNewOrder) {
  AppState state;
  state.CurrentFolder = "/photos";
  Fill(state, {{"a.jpg", ""}, {"b.jpg", ""}, {"c.jpg", ""}});
  state.current.Name = "A.JPG";
  state.current.Folder = "/photos";
  state.current.Pos = 1;
  state.settings.SortDirection = SortOrder::FromRight;
  SortPhotoList(state);
  EXPECT_EQ(state.current.Pos, 3);

  state.current.Folder = "/other";
  state.current.Pos = 1;
  state.settings.SortDirection = SortOrder::FromLeft;
  SortPhotoList(state);
  EXPECT_EQ(state.current.Pos, 1) << "a photo from another folder keeps its position";

  state.current.Folder = "/photos";
  state.current.Name = "gone.jpg";
  SortPhotoList(state);
  EXPECT_EQ(state.current.Pos, 0);
}

TEST(SortPhotoList, FindsPositionsIgnoringCase) {
  AppState state;
  Fill(state, {{"a.jpg", ""}, {"IMG_1.JPG", ""}, {"img_1.jpg", ""}});
  EXPECT_EQ(FindPhotoPosition(state.photos, "img_1.JPG"), 2);
  EXPECT_EQ(FindPhotoPosition(state.photos, "b.jpg"), 0);
}

}  // namespace
}  // namespace lumetta
