#include "core/variants/edited_photo_save.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "core/base/paths.h"
#include "support/file_size_limit.h"
#include "support/show_fixture.h"

namespace lumetta {
namespace {

using testing_support::FileSizeLimit;
using testing_support::ReadAll;
using testing_support::ShowFixture;

// p01.bmp, p02.bmp and p03.bmp, 40 x 30 in an 80 x 60 view: fitted at
// 100 %, so half the view's width.
struct SaveFixture : ShowFixture {
  SaveFixture() {
    for (int n = 1; n <= 3; ++n) WritePhoto("photos/p0" + std::to_string(n) + ".bmp", Rgb{n * 20, 100, 50});
    Open("photos");
    ShowPhoto(state, ui, 1, 1);
  }

  std::vector<std::string> Listed() const {
    std::vector<std::string> names;
    for (std::int32_t p = 1; p <= state.photos.PhotoCount; ++p) names.push_back(state.photos[p].Name);
    return names;
  }

  std::int32_t PositionOf(const std::string& name) const {
    for (std::int32_t p = 1; p <= state.photos.PhotoCount; ++p) {
      if (state.photos[p].Name == name) return p;
    }
    return 0;
  }

  std::string File(const std::string& name) const { return dir / ("photos/" + name); }

  std::size_t Questions() const {
    std::size_t n = 0;
    for (const auto& box : ui.boxes) n += box.kind == testing_support::FakeUi::Box::YesNo;
    return n;
  }
};

const std::string kBrightened =
    "100\r\n\r\n0\r\n0\r\n 5.00000000000000E-0001\r\n-1\r\n-1\r\n40\r\n256\r\n0\r\n0\r\n0\r\n0\r\n0\r\n";

const std::vector<std::string> kPlainQuestion{"表示中の写真",
                                              "p01.bmp",
                                              "の明るさ・コントラスト・シャープネス等が",
                                              "編集されています。",
                                              "Lumetta形式（.lum）で保存しますか？",
                                              "（元の画像ファイルは変更されません）"};

TEST(ConfirmSaveEdits, YesSavesTheDefaultVariantWhichTakesThePhotosPlaceInTheList) {
  SaveFixture f;
  const auto before = f.PhotoBytes();
  f.state.current.Edits.Brightness = 40;
  f.state.EditsDirty = true;
  f.ui.answers = {1};

  ShowPhoto(f.state, f.ui, f.PositionOf("p02.bmp"), 1);

  ASSERT_EQ(f.Questions(), 1u);
  EXPECT_EQ(f.ui.boxes[0].lines, kPlainQuestion);
  EXPECT_EQ(ReadAll(f.File("p01_bmp.lum")), kBrightened);
  const auto listed = f.Listed();
  EXPECT_NE(std::find(listed.begin(), listed.end(), "p01_bmp.lum"), listed.end());
  EXPECT_EQ(std::find(listed.begin(), listed.end(), "p01.bmp"), listed.end());
  EXPECT_EQ(f.state.current.Name, "p02.bmp");
  EXPECT_EQ(f.state.current.Pos, f.PositionOf("p02.bmp"));
  EXPECT_FALSE(f.state.EditsDirty);
  EXPECT_EQ(f.PhotoBytes(), before);

  // Shown again, the saved state is restored exactly.
  ShowPhoto(f.state, f.ui, f.PositionOf("p01_bmp.lum"), 1);
  EXPECT_EQ(f.state.current.Edits.Brightness, 40);
  EXPECT_EQ(f.Questions(), 1u);
}

TEST(ConfirmSaveEdits, NoMovesOnWithoutWriting) {
  SaveFixture f;
  f.state.current.Edits.Contrast = 300;
  f.state.EditsDirty = true;
  f.ui.answers = {2};
  ShowPhoto(f.state, f.ui, 2, 1);
  EXPECT_EQ(f.Questions(), 1u);
  EXPECT_FALSE(PathExists(f.File("p01_bmp.lum")));
  EXPECT_FALSE(f.state.EditsDirty);
  EXPECT_EQ(f.state.current.Name, "p02.bmp");
  // Leaving the next photo asks nothing.
  ShowPhoto(f.state, f.ui, 3, 1);
  EXPECT_EQ(f.Questions(), 1u);
}

TEST(ConfirmSaveEdits, WithUpperCaseExtensionTheFileIsDotLUM) {
  SaveFixture f;
  f.state.settings.UpperCaseExt = 1;
  f.state.current.Edits.Brightness = 40;
  f.state.EditsDirty = true;
  f.ui.answers = {1};
  // Leaving for the photo itself: afterwards it stands as its default variant.
  const std::int32_t position = ConfirmSaveEdits(f.state, f.ui, f.PositionOf("p01.bmp"));
  EXPECT_EQ(ReadAll(f.File("p01_bmp.LUM")), kBrightened);
  EXPECT_EQ(f.state.photos[position].Name, "p01_bmp.LUM");
  EXPECT_EQ(f.state.current.Name, "p01_bmp.LUM");
  EXPECT_EQ(f.ui.Text(Ctl::FileNameLbl), "p01");
}

TEST(ConfirmSaveEdits, AnEditedFileIsOverwrittenAfterItsOwnQuestion) {
  SaveFixture f;
  f.state.current.Edits.Brightness = 40;
  ASSERT_TRUE(SaveEditedPhoto(f.state, f.ui, f.File("p01_bmp.lum")));
  ASSERT_EQ(f.state.current.Name, "p01_bmp.lum");
  f.state.current.Edits.Rotation = 2;
  f.state.current.Edits.Brightness = 0;
  f.state.EditsDirty = true;
  f.ui.answers = {1};
  ConfirmSaveEdits(f.state, f.ui, 0);
  EXPECT_EQ(f.ui.boxes.back().lines,
            (std::vector<std::string>{"表示中の写真", "p01_bmp.lum", "の明るさ・シャープネス・回転情報等が",
                                      "編集されています。上書き保存しますか？"}));
  const std::string saved = ReadAll(f.File("p01_bmp.lum"));
  EXPECT_EQ(saved.substr(0, 10), "100\r\n\r\n2\r\n");
  EXPECT_FALSE(f.state.EditsDirty);
}

TEST(ConfirmSaveEdits, AFailedSaveKeepsTheOldFileTheEditsAndThePhoto) {
  SaveFixture f;
  f.state.current.Edits.Brightness = 40;
  ASSERT_TRUE(SaveEditedPhoto(f.state, f.ui, f.File("p01_bmp.lum")));
  f.state.current.Edits.Brightness = -100;
  f.state.EditsDirty = true;
  f.ui.answers = {1};
  {
    // A medium that takes no more than a few bytes.
    FileSizeLimit full(8);
    ShowPhoto(f.state, f.ui, f.PositionOf("p02.bmp"), 1);
  }
  EXPECT_EQ(ReadAll(f.File("p01_bmp.lum")), kBrightened);
  EXPECT_EQ(f.ui.boxes.back().lines, SaveFailedLines());
  EXPECT_TRUE(f.state.EditsDirty);
  EXPECT_EQ(f.state.current.Name, "p01_bmp.lum");
  EXPECT_EQ(f.state.current.Edits.Brightness, -100);
  // No temporary file is left beside it: three photos and the old file.
  std::size_t files = 0;
  for (const auto& entry : std::filesystem::directory_iterator(f.dir / "photos")) files += entry.is_regular_file();
  EXPECT_EQ(files, 4u);
}

TEST(ConfirmSaveEdits, NothingIsAskedWithoutEdits) {
  SaveFixture f;
  EXPECT_EQ(ConfirmSaveEdits(f.state, f.ui, 2), 2);
  EXPECT_TRUE(f.ui.boxes.empty());
}

}  // namespace
}  // namespace lumetta
