#include "core/variants/lum_forms.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/base/paths.h"
#include "core/library/thumb_cache_path.h"
#include "core/variants/save_as_command.h"
#include "support/show_fixture.h"

namespace lumetta {
namespace {

using testing_support::ReadAll;
using testing_support::ShowFixture;

// IMG.bmp in photo-folder slot 1, shown.
struct FormFixture : ShowFixture {
  FormFixture() {
    state.folders.ThumbnailFolder = dir / "Thumbnail";
    state.settings.SlotFolder[1] = dir / "photos";
    state.SlotIndex = 1;
    WritePhoto("photos/IMG.bmp", Rgb{10, 20, 30});
  }

  void Show(const std::string& name) {
    Open("photos");
    for (std::int32_t p = 1; p <= state.photos.PhotoCount; ++p) {
      if (state.photos[p].Name == name) {
        ShowPhoto(state, ui, p, 1);
        return;
      }
    }
    FAIL() << name << " is not listed";
  }

  std::string File(const std::string& name) const { return dir / ("photos/" + name); }
  std::string Cache(const std::string& name) const {
    return JoinPath(ThumbCacheFolder(state, 1, state.current.Folder), ThumbCacheFileName(name));
  }
  void WriteLum(const std::string& name, const std::string& comment = "") {
    dir.Write("photos/" + name, "100\r\n" + comment +
                                    "\r\n0\r\n0\r\n 0.00000000000000E+0000\r\n-1\r\n-1\r\n0\r\n256\r\n0\r\n0\r\n0\r\n0\r\n0\r\n");
  }
};

TEST(LumSaveForm, APlainPhotoWithoutVariantsGetsNumberOneFromAddSave) {
  for (const bool upper : {false, true}) {
    FormFixture f;
    f.state.settings.UpperCaseExt = upper;
    f.Show("IMG.bmp");
    const auto before = f.PhotoBytes();
    LumSaveModel model(f.state, f.ui);
    std::vector<std::string> rows{"(Default)"};
    rows.resize(21, " ");
    EXPECT_EQ(model.RowTexts(), rows);
    EXPECT_EQ(model.CurrentRow(), 0);
    EXPECT_FALSE(f.state.WatchArmed);
    ASSERT_TRUE(model.AddSave("夕焼け", false));
    const std::string name = upper ? "IMG_bmp-001.LUM" : "IMG_bmp-001.lum";
    EXPECT_TRUE(IsRegularFile(f.File(name)));
    EXPECT_EQ(f.state.current.Name, name);
    EXPECT_EQ(f.state.photos[f.state.current.Pos].Name, name);
    EXPECT_EQ(f.state.StripPos, f.state.current.Pos);
    EXPECT_EQ(f.PhotoBytes(), before);
  }
}

struct SaveCase {
  std::string name;
  std::vector<int> existing;
  int row;         // -1: add with a new number
  std::string written;
};

void PrintTo(const SaveCase& c, std::ostream* os) { *os << c.name; }

class LumSaveRowTest : public testing::TestWithParam<SaveCase> {};

TEST_P(LumSaveRowTest, WritesTheChosenNumber) {
  FormFixture f;
  for (const int n : GetParam().existing) {
    std::string d = "00" + std::to_string(n);
    f.WriteLum("IMG_bmp-" + d.substr(d.size() - 3) + ".lum");
  }
  f.Show("IMG.bmp");
  LumSaveModel model(f.state, f.ui);
  const bool closed =
      GetParam().row < 0 ? model.AddSave("", false) : model.SaveToRow(GetParam().row, "", false);
  ASSERT_TRUE(closed);
  EXPECT_EQ(f.state.current.Name, GetParam().written);
  EXPECT_EQ(ReadAll(f.File(GetParam().written)).substr(0, 7), "100\r\n\r\n");
}

INSTANTIATE_TEST_SUITE_P(Rows, LumSaveRowTest,
                         testing::Values(SaveCase{"AddAfterOneAndThree", {1, 3}, -1, "IMG_bmp-004.lum"},
                                         SaveCase{"FreeRowTwo", {1, 3}, 2, "IMG_bmp-002.lum"},
                                         SaveCase{"AddAfterOneAndThirty", {1, 30}, -1, "IMG_bmp-002.lum"},
                                         SaveCase{"AddAfterTwentyFive",
                                                  {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13,
                                                   14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25},
                                                  -1, "IMG_bmp-026.lum"},
                                         SaveCase{"DefaultRow", {}, 0, "IMG_bmp.lum"}));

TEST(LumSaveForm, SavingTheDefaultRowReplacesThePhotoInTheList) {
  FormFixture f;
  f.Show("IMG.bmp");
  LumSaveModel model(f.state, f.ui);
  ASSERT_TRUE(model.SaveToRow(0, "コメント", true));
  ASSERT_EQ(f.state.photos.PhotoCount, 1);
  EXPECT_EQ(f.state.photos[1].Name, "IMG_bmp.lum");
  EXPECT_EQ(f.state.current.Name, "IMG_bmp.lum");
  EXPECT_EQ(f.state.current.Pos, 1);
  // Fixed with the comment shown below the photo (the global setting).
  EXPECT_EQ(f.state.current.Edits.CommentFix, 1);
  EXPECT_EQ(f.state.current.Edits.Comment, "コメント");
}

TEST(LumSaveForm, FillerRowsAndNoRowSaveNothing) {
  FormFixture f;
  f.Show("IMG.bmp");
  LumSaveModel model(f.state, f.ui);
  for (const int row : {5, -1, 40}) {
    EXPECT_FALSE(model.SaveToRow(row, "", false));
    EXPECT_EQ(f.ui.LastLines(),
              (std::vector<std::string>{"左のリストで番号を選択して", "このボタンを押すと保存できます。"}));
  }
  EXPECT_EQ(f.state.current.Name, "IMG.bmp");
  EXPECT_FALSE(IsRegularFile(f.File("IMG_bmp.lum")));
}

TEST(LumSaveForm, ARowShowsTheCommentStoredUnderItsNumber) {
  FormFixture f;
  f.WriteLum("IMG_bmp-002.lum", "umi");
  f.Show("IMG.bmp");
  LumSaveModel model(f.state, f.ui);
  EXPECT_EQ(model.CommentOfRow(2), "umi");
  EXPECT_EQ(model.CommentOfRow(1), "");   // free
  EXPECT_EQ(model.CommentOfRow(10), "");  // filler
}

TEST(LumSaveForm, NoFreeNumberRefusesToAdd) {
  FormFixture f;
  for (int n = 1; n <= 999; ++n) {
    std::string d = "00" + std::to_string(n);
    f.dir.Write("photos/IMG_bmp-" + d.substr(d.size() - 3) + ".lum", "x");
  }
  f.state.CurrentFolder = f.dir / "photos";
  f.state.current = PhotoRecord{"IMG.bmp", f.dir / "photos", 1, 1, {}};
  LumSaveModel model(f.state, f.ui);
  EXPECT_FALSE(model.AddSave("", false));
  EXPECT_EQ(f.ui.LastLines().size(), 2u);
  EXPECT_FALSE(IsRegularFile(f.File("IMG_bmp-000.lum")));
  EXPECT_FALSE(IsRegularFile(f.File("IMG_bmp-1000.lum")));
}

TEST(LumRenameForm, RenamingVariantTwoToTheDefaultMovesItsCachedThumbnail) {
  FormFixture f;
  f.WriteLum("IMG_bmp-002.lum", "umi");
  f.Show("IMG_bmp-002.lum");
  const std::string photo = ReadAll(f.File("IMG.bmp"));
  const std::string old_cache = f.Cache("IMG_bmp-002.lum");
  auto write = [&](const std::string& path, const char* bytes) {
    f.dir.Write(std::filesystem::relative(path, f.dir.Path()).string(), bytes);
  };
  write(old_cache, "bmp");
  write(ThumbRotationPath(old_cache), "dat");

  LumRenameModel model(f.state, f.ui);
  EXPECT_EQ(model.CurrentRow(), 2);
  EXPECT_FALSE(model.RenameToRow(2));  // its own number
  ASSERT_TRUE(model.RenameToRow(0));
  EXPECT_FALSE(IsRegularFile(f.File("IMG_bmp-002.lum")));
  EXPECT_TRUE(IsRegularFile(f.File("IMG_bmp.lum")));
  EXPECT_EQ(f.state.current.Name, "IMG_bmp.lum");
  EXPECT_EQ(f.state.photos[f.state.current.Pos].Name, "IMG_bmp.lum");
  const std::string new_cache = f.Cache("IMG_bmp.lum");
  EXPECT_EQ(ReadAll(new_cache), "bmp");
  EXPECT_EQ(ReadAll(ThumbRotationPath(new_cache)), "dat");
  EXPECT_FALSE(IsRegularFile(old_cache));
  EXPECT_FALSE(IsRegularFile(ThumbRotationPath(old_cache)));
  EXPECT_TRUE(f.state.IgnoreNextChange);
  EXPECT_EQ(ReadAll(f.File("IMG.bmp")), photo);
}

TEST(LumRenameForm, AnExistingNumberIsReplacedOnlyAfterYes) {
  FormFixture f;
  f.WriteLum("IMG_bmp-001.lum", "one");
  f.WriteLum("IMG_bmp-003.lum", "three");
  f.Show("IMG_bmp-003.lum");
  LumRenameModel model(f.state, f.ui);
  f.ui.answers = {2};
  EXPECT_FALSE(model.RenameToRow(1));
  EXPECT_EQ(f.ui.LastLines(), (std::vector<std::string>{"ファイル", "IMG_bmp-001.lum", "は、存在します。上書きしますか？"}));
  EXPECT_NE(ReadAll(f.File("IMG_bmp-001.lum")).find("one"), std::string::npos);
  f.ui.answers = {1};
  ASSERT_TRUE(model.RenameToRow(1));
  EXPECT_NE(ReadAll(f.File("IMG_bmp-001.lum")).find("three"), std::string::npos);
  EXPECT_FALSE(IsRegularFile(f.File("IMG_bmp-003.lum")));
  EXPECT_EQ(f.state.current.Name, "IMG_bmp-001.lum");
}

TEST(LumRenameForm, AddRenameTakesTheNextNumberAndAFailedRenameChangesNothing) {
  FormFixture f;
  f.WriteLum("IMG_bmp-001.lum");
  f.WriteLum("IMG_bmp-002.lum");
  f.Show("IMG_bmp-001.lum");
  {
    LumRenameModel model(f.state, f.ui);
    ASSERT_TRUE(model.AddRename());
    EXPECT_EQ(f.state.current.Name, "IMG_bmp-003.lum");
    EXPECT_TRUE(IsRegularFile(f.File("IMG_bmp-003.lum")));
  }
  // The file went away behind the program's back: the rename fails visibly.
  std::filesystem::remove(f.File("IMG_bmp-003.lum"));
  LumRenameModel model(f.state, f.ui);
  EXPECT_FALSE(model.AddRename());
  EXPECT_EQ(f.ui.LastLines().at(0), "ファイル名の変更ができませんでした。");
  EXPECT_EQ(f.state.current.Name, "IMG_bmp-003.lum");
}

TEST(LumRenameForm, ACurrentNumberThatIsNotListedActsAsAFiller) {
  FormFixture f;
  f.WriteLum("IMG_bmp-030.lum");
  f.Show("IMG_bmp-030.lum");
  LumRenameModel model(f.state, f.ui);
  EXPECT_EQ(model.CurrentRow(), -1);
  EXPECT_FALSE(model.RenameToRow(model.CurrentRow()));
  EXPECT_EQ(f.ui.LastLines(),
            (std::vector<std::string>{"左のリストで番号を選択して", "このボタンを押すとリネームできます。"}));
}

TEST(SaveAsEditedPhoto, GuardsSpeakForTheirSource) {
  FormFixture f;
  SaveAsEditedPhoto(f.state, f.ui, SaveCommandSource::Menu);
  ASSERT_EQ(f.ui.LastLines().size(), 8u);
  EXPECT_EQ(f.ui.LastLines()[0], "このメニューは、現在表示されている写真を");
  SaveAsEditedPhoto(f.state, f.ui, SaveCommandSource::Button);
  EXPECT_EQ(f.ui.LastLines()[0], "このボタンは、現在表示されている写真を");

  f.Show("IMG.bmp");
  int exports = 0;
  f.state.hooks.OpenExport = [&] { ++exports; };
  f.state.PanoramaMode = PanoramaKind::Pair;
  SaveAsEditedPhoto(f.state, f.ui, SaveCommandSource::Menu);
  EXPECT_EQ(f.ui.LastLines().size(), 6u);
  EXPECT_EQ(f.ui.LastLines()[5], "パノラマモード時には、使用できません。");
  SaveAsEditedPhoto(f.state, f.ui, SaveCommandSource::Key);
  EXPECT_EQ(f.ui.LastLines()[0], "パノラマモード時は、Lumetta形式（.lum）での保存は");
  const std::size_t boxes = f.ui.boxes.size();
  SaveAsEditedPhoto(f.state, f.ui, SaveCommandSource::Button);
  EXPECT_EQ(exports, 1);
  EXPECT_EQ(f.ui.boxes.size(), boxes);
  f.state.PanoramaMode = PanoramaKind::None;
  // A fake without windows cancels the dialog: nothing is written.
  SaveAsEditedPhoto(f.state, f.ui, SaveCommandSource::Key);
  EXPECT_EQ(f.ui.boxes.size(), boxes);
  EXPECT_FALSE(IsRegularFile(f.File("IMG_bmp.lum")));
  EXPECT_EQ(exports, 1);
}

}  // namespace
}  // namespace lumetta
