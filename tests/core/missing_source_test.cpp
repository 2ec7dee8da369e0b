#include "core/app/missing_source.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "core/app/show_photo.h"
#include "core/base/paths.h"
#include "core/library/photo_sort.h"
#include "support/show_fixture.h"

namespace lumetta {
namespace {

using testing_support::ReadAll;
using testing_support::ShowFixture;

const std::vector<std::string> kLocateQuestion = {"元の画像ファイル", "IMG_0001.JPG", "が存在しません。",
                                                  "元の画像ファイルのある場所を指定しますか？"};
const std::vector<std::string> kTrashQuestion = {"Lumetta形式ファイル", "IMG_0001_JPG.lum", "をごみ箱へ移動しますか？"};

std::string GrayJpeg() { return ReadAll(std::string(LUMETTA_FIXTURES) + "/jpeg/gray.jpg"); }

// The folder "old" holds edited-photo files of IMG_0001.JPG, which is gone,
// and one plain photo after them in the list.
struct OrphanFolder {
  explicit OrphanFolder(ShowFixture& f, bool with_variant = true) : f(f) {
    f.dir.Write("old/IMG_0001_JPG.lum", kEdits);
    if (with_variant) f.dir.Write("old/IMG_0001_JPG-002.lum", kVariant);
    f.WritePhoto("old/z.bmp", Rgb{200, 100, 50});
    f.Open("old");
    position = FindPhotoPosition(f.state.photos, "IMG_0001_JPG.lum");
    f.state.StripPos = position;
  }
  void Show() { ShowPhoto(f.state, f.ui, position, 1); }
  bool InOld(const std::string& name) const { return IsRegularFile(f.dir / ("old/" + name)); }

  static constexpr const char* kEdits =
      "100\r\n\r\n1\r\n0\r\n 5.00000000000000E-0001\r\n-1\r\n-1\r\n0\r\n256\r\n0\r\n0\r\n0\r\n0\r\n0\r\n";
  static constexpr const char* kVariant =
      "100\r\n\r\n2\r\n0\r\n 5.00000000000000E-0001\r\n-1\r\n-1\r\n0\r\n256\r\n0\r\n0\r\n0\r\n0\r\n0\r\n";
  ShowFixture& f;
  std::int32_t position = 0;
};

struct LocateCase {
  std::string name;
  std::string chosen;              // the source photo the user points at, in "new"
  std::vector<std::string> moved;  // the names in "new" afterwards, default first
};

void PrintTo(const LocateCase& c, std::ostream* os) { *os << c.name; }

class LocateSourceTest : public ::testing::TestWithParam<LocateCase> {};

TEST_P(LocateSourceTest, MovesTheEditedFilesToTheSourceUnderItsNameAndOpensThem) {
  const LocateCase& c = GetParam();
  ShowFixture f;
  OrphanFolder orphan(f);
  const std::string chosen = f.dir.Write("new/" + c.chosen, GrayJpeg());
  const auto before = f.PhotoBytes();
  f.ui.answers = {1};
  f.ui.chosen_files = {chosen};

  orphan.Show();

  EXPECT_EQ(f.ui.boxes.at(0).lines, kLocateQuestion);
  ASSERT_EQ(f.ui.open_file_choices.size(), 1u);
  EXPECT_EQ(f.ui.open_file_choices[0].title, "「IMG_0001_JPG.lum」の元画像ファイルを指定");
  EXPECT_EQ(f.ui.open_file_choices[0].initial_folder, f.dir / "old");
  EXPECT_EQ(f.ui.open_file_choices[0].proposed_name, "IMG_0001.JPG");
  EXPECT_FALSE(orphan.InOld("IMG_0001_JPG.lum"));
  EXPECT_FALSE(orphan.InOld("IMG_0001_JPG-002.lum"));
  EXPECT_EQ(ReadAll(f.dir / ("new/" + c.moved[0])), OrphanFolder::kEdits);
  EXPECT_EQ(ReadAll(f.dir / ("new/" + c.moved[1])), OrphanFolder::kVariant);
  EXPECT_TRUE(f.state.IgnoreNextChange);
  EXPECT_EQ(f.state.CurrentFolder, f.dir / "new");
  EXPECT_EQ(f.state.current.Name, c.moved[0]);
  EXPECT_EQ(f.state.current.Folder, f.dir / "new");
  EXPECT_EQ(f.state.current.Edits.Rotation, 1);
  EXPECT_EQ(f.ui.boxes.size(), 1u);
  EXPECT_EQ(f.ui.busy_depth, 0);
  EXPECT_EQ(f.PhotoBytes(), before);
}

INSTANTIATE_TEST_SUITE_P(
    MissingSource, LocateSourceTest,
    ::testing::Values(
        LocateCase{"the same name elsewhere", "IMG_0001.JPG", {"IMG_0001_JPG.lum", "IMG_0001_JPG-002.lum"}},
        LocateCase{"another name, its extension's case kept", "trip.Jpeg", {"trip_Jpeg.lum", "trip_Jpeg-002.lum"}}),
    [](const ::testing::TestParamInfo<LocateCase>& info) { return "case" + std::to_string(info.index); });

TEST(MissingSource, AnEditedFileWhoseNewNameIsTakenStaysAndThePhotoIsOpened) {
  ShowFixture f;
  OrphanFolder orphan(f);
  const std::string chosen = f.dir.Write("new/trip.jpg", GrayJpeg());
  const std::string taken = f.dir.Write("new/trip_jpg.lum", OrphanFolder::kVariant);
  f.ui.answers = {1};
  f.ui.chosen_files = {chosen};

  orphan.Show();

  EXPECT_TRUE(orphan.InOld("IMG_0001_JPG.lum"));
  EXPECT_EQ(ReadAll(taken), OrphanFolder::kVariant);
  EXPECT_FALSE(orphan.InOld("IMG_0001_JPG-002.lum"));
  EXPECT_TRUE(IsRegularFile(f.dir / "new/trip_jpg-002.lum"));
  EXPECT_TRUE(f.state.IgnoreNextChange);
  // The photo shows through the edited-photo file that stands for it.
  EXPECT_EQ(f.state.current.Name, "trip_jpg.lum");
  EXPECT_EQ(f.ui.boxes.size(), 1u);
}

TEST(MissingSource, CancellingTheFileDialogMarksThePhotoUnreadableWithoutAMessage) {
  ShowFixture f;
  OrphanFolder orphan(f);
  f.ui.answers = {1};
  orphan.Show();
  EXPECT_EQ(f.ui.boxes.size(), 1u);
  EXPECT_EQ(f.ui.open_file_choices.size(), 1u);
  EXPECT_EQ(f.ui.Text(Ctl::SizeLbl), "読み込みエラー");
  EXPECT_TRUE(f.state.photos[orphan.position].Unreadable);
  EXPECT_TRUE(orphan.InOld("IMG_0001_JPG.lum"));
  EXPECT_FALSE(f.state.IgnoreNextChange);
}

TEST(MissingSource, RefusingBothQuestionsMarksThePhotoUnreadable) {
  ShowFixture f;
  OrphanFolder orphan(f);
  f.ui.answers = {2, 2};
  orphan.Show();
  ASSERT_EQ(f.ui.boxes.size(), 2u);
  EXPECT_EQ(f.ui.boxes[1].lines, kTrashQuestion);
  EXPECT_EQ(f.ui.Text(Ctl::SizeLbl), "読み込みエラー");
  EXPECT_TRUE(f.ui.trashed.empty());
  EXPECT_TRUE(orphan.InOld("IMG_0001_JPG.lum"));
}

TEST(MissingSource, TheTrashTakesTheEditedFileAndTheNextPhotoIsShown) {
  ShowFixture f;
  OrphanFolder orphan(f, false);
  const auto before = f.PhotoBytes();
  f.ui.answers = {2, 1};

  orphan.Show();

  EXPECT_EQ(f.ui.boxes.size(), 2u);
  EXPECT_EQ(f.ui.trashed, (std::vector<std::string>{f.dir / "old/IMG_0001_JPG.lum"}));
  EXPECT_FALSE(orphan.InOld("IMG_0001_JPG.lum"));
  EXPECT_TRUE(f.state.IgnoreNextChange);
  EXPECT_EQ(f.state.photos.PhotoCount, 1);
  EXPECT_EQ(f.state.StripPos, 1);
  EXPECT_EQ(f.state.current.Name, "z.bmp");
  EXPECT_EQ(f.ViewAt(40, 30), (Rgb{200, 100, 50}));
  EXPECT_EQ(f.calls.front(), "strip 1");
  EXPECT_EQ(f.ui.busy_depth, 0);
  EXPECT_EQ(f.PhotoBytes(), before);
}

TEST(MissingSource, AfterTheTrashAnEmptyFolderLeavesTheViewGreyAndNoPhotoShown) {
  ShowFixture f;
  f.dir.Write("old/IMG_0001_JPG.lum", OrphanFolder::kEdits);
  f.Open("old");
  f.ui.answers = {2, 1};
  ShowPhoto(f.state, f.ui, 1, 1);
  EXPECT_EQ(f.state.photos.PhotoCount, 0);
  EXPECT_TRUE(f.state.current.Name.empty());
  EXPECT_EQ(f.ViewAt(40, 30), (Rgb{128, 128, 128}));
}

TEST(MissingSource, InPanoramaModeThePhotoIsOnlyMarkedUnreadable) {
  ShowFixture f;
  OrphanFolder orphan(f);
  f.state.PanoramaMode = PanoramaKind::Pair;
  orphan.Show();
  EXPECT_TRUE(f.ui.boxes.empty());
  EXPECT_TRUE(f.state.photos[orphan.position].Unreadable);
  EXPECT_EQ(f.state.view.ViewWidth, 80);
}

}  // namespace
}  // namespace lumetta
