#include "core/transfer/transfer_files.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/state/settings.h"
#include "core/transfer/transfer_engine.h"
#include "support/file_dates.h"
#include "support/temp_dir.h"

namespace lumetta {
namespace {

using testing_support::SetLocalDate;
using testing_support::TempDir;

TEST(TransferFiles, TakesPhotosAndMoviesByTheFirstFourCharactersOfTheExtension) {
  for (const char* name : {"a.jpg", "A.JPG", "a.jpe", "a.jpeg", "a.JPEG", "a.bmp", "a.tif", "a.TIFF"}) {
    EXPECT_TRUE(IsTransferPhotoName(name)) << name;
    EXPECT_FALSE(IsMovieName(name)) << name;
  }
  for (const char* name : {"a.mov", "a.AVI", "a.mpg", "a.mpe", "a.mpeg"}) {
    EXPECT_TRUE(IsMovieName(name)) << name;
    EXPECT_FALSE(IsTransferPhotoName(name)) << name;
  }
  for (const char* name : {"a.jp", "a.png", "a_jpg.lum", "a.mp4", "jpg", "a.txt"}) {
    EXPECT_FALSE(IsTransferPhotoName(name)) << name;
    EXPECT_FALSE(IsMovieName(name)) << name;
  }
}

TEST(TransferFiles, ListsTheFolderOnceSortedByNameWithoutSubFolders) {
  TempDir dir;
  for (const char* name : {"b.JPG", "MOV0003.AVI", "a.jpg", ".hidden.jpg", "notes.txt", "c_jpg.lum", "sub/x.jpg"}) {
    dir.Write(std::string("card/") + name);
  }
  dir.MakeDir("card/y.jpg");  // a folder with a photo's name
  EXPECT_EQ(ListTransferFiles(dir / "card", true),
            (std::vector<std::string>{".hidden.jpg", "a.jpg", "b.JPG", "MOV0003.AVI"}));
  EXPECT_EQ(ListTransferFiles(dir / "card", false), (std::vector<std::string>{".hidden.jpg", "a.jpg", "b.JPG"}));
  EXPECT_TRUE(ListTransferFiles(dir / "none", true).empty());
}

TEST(TransferFiles, NamesTheDateFolderAfterTheLocalModificationDate) {
  TempDir dir;
  const std::string a = dir.Write("DSC0001.JPG");
  SetLocalDate(a, 2001, 6, 28, 23, 59);
  EXPECT_EQ(DateFolderName(a), "01-0628");
  SetLocalDate(a, 2002, 1, 5, 0, 1);
  EXPECT_EQ(DateFolderName(a), "02-0105");
  EXPECT_EQ(DateFolderName(dir / "missing.jpg"), "00-0000");
}

TEST(TransferFiles, OptionsComeFromAndGoToTheSettings) {
  Settings settings;
  EXPECT_EQ(TransferOptionsOf(settings), (TransferOptions{false, true, true}));
  StoreTransferOptions(settings, TransferOptions{true, false, false});
  EXPECT_EQ(settings.TransferLocked, 1);
  EXPECT_EQ(settings.TransferMovies, 0);
  EXPECT_EQ(settings.TransferDateFolders, 0);
}

struct CountCase {
  std::int32_t remaining;
  std::int32_t total;
  std::string text;
  std::int32_t percent;
};

class ProgressTexts : public ::testing::TestWithParam<CountCase> {};

TEST_P(ProgressTexts, ShowWhatIsLeft) {
  const CountCase& c = GetParam();
  EXPECT_EQ(RemainingText(c.remaining, "a.jpg"), c.text);
  EXPECT_EQ(ProgressPercent(c.remaining, c.total), c.percent);
}

INSTANTIATE_TEST_SUITE_P(
    Transfer, ProgressTexts,
    ::testing::Values(CountCase{12, 12, "あと12枚です 「a.jpg」を転送", 0},
                      CountCase{10, 12, "あと10枚です 「a.jpg」を転送", 17},  // 100 - R(83.3)
                      CountCase{9, 12, "あと９枚です 「a.jpg」を転送", 25},
                      CountCase{3, 12, "あと３枚です 「a.jpg」を転送", 75},
                      CountCase{2, 3, "あと２枚です 「a.jpg」を転送", 33},  // 100 - R(66.7)
                      CountCase{1, 12, "あと１枚です 「a.jpg」を転送", 100}));

TEST(TransferFiles, TheOverwriteQuestionMentionsTheTrashOnlyForThePc) {
  EXPECT_EQ(OverwriteQuestion("a.jpg", TransferDirection::CameraToPc),
            (std::vector<std::string>{"転送先に、すでに同じファイル名", "「a.jpg」", "があります。上書きしますか？",
                                      "（※元ファイルは、ごみ箱に移動されます）"}));
  EXPECT_EQ(OverwriteQuestion("a.jpg", TransferDirection::PcToCamera).size(), 3u);
  EXPECT_EQ(OverwriteCaptions(), (std::vector<std::string>{"いいえ", "上書き", "全ていいえ", "全て上書き"}));
}

}  // namespace
}  // namespace lumetta
