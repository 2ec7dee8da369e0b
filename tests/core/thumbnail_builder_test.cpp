#include "core/library/thumbnail_builder.h"

#include <gtest/gtest.h>

#include <ostream>

#include "core/base/paths.h"
#include "core/imaging/sharpen.h"
#include "core/imaging/thumbnail_fill.h"
#include "support/temp_dir.h"
#include "support/thumb_photos.h"
#include "support/tiff_bytes.h"

namespace lumetta {
namespace {

using testing_support::At;
using testing_support::Bgr;
using testing_support::BmpBytes;
using testing_support::LumFile;
using testing_support::MakePicture;
using testing_support::ReadAll;
using testing_support::TempDir;
using testing_support::TiffFile;
using testing_support::Uniform;

constexpr Bgr kBlack{0, 0, 0};
constexpr Bgr kWhite{255, 255, 255};
const std::string kFixtures = LUMETTA_FIXTURES;

struct ScaleCase {
  int width, height;  // the photo's size
  double target_width, target_height;
  int denom;
};

void PrintTo(const ScaleCase& c, std::ostream* out) {
  *out << c.width << " x " << c.height << " for " << c.target_width << " x " << c.target_height;
}

class JpegThumbScale : public ::testing::TestWithParam<ScaleCase> {};

TEST_P(JpegThumbScale, DecodesAtAQuarterAHalfOrFullSize) {
  const ScaleCase& c = GetParam();
  // libjpeg's size at a quarter rounds up.
  const JpegSize quarter{(c.width + 3) / 4, (c.height + 3) / 4};
  EXPECT_EQ(ThumbJpegScaleDenom(quarter, c.target_width, c.target_height), c.denom);
}

INSTANTIATE_TEST_SUITE_P(Sizes, JpegThumbScale,
                         ::testing::Values(ScaleCase{3000, 2000, 320, 240, 4}, ScaleCase{2000, 1500, 320, 240, 2},
                                           ScaleCase{1024, 768, 320, 240, 1}, ScaleCase{2560, 1920, 320, 240, 4},
                                           ScaleCase{2556, 1920, 320, 240, 2}, ScaleCase{1280, 960, 320, 240, 2},
                                           ScaleCase{1276, 960, 320, 240, 1},
                                           // Portrait photos meet the same landscape targets.
                                           ScaleCase{2000, 3000, 320, 240, 2},
                                           // A crop at zoom 2 needs 640 x 480.
                                           ScaleCase{3000, 2000, 640, 480, 2}));

struct Built {
  TempDir dir;
  ThumbnailResult Build(const std::string& name, std::int8_t rotation = 0, bool cache = true) {
    ThumbnailRequest request;
    request.PhotoPath = dir / name;
    request.Rotation = rotation;
    request.GlobalSharpness = 12;
    if (cache) request.CachePath = dir / "cache/thumb.bmp";
    return Build(request);
  }
  ThumbnailResult Build(const ThumbnailRequest& request) { return BuildThumbnail(request); }
  void Photo(const std::string& name, const TDibImage& picture) { dir.Write(name, BmpBytes(picture)); }
  bool Cached() const { return IsRegularFile(dir / "cache/thumb.bmp"); }
};

TEST(BuildThumbnail, SharpensTheDarkSideOfAnEdgeAtLevelTwelve) {
  Built b;
  b.Photo("edge.bmp", MakePicture(160, 120, [](int x, int) { return x < 80 ? Bgr{40, 40, 40} : Bgr{100, 100, 100}; }));
  const ThumbnailResult r = b.Build("edge.bmp");
  ASSERT_TRUE(r.Made);
  EXPECT_FALSE(r.Unreadable);
  EXPECT_EQ(r.Thumb.Width(), 80);
  EXPECT_EQ(r.Thumb.Height(), 60);
  EXPECT_EQ(r.Thumb.BitCount(), 24);
  // Column 39 has the brighter column 40 beside it: 60 / 3 + 4 darker.
  for (int y = 0; y < 60; ++y) {
    ASSERT_EQ(At(r.Thumb, 38, y), (Bgr{40, 40, 40}));
    ASSERT_EQ(At(r.Thumb, 39, y), (Bgr{16, 16, 16}));
    ASSERT_EQ(At(r.Thumb, 40, y), (Bgr{100, 100, 100}));
  }
}

TEST(BuildThumbnail, WritesTheCacheFileItReturns) {
  Built b;
  b.Photo("p.bmp", MakePicture(100, 75, [](int x, int y) { return Bgr{x, y, 3}; }));
  const ThumbnailResult r = b.Build("p.bmp");
  ASSERT_TRUE(r.Cached);
  EXPECT_EQ(ReadAll(b.dir / "cache/thumb.bmp"), BmpBytes(r.Thumb));
}

struct CacheCase {
  const char* name;
  int width, height;
  bool edited;
  bool cached;
};

void PrintTo(const CacheCase& c, std::ostream* out) { *out << c.name; }

class ThumbnailCaching : public ::testing::TestWithParam<CacheCase> {};

TEST_P(ThumbnailCaching, CachesAllButSmallPlainPhotos) {
  const CacheCase& c = GetParam();
  Built b;
  b.Photo("p.bmp", Uniform(c.width, c.height, {10, 20, 30}));
  if (c.edited) LumFile{}.Write(b.dir / "p_bmp.lum");
  const ThumbnailResult r = b.Build(c.edited ? "p_bmp.lum" : "p.bmp");
  EXPECT_TRUE(r.Made);
  EXPECT_EQ(r.Cached, c.cached);
  EXPECT_EQ(b.Cached(), c.cached);
}

INSTANTIATE_TEST_SUITE_P(Sizes, ThumbnailCaching,
                         ::testing::Values(CacheCase{"60 x 45 photo", 60, 45, false, false},
                                           CacheCase{"100 x 40 photo", 100, 40, false, true},
                                           CacheCase{"40 x 60 photo", 40, 60, false, true},
                                           CacheCase{"79 x 59 photo", 79, 59, false, false},
                                           CacheCase{"60 x 45 edited photo", 60, 45, true, true}));

TEST(BuildThumbnail, NothingIsWrittenWithoutACachePath) {
  Built b;
  b.Photo("p.bmp", Uniform(160, 120, kWhite));
  const ThumbnailResult r = b.Build("p.bmp", 0, false);
  EXPECT_TRUE(r.Made);
  EXPECT_FALSE(r.Cached);
}

TEST(BuildThumbnail, ATurnedPhotoGetsSideMargins) {
  Built b;
  b.Photo("p.bmp", Uniform(160, 120, kWhite));
  const ThumbnailResult r = b.Build("p.bmp", 1);
  EXPECT_EQ(At(r.Thumb, 16, 30), kBlack);
  EXPECT_EQ(At(r.Thumb, 40, 30), kWhite);
  EXPECT_EQ(At(r.Thumb, 63, 30), kBlack);
}

TEST(BuildThumbnail, AnEditedPhotoBrightenedByFortyKeepsWhiteWhiteAndBlackBlack) {
  Built b;
  b.Photo("p.bmp", MakePicture(160, 120, [](int x, int) { return x < 80 ? kBlack : kWhite; }));
  LumFile lum;
  lum.brightness = 40;
  lum.Write(b.dir / "p_bmp.lum");
  const ThumbnailResult r = b.Build("p_bmp.lum");
  ASSERT_TRUE(r.Made);
  for (int y = 0; y < 60; ++y) {
    for (int x = 0; x < 80; ++x) ASSERT_EQ(At(r.Thumb, x, y), x < 40 ? kBlack : kWhite) << x << "," << y;
  }
}

TEST(BuildThumbnail, AnEditedPhotoShowsItsTurnBrightnessAndZoom) {
  Built b;
  b.Photo("p.bmp", MakePicture(160, 120, [](int x, int y) { return Bgr{x, y, 100}; }));
  LumFile lum;
  lum.rotation = 2;
  lum.zoom = true;
  lum.ratio = " 2.00000000000000E+0000";
  lum.brightness = 10;
  lum.sharpness = -1;  // never sharpened
  lum.Write(b.dir / "p_bmp.lum");
  const ThumbnailResult r = b.Build("p_bmp.lum");
  ASSERT_TRUE(r.Made);
  // Turned half way, the middle 80 x 60 at full size, each channel + 10.
  EXPECT_EQ(At(r.Thumb, 0, 0), (Bgr{119 + 10, 89 + 10, 110}));
  EXPECT_EQ(At(r.Thumb, 79, 59), (Bgr{40 + 10, 30 + 10, 110}));
}

// The builder uses lines 3 to 10; an effect or comment-position line it
// does not use cannot make the thumbnail black.
TEST(BuildThumbnail, AnEditedPhotoNeedsNoEffectOrCommentPositionLine) {
  for (std::size_t keep : {10u, 11u}) {
    Built b;
    b.Photo("p.bmp", MakePicture(160, 120, [](int x, int) { return x < 80 ? kBlack : kWhite; }));
    LumFile lum;
    lum.brightness = 40;
    std::vector<std::string> lines = lum.Lines();
    lines.resize(keep);
    if (keep == 11) lines[10] = "chrome";
    WriteDataFileLines(b.dir / "p_bmp.lum", lines);
    const ThumbnailResult r = b.Build("p_bmp.lum");
    ASSERT_TRUE(r.Made) << keep << " lines";
    EXPECT_EQ(At(r.Thumb, 60, 30), kWhite);
  }
}

TEST(BuildThumbnail, AnEditedPhotoSharpensAtLeastAtLevelEight) {
  // Level 4 would take 2 x 60 + 4; the thumbnail takes level 8: 60 + 4.
  Built b;
  b.Photo("edge.bmp", MakePicture(160, 120, [](int x, int) { return x < 80 ? Bgr{70, 70, 70} : Bgr{130, 130, 130}; }));
  LumFile lum;
  lum.sharpness = 4;
  lum.Write(b.dir / "edge_bmp.lum");
  const ThumbnailResult r = b.Build("edge_bmp.lum");
  EXPECT_EQ(At(r.Thumb, 39, 10), (Bgr{6, 6, 6}));
}

TEST(BuildThumbnail, AnEditedPhotoWithoutItsOwnLevelTakesTheGlobalSharpness) {
  Built b;
  b.Photo("edge.bmp", MakePicture(160, 120, [](int x, int) { return x < 80 ? Bgr{70, 70, 70} : Bgr{130, 130, 130}; }));
  LumFile{}.Write(b.dir / "edge_bmp.lum");
  ThumbnailRequest request;
  request.PhotoPath = b.dir / "edge_bmp.lum";
  request.GlobalSharpness = 16;  // 60 / 6 + 4
  EXPECT_EQ(At(b.Build(request).Thumb, 39, 10), (Bgr{56, 56, 56}));
  request.GlobalSharpness = 0;
  EXPECT_EQ(At(b.Build(request).Thumb, 39, 10), (Bgr{70, 70, 70}));
}

TEST(BuildThumbnail, ReadsUncompressedTiffPhotosThroughTheSampler) {
  Built b;
  TiffFile tiff;
  tiff.width = 320;
  tiff.height = 240;
  tiff.rgb = [](std::uint32_t, std::uint32_t) { return 0x204060u; };
  b.dir.Write("p.tif", tiff.Bytes());
  const ThumbnailResult r = b.Build("p.tif");
  ASSERT_TRUE(r.Made);
  EXPECT_EQ(At(r.Thumb, 40, 30), (Bgr{0x60, 0x40, 0x20}));
}

struct UnreadableCase {
  const char* name;
  const char* file;
  std::string bytes;
};

void PrintTo(const UnreadableCase& c, std::ostream* out) { *out << c.name; }

class UnreadablePhoto : public ::testing::TestWithParam<UnreadableCase> {};

TEST_P(UnreadablePhoto, GivesTheBlackPlaceholder) {
  const UnreadableCase& c = GetParam();
  Built b;
  if (!c.bytes.empty()) b.dir.Write(c.file, c.bytes);
  const ThumbnailResult r = b.Build(c.file);
  EXPECT_FALSE(r.Made);
  EXPECT_TRUE(r.Unreadable);
  EXPECT_FALSE(b.Cached());
  ASSERT_EQ(r.Thumb.Width(), 80);
  ASSERT_EQ(r.Thumb.Height(), 60);
  EXPECT_EQ(At(r.Thumb, 40, 30), kBlack);
}

INSTANTIATE_TEST_SUITE_P(
    Files, UnreadablePhoto,
    ::testing::Values(UnreadableCase{"missing photo", "gone.jpg", ""},
                      UnreadableCase{"not a JPEG", "text.jpg", "hello, not a picture"},
                      UnreadableCase{"JPEG without data", "cut.jpg", std::string("\xFF\xD8\xFF\xE0", 4)},
                      UnreadableCase{"damaged BMP", "bad.bmp", "BM and then nothing useful"},
                      UnreadableCase{"compressed TIFF", "lzw.tif",
                                     [] {
                                       TiffFile f;
                                       f.width = 20;
                                       f.height = 10;
                                       f.compression = 5;
                                       return f.Bytes();
                                     }()},
                      UnreadableCase{"TIFF cut short", "cut.tif",
                                     [] {
                                       TiffFile f;
                                       f.width = 200;
                                       f.height = 100;
                                       f.cut = 30;
                                       return f.Bytes();
                                     }()},
                      UnreadableCase{"unknown format", "p.png", "\x89PNG"},
                      UnreadableCase{"edited photo without its source", "p_jpg.lum",
                                     "100\r\n\r\n0\r\n0\r\n1\r\n-1\r\n-1\r\n0\r\n256\r\n0\r\n0\r\n0\r\n0\r\n0\r\n"},
                      UnreadableCase{"edited photo with a broken line", "q_bmp.lum", "100\r\n\r\n0\r\n0\r\n1\r\nx\r\n"}));

TEST(BuildThumbnail, ABmpNamedJpgIsStillRead) {
  // The JPEG attempt fails and marks the photo; the last attempt reads it.
  Built b;
  b.Photo("p.jpg", Uniform(160, 120, {1, 2, 3}));
  const ThumbnailResult r = b.Build("p.jpg");
  EXPECT_TRUE(r.Made);
  EXPECT_TRUE(r.Unreadable);
  EXPECT_EQ(At(r.Thumb, 5, 5), (Bgr{1, 2, 3}));
}

TEST(BuildThumbnail, AJpegIsThePlainFitOfItsFastDecode) {
  const std::string photo = kFixtures + "/camera/Canon_40D.jpg";
  ThumbnailRequest request;
  request.PhotoPath = photo;
  const ThumbnailResult r = BuildThumbnail(request);
  ASSERT_TRUE(r.Made);
  // 100 x 68 is below the targets even at a quarter: decoded at full size.
  TDibImage decoded;
  decoded.TakeStore(DecodeJpegFile(photo, JpegDecodeOptions{1, true, false}));
  TDibImage expected = BlackThumbnail();
  FillPlainFit(ThumbSource(decoded), 0, {}, expected);
  SharpenRegion(expected, 0, 0, 80, 60, 12);
  EXPECT_EQ(BmpBytes(r.Thumb), BmpBytes(expected));
}

}  // namespace
}  // namespace lumetta
