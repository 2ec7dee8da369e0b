#include "core/app/show_photo.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "core/library/open_photo.h"
#include "core/base/paths.h"
#include "core/records/edited_photo_reader.h"
#include "core/view/view_commands.h"
#include "core/view/view_render.h"
#include "support/exif_bytes.h"
#include "support/show_fixture.h"
#include "support/tiff_bytes.h"

namespace lumetta {
namespace {

using testing_support::PixelAt;
using testing_support::ReadAll;
using testing_support::ShowFixture;
using testing_support::TiffFile;

const Rgb kBlack{0, 0, 0};

// Photo pNN.bmp has a colour of its own.
Rgb ColourOf(int n) { return Rgb{10 * n, 200 - 10 * n, 50 + 5 * n}; }

std::string PhotoName(int n) { return std::string("p") + (n < 10 ? "0" : "") + std::to_string(n) + ".bmp"; }

// The colour of the photo listed at a position, by its name.
Rgb ListedColour(const AppState& state, std::int32_t position) {
  const std::string& name = state.photos[position].Name;
  return ColourOf(std::stoi(name.substr(1, 2)));
}

void WriteNumberedPhotos(ShowFixture& f, int count) {
  for (int n = 1; n <= count; ++n) f.WritePhoto("photos/" + PhotoName(n), ColourOf(n));
  f.Open("photos");
}

TEST(ShowPhoto, ShowsOnePhotoFittedAndMakesItTheCurrentPhoto) {
  ShowFixture f;
  WriteNumberedPhotos(f, 3);
  const auto before = f.PhotoBytes();
  f.state.StripPos = 2;
  f.state.SlotIndex = 0;
  f.state.photos[2].Rotation = 0;
  f.state.photos[2].Unreadable = true;

  ShowPhoto(f.state, f.ui, 2, 1);

  EXPECT_EQ(f.state.current.Name, "p02.bmp");
  EXPECT_EQ(f.state.current.Folder, f.dir / "photos");
  EXPECT_EQ(f.state.current.Pos, 2);
  EXPECT_EQ(f.state.current.Edits, PlainPhotoEdits(0));
  EXPECT_FALSE(f.state.photos[2].Unreadable);
  // 40 x 30 in 80 x 60: shown at 100 %, centred.
  EXPECT_EQ(f.ViewAt(40, 30), ColourOf(2));
  EXPECT_EQ(f.ViewAt(19, 30), kBlack);
  EXPECT_EQ(f.ui.Text(Ctl::FileNameLbl), "p02");
  EXPECT_EQ(f.ui.Text(Ctl::ExtNameLbl), ".bmp");
  EXPECT_EQ(f.ui.size_texts_at_paint, (std::vector<std::string>{"(読み込み中)"}));
  EXPECT_EQ(f.ui.Text(Ctl::SizeLbl), "40x30");
  EXPECT_EQ(f.ui.Text(Ctl::JoutaiLbl), "【全体を表示中】");
  EXPECT_EQ(f.calls, (std::vector<std::string>{"comment 1 at 80x60"}));
  EXPECT_GE(f.ui.busy_calls, 1);
  EXPECT_EQ(f.ui.busy_depth, 0);
  EXPECT_EQ(f.hover_removals, 2);
  EXPECT_TRUE(f.ui.boxes.empty());
  EXPECT_EQ(f.PhotoBytes(), before);
}

TEST(ShowPhoto, AQuarterTurnCachedForThePhotoIsItsRotation) {
  ShowFixture f;
  WriteNumberedPhotos(f, 1);
  f.state.photos[1].Rotation = 1;
  ShowPhoto(f.state, f.ui, 1, 1);
  EXPECT_EQ(f.state.current.Edits.Rotation, 1);
  EXPECT_EQ(f.ui.Text(Ctl::SizeLbl), "30x40");
}

struct PanoramaCase {
  std::string name;
  PanoramaKind mode;
  std::int32_t direction;  // 1 from the left, -1 from the right
  int photos;
  std::int32_t position;
  // Per pane 1..4, the list position it shows (0: black).
  std::vector<std::int32_t> panes;
};

void PrintTo(const PanoramaCase& c, std::ostream* os) { *os << c.name; }

class PanoramaFillingTest : public ::testing::TestWithParam<PanoramaCase> {};

// The centre of pane p's photo on the 80 x 60 view (photos are 40 x 30).
struct Point {
  std::int32_t x;
  std::int32_t y;
};
Point PaneCentre(PanoramaKind mode, std::int32_t p) {
  std::int32_t column = (p - 1) % 2;
  if (mode == PanoramaKind::PairReversed) column = 1 - column;
  if (mode == PanoramaKind::Four) return {20 + 40 * column, 15 + 30 * ((p - 1) / 2)};
  return {20 + 40 * column, 30};
}

TEST_P(PanoramaFillingTest, FillsThePanesInTheDirectionOfTheStrip) {
  const PanoramaCase& c = GetParam();
  ShowFixture f;
  f.state.settings.SortDirection = static_cast<SortOrder>(c.direction);
  WriteNumberedPhotos(f, c.photos);
  f.state.PanoramaMode = c.mode;
  f.state.StripPos = c.position;

  ShowPhoto(f.state, f.ui, c.position, c.direction);

  for (std::int32_t p = 1; p <= static_cast<std::int32_t>(c.panes.size()); ++p) {
    SCOPED_TRACE("pane " + std::to_string(p));
    const std::int32_t listed = c.panes[static_cast<std::size_t>(p - 1)];
    const Point at = PaneCentre(c.mode, p);
    EXPECT_EQ(f.ViewAt(at.x, at.y), listed == 0 ? kBlack : ListedColour(f.state, listed));
    EXPECT_EQ(f.state.Panes[p].Name, listed == 0 ? "" : f.state.photos[listed].Name);
  }
  EXPECT_EQ(f.state.current.Name, f.state.Panes[1].Name);
  EXPECT_FALSE(f.state.current.Edits.ZoomMode);
  EXPECT_EQ(f.state.view.ViewWidth, 80);
  EXPECT_EQ(f.state.view.ViewHeight, 60);
  EXPECT_EQ(f.state.view.PaneLeft, 0);
  EXPECT_EQ(f.state.view.PaneTop, 0);
  EXPECT_EQ(f.ui.view_cursor, CursorKind::Hand);
  EXPECT_EQ(f.ui.Text(Ctl::FileNameLbl), "【パノラマモード】");
  // The status texts come with the pane drawn at the view's origin.
  const std::size_t origin_pane = c.mode == PanoramaKind::PairReversed ? 1 : 0;
  EXPECT_EQ(f.ui.Text(Ctl::JoutaiLbl), c.panes[origin_pane] == 0 ? "" : "【パノラマモード】");
  EXPECT_EQ(f.ui.busy_depth, 0);
}

INSTANTIATE_TEST_SUITE_P(
    ShowPhoto, PanoramaFillingTest,
    ::testing::Values(
        PanoramaCase{"four panes from the last of three photos: only pane 1",
                     PanoramaKind::Four, 1, 3, 3, {3, 0, 0, 0}},
        PanoramaCase{"four panes in order", PanoramaKind::Four, 1, 12, 5, {5, 6, 7, 8}},
        PanoramaCase{"two panes descending at 10: photo 10 right, 9 left", PanoramaKind::Pair, -1, 12, 10, {9, 10}},
        PanoramaCase{"four panes descending: the first photo in the last pane",
                     PanoramaKind::Four, -1, 12, 10, {7, 8, 9, 10}},
        PanoramaCase{"two panes reversed: pane 1 on the right", PanoramaKind::PairReversed, 1, 3, 1, {1, 2}},
        PanoramaCase{"two panes descending at the list's start: pane 1 stays black",
                     PanoramaKind::Pair, -1, 3, 1, {0, 1}}),
    [](const ::testing::TestParamInfo<PanoramaCase>& info) { return "case" + std::to_string(info.index); });

TEST(ShowPhoto, DrawsEachPanesCommentWithTheWholeViewsSize) {
  ShowFixture f;
  WriteNumberedPhotos(f, 4);
  f.state.PanoramaMode = PanoramaKind::Four;
  ShowPhoto(f.state, f.ui, 1, 1);
  EXPECT_EQ(f.calls, (std::vector<std::string>{"comment 1 at 80x60", "comment 2 at 80x60", "comment 3 at 80x60",
                                               "comment 4 at 80x60"}));
}

TEST(ShowPhoto, PositionZeroRedrawsThePanesFromTheirRecords) {
  ShowFixture f;
  WriteNumberedPhotos(f, 4);
  f.state.PanoramaMode = PanoramaKind::Pair;
  ShowPhoto(f.state, f.ui, 3, 1);
  f.state.ViewPicture.Fill(128, 128, 128);
  f.state.StripPos = 1;

  RenderView(f.state, f.ui, true);  // the renderer hands panorama views over

  EXPECT_EQ(f.ViewAt(20, 30), ColourOf(3));
  EXPECT_EQ(f.ViewAt(60, 30), ColourOf(4));
  EXPECT_EQ(f.ViewAt(20, 5), kBlack);
  EXPECT_EQ(f.state.Panes[1].Name, "p03.bmp");
  EXPECT_EQ(f.state.current.Name, "p03.bmp");
}

TEST(ShowPhoto, APaneThatCannotBeDecodedEndsTheFillingAndTheViewSizeComesBack) {
  ShowFixture f;
  f.WritePhoto("photos/p01.bmp", ColourOf(1));
  f.dir.Write("photos/p02.jpg", "\xFF\xD8\xFF\xDB not a jpeg at all");
  f.WritePhoto("photos/p03.bmp", ColourOf(3));
  f.Open("photos");
  f.state.PanoramaMode = PanoramaKind::Four;

  ShowPhoto(f.state, f.ui, 1, 1);

  EXPECT_EQ(f.state.view.ViewWidth, 80);
  EXPECT_EQ(f.state.view.ViewHeight, 60);
  EXPECT_EQ(f.state.view.PaneLeft, 0);
  EXPECT_EQ(f.state.view.PaneTop, 0);
  EXPECT_TRUE(f.state.photos[2].Unreadable);
  EXPECT_EQ(f.state.Panes[3].Name, "");
  EXPECT_EQ(f.ui.boxes.size(), 1u);
  EXPECT_EQ(f.ViewAt(60, 15), kBlack);
  EXPECT_EQ(f.ui.busy_depth, 0);
}

TEST(ShowPhoto, AnEditedPhotoFileThatCannotBeReadPropagatesWithTheViewSizeRestored) {
  ShowFixture f;
  f.WritePhoto("photos/a.bmp", ColourOf(1));
  f.dir.Write("photos/a_bmp.lum", "100\r\n\r\n0\r\n0\r\n0\r\n-1\r\n-1\r\n0\r\n\r\n0\r\n0\r\n0\r\n");
  f.Open("photos");
  f.state.PanoramaMode = PanoramaKind::Pair;
  EXPECT_THROW(ShowPhoto(f.state, f.ui, 1, 1), EConvertError);
  EXPECT_EQ(f.state.view.ViewWidth, 80);
  EXPECT_EQ(f.state.view.ViewHeight, 60);
  EXPECT_EQ(f.state.view.PaneLeft, 0);
  EXPECT_EQ(f.ui.busy_depth, 0);
}

struct UnreadableCase {
  std::string name;
  std::string file;
  std::string bytes;
};

void PrintTo(const UnreadableCase& c, std::ostream* os) { *os << c.name; }

class ReadErrorTest : public ::testing::TestWithParam<UnreadableCase> {};

TEST_P(ReadErrorTest, ShowsTheMessageAndABlackView) {
  const UnreadableCase& c = GetParam();
  ShowFixture f;
  f.WritePhoto("photos/a.bmp", ColourOf(1));
  f.dir.Write("photos/" + c.file, c.bytes);
  f.Open("photos");
  const auto before = f.PhotoBytes();
  ShowPhoto(f.state, f.ui, 1, 1);
  ASSERT_EQ(f.state.current.Name, "a.bmp");

  ShowPhoto(f.state, f.ui, 2, 1);

  EXPECT_EQ(f.ui.LastLines(), (std::vector<std::string>{"画像ファイル " + c.file,
                                                        "は壊れているか、「Lumetta」で読み込めない形式です。"}));
  EXPECT_EQ(f.ui.Text(Ctl::SizeLbl), "読み込みエラー");
  EXPECT_EQ(f.ui.Text(Ctl::FileNameLbl), WithoutExtension(c.file));
  EXPECT_TRUE(f.state.photos[2].Unreadable);
  EXPECT_EQ(f.state.current.Name, c.file);
  EXPECT_EQ(f.state.current.Edits, PlainPhotoEdits(0));
  for (const auto& [x, y] : {std::pair{0, 0}, {40, 30}, {79, 59}}) EXPECT_EQ(f.ViewAt(x, y), kBlack);
  EXPECT_EQ(f.state.view.ViewWidth, 80);
  EXPECT_EQ(f.ui.busy_depth, 0);
  EXPECT_EQ(f.PhotoBytes(), before);
}

// Zoom and turn after a read error act on nothing: never on the pixels of
// the photo shown before, under the damaged file's name.
TEST(ShowReadError, ZoomAndTurnThenLeaveTheBlackViewAlone) {
  ShowFixture f;
  f.WritePhoto("photos/a.bmp", ColourOf(1), 400, 300);
  f.dir.Write("photos/b.jpg", "not a photo");
  f.Open("photos");
  ShowPhoto(f.state, f.ui, 1, 1);
  ZoomStepDown(f.state, f.ui, CommandSource::Key);
  ASSERT_TRUE(f.state.current.Edits.ZoomMode);
  ShowPhoto(f.state, f.ui, 2, 1);
  EXPECT_EQ(f.ui.Text(Ctl::JoutaiLbl), "【全体を表示中】");
  EXPECT_EQ(f.ui.Text(Ctl::RitsuLbl), "   %");
  const std::size_t boxes = f.ui.boxes.size();
  ZoomStepUp(f.state, f.ui, CommandSource::Key);
  TurnRight(f.state, f.ui, CommandSource::Key);
  EXPECT_EQ(f.state.current.Name, "b.jpg");
  EXPECT_EQ(f.state.current.Edits, PlainPhotoEdits(0));
  EXPECT_EQ(f.ui.boxes.size(), boxes);
  for (const auto& [x, y] : {std::pair{0, 0}, {40, 30}, {79, 59}}) EXPECT_EQ(f.ViewAt(x, y), kBlack);
  // The next readable photo is shown as usual.
  ShowPhoto(f.state, f.ui, 1, 1);
  EXPECT_FALSE(f.state.CurrentUnreadable);
  EXPECT_EQ(f.ViewAt(40, 30), ColourOf(1));
}

// A photo whose Exif block points past the end of the file is shown as
// unreadable, with what the panel had read before; the same photo with a
// sound block shows.
TEST(ShowPhoto, AnExifBlockPointingPastTheFileEndGivesTheReadError) {
  using testing_support::Ascii;
  using testing_support::ExifBlock;
  using testing_support::Rational;
  using testing_support::Segment;
  using testing_support::WithSegmentsFirst;
  const std::string jpeg = testing_support::ReadAll(std::string(LUMETTA_FIXTURES) + "/jpeg/gray.jpg");
  const ExifBlock block{true, 8, {Ascii(0x010F, "Canon")}, {Rational(0x829A, 1, 60)}};
  const std::string sound = block.Bytes();
  std::string bad = sound;
  const std::size_t value = block.ExifEntryAt(0) + 8;
  bad.replace(value, 4, std::string("\xF0\xFF\xFF\x00", 4));
  auto with_exif = [&](const std::string& tiff) {
    return WithSegmentsFirst(jpeg, Segment(0xE1, std::string("Exif\0\0", 6) + tiff));
  };

  ShowFixture f;
  f.WritePhoto("photos/a.bmp", ColourOf(1));
  f.dir.Write("photos/b.jpg", with_exif(sound));
  f.dir.Write("photos/c.jpg", with_exif(bad));
  f.Open("photos");
  const auto before = f.PhotoBytes();
  ShowPhoto(f.state, f.ui, 2, 1);
  EXPECT_FALSE(f.state.photos[2].Unreadable);
  EXPECT_EQ(f.ui.Text(Ctl::SatsueiLbl), "1/60 ");
  EXPECT_GT(f.state.exif.App1Length, 0);

  ShowPhoto(f.state, f.ui, 3, 1);
  EXPECT_TRUE(f.state.photos[3].Unreadable);
  EXPECT_EQ(f.ui.LastLines(), (std::vector<std::string>{"画像ファイル c.jpg",
                                                        "は壊れているか、「Lumetta」で読み込めない形式です。"}));
  EXPECT_EQ(f.ui.Text(Ctl::SizeLbl), "読み込みエラー");
  EXPECT_EQ(f.ui.Text(Ctl::MakerLbl), "(Canon)");
  EXPECT_EQ(f.ui.Text(Ctl::SatsueiLbl), "");
  EXPECT_EQ(f.state.exif.App1Length, 0);
  EXPECT_EQ(f.PhotoBytes(), before);
}

std::string LzwTiff() {
  TiffFile tiff;
  tiff.width = 4;
  tiff.height = 4;
  tiff.compression = 5;
  return tiff.Bytes();
}

std::string TruncatedTiff() {
  TiffFile tiff;
  tiff.width = 4;
  tiff.height = 4;
  tiff.cut = 10;
  return tiff.Bytes();
}

INSTANTIATE_TEST_SUITE_P(
    ShowPhoto, ReadErrorTest,
    ::testing::Values(UnreadableCase{"LZW-compressed TIFF", "b.tif", LzwTiff()},
                      UnreadableCase{"JPEG with a damaged header", "b.JPG", std::string("\xFF\xD8\xFF\xC0\x00\x02", 6)},
                      UnreadableCase{"empty BMP", "b.bmp", ""},
                      UnreadableCase{"TIFF whose strip lies past its end", "b.tiff", TruncatedTiff()}),
    [](const ::testing::TestParamInfo<UnreadableCase>& info) { return "case" + std::to_string(info.index); });

TEST(ShowPhoto, TheSampleLzwTiffsGiveTheReadError) {
  const std::string samples = std::string(LUMETTA_SHARED_SAMPLES) + "/tiff-lzw";
  ASSERT_TRUE(IsDirectory(samples)) << "the shared samples are missing: " << samples;
  for (const char* name : {"Arbitro.tiff", "Picoawards.tiff"}) {
    SCOPED_TRACE(name);
    ShowFixture f;
    f.dir.Write(std::string("photos/") + name, ReadAll(samples + "/" + name));
    f.Open("photos");
    ShowPhoto(f.state, f.ui, 1, 1);
    EXPECT_EQ(f.ui.LastLines().at(0), std::string("画像ファイル ") + name);
    EXPECT_EQ(f.ui.Text(Ctl::SizeLbl), "読み込みエラー");
    EXPECT_TRUE(f.state.photos[1].Unreadable);
  }
}

TEST(ShowReadError, InFullScreenBlackensThatImageWithoutAMessage) {
  ShowFixture f;
  WriteNumberedPhotos(f, 1);
  f.state.FullScreenActive = true;
  SizeImage24(f.state.FullPicture, 4, 4);
  f.state.FullPicture.Fill(9, 9, 9);
  ShowReadError(f.state, f.ui, 1, true);
  EXPECT_TRUE(f.ui.boxes.empty());
  EXPECT_EQ(PixelAt(f.state.FullPicture, 2, 2), kBlack);
  EXPECT_EQ(f.ViewAt(40, 30), (Rgb{128, 128, 128}));
  EXPECT_EQ(f.ui.Text(Ctl::SizeLbl), "読み込みエラー");
}

TEST(ShowReadError, InASlideShowOnlyBlackensTheSlide) {
  ShowFixture f;
  WriteNumberedPhotos(f, 1);
  f.state.SlideShowActive = true;
  SizeImage24(f.state.SlidePicture, 4, 4);
  f.state.SlidePicture.Fill(9, 9, 9);
  ShowReadError(f.state, f.ui, 1, true);
  EXPECT_TRUE(f.ui.boxes.empty());
  EXPECT_EQ(PixelAt(f.state.SlidePicture, 2, 2), kBlack);
  EXPECT_EQ(f.ui.Text(Ctl::SizeLbl), "");
  EXPECT_TRUE(f.state.photos[1].Unreadable);
}

TEST(ShowReadError, DoesNothingWithoutAPosition) {
  ShowFixture f;
  WriteNumberedPhotos(f, 1);
  ShowReadError(f.state, f.ui, 0, true);
  EXPECT_TRUE(f.ui.boxes.empty());
  EXPECT_FALSE(f.state.photos[1].Unreadable);
  EXPECT_TRUE(f.state.current.Name.empty());
}

// IMG_0001.JPG with its edited version IMG_0001_jpg.lum: the list holds only
// the edited version, which stands for the photo.
struct EditedPhotoFolder {
  explicit EditedPhotoFolder(ShowFixture& f, const std::string& lum) {
    photo = f.dir.Write("cam/IMG_0001.JPG", ReadAll(std::string(LUMETTA_FIXTURES) + "/jpeg/gray.jpg"));
    f.dir.Write("cam/IMG_0001_jpg.lum", lum);
  }
  std::string photo;
};

TEST(OpenPhotoByPath, ShowsTheEditedVersionWithItsEdits) {
  ShowFixture f;
  // A comment (in the file's code page), rotation 1, no zoom, brightness 12,
  // contrast 300.
  const EditedPhotoFolder folder(f,
                                 "100\r\n\x83\x52\x83\x81\x83\x93\x83\x67\r\n1\r\n0\r\n "
                                 "5.00000000000000E-0001\r\n-1\r\n-1\r\n12\r\n300\r\n0\r\n0\r\n0\r\n0\r\n0\r\n");
  const auto before = f.PhotoBytes();

  OpenPhotoByPath(f.state, f.ui, folder.photo);

  EXPECT_EQ(f.state.photos.PhotoCount, 1);
  EXPECT_EQ(f.state.current.Name, "IMG_0001_jpg.lum");
  EXPECT_EQ(f.state.current.Edits.Rotation, 1);
  EXPECT_EQ(f.state.current.Edits.Comment, "コメント");
  EXPECT_EQ(f.state.current.Edits.Brightness, 12);
  EXPECT_EQ(f.state.current.Edits.Contrast, 300);
  EXPECT_FALSE(f.state.current.Edits.ZoomMode);
  EXPECT_EQ(f.state.DecodedPhoto.Width(), 40);
  EXPECT_EQ(f.ui.Text(Ctl::SizeLbl), "27x40");
  EXPECT_EQ(f.ui.Text(Ctl::FileNameLbl), "IMG_0001");
  EXPECT_EQ(f.ui.Text(Ctl::ExtNameLbl), "jpg.lum");
  EXPECT_TRUE(f.ui.boxes.empty());
  EXPECT_EQ(f.PhotoBytes(), before);
}

TEST(OpenPhotoByPath, RestoresTheZoomTheEditedVersionKeeps) {
  ShowFixture f;
  // Saved at twice the view's width: in this 80-pixel view the 40-pixel
  // photo is shown at 400 %.
  const EditedPhotoFolder folder(
      f, "100\r\n\r\n0\r\n1\r\n 2.00000000000000E+0000\r\n20\r\n13\r\n0\r\n256\r\n0\r\n0\r\n0\r\n0\r\n0\r\n");
  OpenPhotoByPath(f.state, f.ui, folder.photo);
  EXPECT_TRUE(f.state.current.Edits.ZoomMode);
  EXPECT_EQ(f.state.view.ZoomPercent, 400);
  EXPECT_EQ(f.ui.Text(Ctl::RitsuLbl), "400%");
  EXPECT_EQ(f.ui.Text(Ctl::JoutaiLbl), "【ズームモード】");
}

}  // namespace
}  // namespace lumetta
