#include "core/export/export_command.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "core/base/binary_file.h"
#include "core/export/export_exif.h"
#include "core/imaging/jpeg_decoder.h"
#include "core/imaging/jpeg_encoder.h"
#include "core/records/exif_info.h"
#include "core/view/view_render.h"
#include "support/exif_bytes.h"
#include "support/file_size_limit.h"
#include "support/show_fixture.h"

namespace lumetta {
namespace {

using testing_support::Ascii;
using testing_support::ExifBlock;
using testing_support::FileSizeLimit;
using testing_support::FakeUi;
using testing_support::JpegWithExif;
using testing_support::Long;
using testing_support::MakeImage;
using testing_support::PixelAt;
using testing_support::ReadAll;
using testing_support::SamePixels;
using testing_support::ShowFixture;
using testing_support::SolidImage;

constexpr int kYes = 1;
constexpr int kNo = 2;

class FakeExportWindows : public ExportWindows {
 public:
  // The dialog's answer: the choices it ends with, or nothing for "キャンセル".
  std::optional<ExportChoices> form_answer = ExportChoices{};
  std::vector<std::pair<ExportChoices, bool>> forms;
  std::optional<std::string> file;
  std::vector<ExportFileRequest> requests;
  std::vector<ShownOverlay> overlays;
  int comment_calls = 0;
  int edited_saves = 0;

  bool RunExportForm(ExportChoices& choices, bool whole_enabled) override {
    forms.emplace_back(choices, whole_enabled);
    if (!form_answer) return false;
    choices = *form_answer;
    return true;
  }
  std::optional<std::string> ChooseExportFile(const ExportFileRequest& request) override {
    requests.push_back(request);
    return file;
  }
  std::vector<ShownOverlay> ShownComments() override {
    ++comment_calls;
    return overlays;
  }
  void StartEditedPhotoSave() override { ++edited_saves; }
};

// A smooth photo, so that the JPEG's error stays small.
TDibImage Gradient(std::int32_t w, std::int32_t h) {
  return MakeImage(w, h, [](std::int32_t x, std::int32_t y) { return Rgb{40 + 3 * x, 60 + 2 * y, 120}; });
}

std::string CameraExif(const std::string& date) {
  ExifBlock block{true,
                  8,
                  {Ascii(0x0110, "DC290 Zoom"), testing_support::Short(0x0112, 6)},
                  {Ascii(0x9003, date), Long(0xA002, 1600), Long(0xA003, 1200)}};
  return block.Bytes();
}

// The part of an image at (left, top), w x h.
TDibImage Part(const TDibImage& image, std::int32_t left, std::int32_t top, std::int32_t w, std::int32_t h) {
  return MakeImage(w, h, [&](std::int32_t x, std::int32_t y) { return PixelAt(image, left + x, top + y); });
}

std::int32_t MaxDifference(const TDibImage& a, const TDibImage& b) {
  std::int32_t most = 0;
  for (std::int32_t y = 0; y < a.Height(); ++y) {
    for (std::int32_t x = 0; x < a.Width(); ++x) {
      const Rgb p = PixelAt(a, x, y);
      const Rgb q = PixelAt(b, x, y);
      most = std::max({most, std::abs(p.r - q.r), std::abs(p.g - q.g), std::abs(p.b - q.b)});
    }
  }
  return most;
}

TDibImage Decoded(const std::string& jpeg) {
  TDibImage image;
  image.TakeStore(DecodeJpegMemory(reinterpret_cast<const std::uint8_t*>(jpeg.data()), jpeg.size()));
  return image;
}

struct ExportFixture : ShowFixture {
  ExportFixture() {
    state.folders.AppFolder = dir.MakeDir("app");
    state.folders.DesktopFolder = dir.MakeDir("desk");
    out = dir.MakeDir("out");
    // A 40 x 30 camera photo: shown at its size in the middle of the
    // 80 x 60 view, with bars of 20 and 15 pixels.
    const std::string stream = EncodeJpeg(Gradient(40, 30), 95);
    photo = dir.Write("photos/IMG_0001.JPG", JpegWithExif(CameraExif("2008:05:30 15:56:01"), stream.substr(2)));
    other = dir.Write("photos/IMG_0002.JPG", JpegWithExif(CameraExif("2010:01:02 03:04:05"), stream.substr(2)));
    Open("photos");
    ShowPhoto(state, ui, 1, 1);
  }

  void Export() { ExportDisplayedPhoto(state, ui, windows, session); }

  std::vector<std::string> OutFiles() const {
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(out)) names.push_back(e.path().filename().string());
    return names;
  }

  std::string out;
  std::string photo;
  std::string other;
  FakeExportWindows windows;
  ExportSession session;
};

TEST(ExportCommand, JpegIsTheStartMarkerThePhotosExifThenTheEncodersStream) {
  ExportFixture f;
  ASSERT_EQ(f.state.current.Name, "IMG_0001.JPG");
  ASSERT_EQ(f.state.view.PhotoLeft, 20);
  f.windows.file = f.out + "/IMG_0001_s.jpg";
  f.ui.answers = {kYes};  // cut the black bars
  f.Export();

  ASSERT_EQ(f.windows.requests.size(), 1u);
  const ExportFileRequest& request = f.windows.requests[0];
  EXPECT_EQ(request.Name, "IMG_0001_s.jpg");
  EXPECT_EQ(request.Folder, f.state.folders.DesktopFolder);
  EXPECT_EQ(request.DefaultSuffix, "jpg");
  EXPECT_EQ(request.Title, "表示中のサイズ・状態で写真を保存（ファイル名の「.jpg」は省略できます）");
  EXPECT_EQ(f.session.LastFolder, f.out);
  ASSERT_EQ(f.ui.boxes.size(), 1u);
  EXPECT_EQ(f.ui.boxes[0].lines[2], "この部分をカットして保存しますか？");

  const std::string bytes = ReadAll(*f.windows.file);
  const std::string header = ExportJpegHeader(f.state.exif, 40, 30);
  const std::string source = ReadAll(f.photo);
  const std::size_t app1 = static_cast<std::size_t>(f.state.exif.App1Length) + 4;
  ASSERT_EQ(header.size(), app1);
  EXPECT_EQ(bytes.substr(0, 4), "\xFF\xD8\xFF\xE1");
  EXPECT_EQ(bytes.substr(0, app1), header);
  const TDibImage shown = Part(f.state.ViewPicture, 20, 15, 40, 30);
  const std::string stream = EncodeJpeg(shown, 90);
  EXPECT_EQ(bytes.substr(app1), stream.substr(2));
  EXPECT_EQ(bytes.substr(app1, 4), std::string("\xFF\xE0\x00\x10", 4));
  // The shooting data read back by the panel's reader; the entries patched.
  const ExifReading back = ReadExifInfo(*f.windows.file);
  EXPECT_EQ(back.Info.ModelText, f.state.exif.ModelText);
  EXPECT_EQ(back.Info.ShotDate, "08/05/30");
  EXPECT_EQ(GetU16(reinterpret_cast<const std::uint8_t*>(bytes.data()) + back.Info.OrientationEntryPos + 6,
                   ByteOrder::LittleEndian),
            1);
  EXPECT_EQ(GetU32(reinterpret_cast<const std::uint8_t*>(bytes.data()) + back.Info.WidthEntryPos + 6,
                   ByteOrder::LittleEndian),
            40u);
  EXPECT_EQ(GetU32(reinterpret_cast<const std::uint8_t*>(bytes.data()) + back.Info.HeightEntryPos + 6,
                   ByteOrder::LittleEndian),
            30u);
  // The decoded export is what the view shows, within the codec's error.
  const TDibImage decoded = Decoded(bytes);
  ASSERT_EQ(decoded.Width(), 40);
  ASSERT_EQ(decoded.Height(), 30);
  EXPECT_LE(MaxDifference(decoded, shown), 8);
  EXPECT_TRUE(ReadAll(f.photo) == source);
}

TEST(ExportCommand, BmpIsTheViewExactlyWithTheBarsWhenTheyAreKept) {
  ExportFixture f;
  f.windows.form_answer->Format = ExportFormatKind::Bmp;
  f.windows.file = f.out + "/a.bmp";
  f.ui.answers = {kNo};
  f.Export();
  EXPECT_EQ(f.windows.requests.at(0).Name, "IMG_0001_s.bmp");
  EXPECT_EQ(f.windows.requests.at(0).DefaultSuffix, "bmp");
  const std::string bytes = ReadAll(*f.windows.file);
  ASSERT_GE(bytes.size(), 54u);
  EXPECT_EQ(bytes.substr(0, 2), "BM");
  TDibImage written;
  written.LoadFromFile(*f.windows.file);
  EXPECT_EQ(written.BitCount(), 24);
  EXPECT_EQ(written.Header().biCompression, BI_RGB);
  EXPECT_FALSE(written.TopDown());
  EXPECT_TRUE(SamePixels(written, Part(f.state.ViewPicture, 0, 0, 80, 60)));
}

TEST(ExportCommand, WithoutExifTheFileStartsWithTheEncodersJfifSegment) {
  ExportFixture f;
  f.windows.form_answer->Exif = false;
  f.windows.file = f.out + "/a.jpg";
  f.ui.answers = {kYes};
  f.Export();
  EXPECT_EQ(ReadAll(*f.windows.file).substr(0, 4), "\xFF\xD8\xFF\xE0");
}

TEST(ExportCommand, TheExifOfAnotherPhotoIsNeverCarriedOver) {
  ExportFixture f;
  const ExifInfo first = f.state.exif;
  ShowPhoto(f.state, f.ui, 2, 1);
  ASSERT_EQ(f.state.current.Name, "IMG_0002.JPG");
  f.state.exif = first;  // as if the second photo's Exif had not been read
  f.windows.file = f.out + "/a.jpg";
  f.ui.answers = {kYes};
  f.Export();
  EXPECT_EQ(ReadAll(*f.windows.file).substr(0, 4), "\xFF\xD8\xFF\xE0");
}

TEST(ExportCommand, RefusesToWriteOntoTheShownPhoto) {
  for (const std::string name : {"IMG_0001.JPG", "img_0001.jpg"}) {
    ExportFixture f;
    const std::string before = ReadAll(f.photo);
    f.windows.file = f.dir / ("photos/" + name);
    f.ui.answers = {kYes};
    f.Export();
    EXPECT_EQ(f.ui.boxes.back().lines, ExportOntoPhotoLines()) << name;
    EXPECT_TRUE(ReadAll(f.photo) == before) << name;
    EXPECT_FALSE(std::filesystem::exists(f.dir / "photos/img_0001.jpg")) << name;
  }
}

TEST(ExportCommand, AFailedWriteLeavesTheOldTargetAndNoPartialFile) {
  ExportFixture f;
  f.windows.form_answer->Format = ExportFormatKind::Bmp;
  f.windows.file = f.dir.Write("out/old.bmp", "the old target");
  f.ui.answers = {kNo};
  {
    const FileSizeLimit limit(4000);  // the BMP needs 14,454 bytes
    f.Export();
  }
  EXPECT_EQ(f.ui.boxes.back().lines, ExportFailedLines());
  EXPECT_EQ(ReadAll(*f.windows.file), "the old target");
  EXPECT_EQ(f.OutFiles(), std::vector<std::string>{"old.bmp"});
}

TEST(ExportCommand, TheDialogsChoicesAreSavedOnlyThroughDecide) {
  ExportFixture f;
  f.windows.form_answer.reset();
  f.state.settings.JpegQuality = 4;
  f.Export();
  EXPECT_EQ(f.state.settings.JpegQuality, 4);
  EXPECT_TRUE(f.windows.requests.empty());
  EXPECT_EQ(f.windows.forms.at(0).first.Quality, 4);
  EXPECT_TRUE(f.windows.forms.at(0).second);

  // Decided, then the file dialog cancelled: the choices stay saved.
  ExportChoices chosen;
  chosen.Quality = 10;
  chosen.UpperCase = true;
  f.windows.form_answer = chosen;
  f.ui.answers = {kYes};
  f.Export();
  EXPECT_EQ(f.state.settings.JpegQuality, 10);
  EXPECT_EQ(LoadSettings(f.state.folders.SettingsFile()).JpegQuality, 10);
  EXPECT_EQ(f.windows.requests.at(0).Name, "IMG_0001_S.JPG");
  EXPECT_EQ(f.windows.requests.at(0).DefaultSuffix, "JPG");
  EXPECT_TRUE(f.OutFiles().empty());
}

TEST(ExportCommand, TheEditedPhotoFormatHandsOverAndIsNeverPreselected) {
  ExportFixture f;
  f.windows.form_answer->Format = ExportFormatKind::EditedPhoto;
  f.Export();
  EXPECT_EQ(f.windows.edited_saves, 1);
  EXPECT_EQ(f.state.settings.ExportFormat, 3);
  EXPECT_TRUE(f.windows.requests.empty());
  f.windows.form_answer.reset();
  f.Export();
  EXPECT_EQ(f.windows.forms.at(1).first.Format, ExportFormatKind::Jpeg);
  EXPECT_EQ(f.state.settings.ExportFormat, 1);
}

TEST(ExportCommand, HighSpeedModeIsSwitchedForTheExportAndBack) {
  ExportFixture f;
  f.state.settings.QualityMode = QualityModeKind::HighSpeed;
  RenderView(f.state, f.ui, false);
  f.windows.form_answer->Format = ExportFormatKind::Bmp;
  f.windows.file = f.out + "/a.bmp";
  f.ui.answers = {kYes, kNo};
  f.Export();
  ASSERT_GE(f.ui.boxes.size(), 2u);
  EXPECT_EQ(f.ui.boxes[0].lines[0], "現在、写真が「高速モード」で表示されています。");
  EXPECT_EQ(f.state.settings.QualityMode, QualityModeKind::HighSpeed);
  EXPECT_EQ(f.state.settings.HistogramAuto, 0);
  TDibImage written;
  written.LoadFromFile(*f.windows.file);
  f.state.settings.QualityMode = QualityModeKind::HighQuality;
  RenderView(f.state, f.ui, false);
  EXPECT_TRUE(SamePixels(written, Part(f.state.ViewPicture, 0, 0, 80, 60)));
}

TEST(ExportCommand, TheWholeZoomedPhotoAsksNothingAndLeavesTheViewAsItWas) {
  ExportFixture f;
  SetZoomValue(f.state, 400);
  RenderZoom(f.state, f.ui, false);
  ASSERT_EQ(f.state.view.ZoomWidth, 160);
  const TDibImage zoom_image = Part(f.state.view.ZoomImage, 0, 0, 160, 120);
  const TDibImage view = Part(f.state.ViewPicture, 0, 0, 80, 60);
  f.windows.form_answer->Format = ExportFormatKind::Bmp;
  f.windows.form_answer->Whole = true;
  f.windows.file = f.out + "/a.bmp";
  f.Export();
  EXPECT_TRUE(f.ui.boxes.empty());
  EXPECT_EQ(f.windows.requests.at(0).Title,
            "表示中の状態（表示倍率）で写真全体を保存（ファイル名の「.bmp」は省略できます）");
  TDibImage written;
  written.LoadFromFile(*f.windows.file);
  EXPECT_TRUE(SamePixels(written, zoom_image));
  EXPECT_TRUE(SamePixels(Part(f.state.ViewPicture, 0, 0, 80, 60), view));
  EXPECT_EQ(f.windows.comment_calls, 0);
}

TEST(ExportCommand, ShownCommentsAreCopiedOnAndFollowACutBar) {
  ExportFixture f;
  f.state.current.Edits.Comment = "夕焼け";
  f.state.settings.CommentVisible = 1;
  f.windows.overlays.push_back(ShownOverlay{SolidImage(10, 4, Rgb{255, 0, 0}), 30, 55});
  f.windows.form_answer->Format = ExportFormatKind::Bmp;
  f.windows.file = f.out + "/a.bmp";
  f.ui.answers = {kNo};
  f.Export();
  TDibImage written;
  written.LoadFromFile(*f.windows.file);
  EXPECT_EQ(PixelAt(written, 30, 55), (Rgb{255, 0, 0}));
  EXPECT_EQ(PixelAt(written, 39, 58), (Rgb{255, 0, 0}));
  EXPECT_EQ(PixelAt(written, 29, 55), PixelAt(f.state.ViewPicture, 29, 55));

  // With the bars cut the overlay moves with the photo and stays inside it.
  f.ui.answers = {kYes};
  f.Export();
  written.LoadFromFile(*f.windows.file);
  ASSERT_EQ(written.Height(), 30);
  EXPECT_EQ(PixelAt(written, 10, 26), (Rgb{255, 0, 0}));
  EXPECT_EQ(PixelAt(written, 10, 25), PixelAt(f.state.ViewPicture, 30, 40));

  // Not asked for: no overlay.
  f.windows.form_answer->Comment = false;
  f.ui.answers = {kNo};
  const int calls = f.windows.comment_calls;
  f.Export();
  EXPECT_EQ(f.windows.comment_calls, calls);
}

TEST(ExportCommand, TheMenuExplainsItselfWithoutAPhoto) {
  testing_support::FakeUi ui;
  AppState state;
  FakeExportWindows windows;
  ExportSession session;
  ExportMenuClick(state, ui, windows, session);
  ASSERT_EQ(ui.boxes.size(), 1u);
  EXPECT_EQ(ui.boxes[0].lines, ExportExplanationLines());
  EXPECT_TRUE(windows.forms.empty());
}

}  // namespace
}  // namespace lumetta
