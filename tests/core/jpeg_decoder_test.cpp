#include "core/imaging/jpeg_decoder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "support/temp_dir.h"

namespace lumetta {
namespace {

using testing_support::ReadAll;
using testing_support::TempDir;

const std::string kFixtures = LUMETTA_FIXTURES;

bool HaveDjpeg() {
  static const bool have = std::system("djpeg -version >/dev/null 2>&1") == 0;
  return have;
}

struct Rgb {
  std::int32_t width = 0;
  std::int32_t height = 0;
  std::string pixels;  // red, green, blue, row after row
};

// djpeg's picture of a file, as a reference: same library, same settings.
Rgb Djpeg(const std::string& path, const std::string& options, const TempDir& dir) {
  const std::string out = dir / "reference.ppm";
  // djpeg's exit status tells of warnings too (a damaged file): the picture
  // it wrote is what counts.
  const std::string command = "djpeg " + options + " -rgb -ppm -outfile '" + out + "' '" + path + "' 2>/dev/null";
  std::system(command.c_str());
  const std::string ppm = ReadAll(out);
  std::istringstream in(ppm);
  std::string magic;
  int maxval = 0;
  Rgb rgb;
  in >> magic >> rgb.width >> rgb.height >> maxval;
  in.get();
  if (magic != "P6" || maxval != 255) return {};
  rgb.pixels = ppm.substr(static_cast<std::size_t>(in.tellg()));
  return rgb;
}

Rgb PixelsOf(const TDibData& store) {
  Rgb rgb{store.width, store.height, {}};
  for (std::int32_t y = 0; y < store.height; ++y) {
    const std::uint8_t* p = store.bits.get() + static_cast<std::size_t>(y) * static_cast<std::size_t>(store.Stride());
    for (std::int32_t x = 0; x < store.width; ++x, p += 3) {
      rgb.pixels += static_cast<char>(p[2]);
      rgb.pixels += static_cast<char>(p[1]);
      rgb.pixels += static_cast<char>(p[0]);
    }
  }
  return rgb;
}

void ExpectSamePicture(const TDibData& store, const Rgb& reference, const std::string& what) {
  ASSERT_GT(reference.width, 0) << "djpeg could not decode " << what;
  EXPECT_EQ(store.header.biBitCount, 24) << what;
  const Rgb ours = PixelsOf(store);
  EXPECT_EQ(ours.width, reference.width) << what;
  EXPECT_EQ(ours.height, reference.height) << what;
  EXPECT_TRUE(ours.pixels == reference.pixels) << what << ": pixels differ from djpeg's";
}

struct FileCase {
  std::string path;
};

void PrintTo(const FileCase& c, std::ostream* os) { *os << std::filesystem::path(c.path).filename().string(); }

class JpegLikeDjpegTest : public testing::TestWithParam<FileCase> {};

TEST_P(JpegLikeDjpegTest, FullSizePixelsEqualDjpegWithTheAccurateDct) {
  ASSERT_TRUE(HaveDjpeg()) << "djpeg is missing: scripts/setup installs it";
  TempDir dir;
  ExpectSamePicture(*DecodeJpegFile(GetParam().path), Djpeg(GetParam().path, "-dct int", dir), GetParam().path);
}

TEST_P(JpegLikeDjpegTest, ReducedPixelsEqualDjpegWithTheFastDct) {
  ASSERT_TRUE(HaveDjpeg()) << "djpeg is missing: scripts/setup installs it";
  TempDir dir;
  for (int denom : {2, 4, 8}) {
    JpegDecodeOptions options;
    options.ScaleDenom = denom;
    options.FastIdct = true;
    const std::string djpeg_options = "-dct fast -scale 1/" + std::to_string(denom);
    ExpectSamePicture(*DecodeJpegFile(GetParam().path, options), Djpeg(GetParam().path, djpeg_options, dir),
                      GetParam().path + " at 1/" + std::to_string(denom));
  }
}

INSTANTIATE_TEST_SUITE_P(Fixtures, JpegLikeDjpegTest,
                         testing::Values(FileCase{kFixtures + "/camera/Canon_40D.jpg"},
                                         FileCase{kFixtures + "/camera/Nikon_D70.jpg"},
                                         FileCase{kFixtures + "/camera/Fujifilm_FinePix_E500.jpg"},
                                         FileCase{kFixtures + "/jpeg/gray.jpg"},
                                         FileCase{kFixtures + "/jpeg/progressive.jpg"},
                                         FileCase{kFixtures + "/jpeg/h2v1.jpg"}));

TEST(JpegDecoder, EverySharedCameraSampleDecodesLikeDjpeg) {
  const std::filesystem::path folder = std::filesystem::path(LUMETTA_SHARED_SAMPLES) / "camera";
  ASSERT_TRUE(std::filesystem::is_directory(folder)) << "the shared samples are missing: " << folder;
  ASSERT_TRUE(HaveDjpeg()) << "djpeg is missing: scripts/setup installs it";
  TempDir dir;
  int count = 0;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    if (entry.path().extension() != ".jpg") continue;
    const std::string path = entry.path().string();
    ExpectSamePicture(*DecodeJpegFile(path), Djpeg(path, "-dct int", dir), path);
    ++count;
  }
  EXPECT_GT(count, 0);
}

TEST(JpegDecoder, AFileWhoseDataEndsEarlyShowsWhatWasDecoded) {
  // The scan data starts at 11047 of 14034 bytes: cut it in its middle.
  const std::string whole = ReadAll(kFixtures + "/camera/Nikon_D70.jpg");
  TempDir dir;
  const std::string path = dir.Write("cut.jpg", whole.substr(0, 12500));
  std::unique_ptr<TDibData> cut;
  ASSERT_NO_THROW(cut = DecodeJpegFile(path));
  EXPECT_EQ(cut->width, 100);
  EXPECT_EQ(cut->height, 66);
  const auto full = DecodeJpegFile(kFixtures + "/camera/Nikon_D70.jpg");
  EXPECT_TRUE(std::equal(cut->bits.get(), cut->bits.get() + cut->Stride() * 8, full->bits.get()))
      << "the rows before the cut are the photo's";
  if (HaveDjpeg()) ExpectSamePicture(*cut, Djpeg(path, "-dct int", dir), "cut.jpg");
}

TEST(JpegDecoder, MemoryAndFileGiveTheSamePixels) {
  const std::string path = kFixtures + "/camera/Fujifilm_FinePix_E500.jpg";
  const std::string bytes = ReadAll(path);
  const auto from_memory = DecodeJpegMemory(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
  EXPECT_EQ(PixelsOf(*from_memory).pixels, PixelsOf(*DecodeJpegFile(path)).pixels);
  EXPECT_EQ(from_memory->Stride(), 180) << "59 pixels of 3 bytes, rows padded to 4 bytes";
}

TEST(JpegDecoder, TellsTheReducedSizeFromTheHeader) {
  const std::string path = kFixtures + "/camera/Canon_40D.jpg";
  EXPECT_EQ(JpegOutputSize(path, 1).Width, 100);
  EXPECT_EQ(JpegOutputSize(path, 4).Width, 25);
  EXPECT_EQ(JpegOutputSize(path, 4).Height, 17);
  EXPECT_EQ(JpegOutputSize(path, 8).Height, 9);
  EXPECT_THROW(JpegOutputSize(path, 3), EJpegError);
}

struct BadCase {
  std::string label;
  std::string bytes;
};

void PrintTo(const BadCase& c, std::ostream* os) { *os << c.label; }

class JpegBadInputTest : public testing::TestWithParam<BadCase> {};

TEST_P(JpegBadInputTest, GivesAJpegErrorAndNoCrash) {
  TempDir dir;
  const std::string& bytes = GetParam().bytes;
  EXPECT_THROW(DecodeJpegFile(dir.Write("bad.jpg", bytes)), EJpegError);
  EXPECT_THROW(DecodeJpegMemory(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()), EJpegError);
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, JpegBadInputTest,
    testing::Values(BadCase{"empty", ""}, BadCase{"text", "this is not a photo"},
                    BadCase{"a start marker only", std::string("\xFF\xD8", 2)},
                    BadCase{"a BMP", std::string("BM\x36\x00\x00\x00", 6)},
                    BadCase{"headers without a frame", ReadAll(kFixtures + "/camera/Canon_40D.jpg").substr(0, 600)},
                    BadCase{"CMYK", ReadAll(kFixtures + "/jpeg/cmyk.jpg")}));

TEST(JpegDecoder, AFileThatCannotBeOpenedIsAJpegError) {
  TempDir dir;
  EXPECT_THROW(DecodeJpegFile(dir / "gone.jpg"), EJpegError);
  EXPECT_THROW(DecodeJpegFile(dir / "gone.jpg"), EDecodeError);
  EXPECT_THROW(DecodeJpegFile(dir.MakeDir("folder.jpg")), EJpegError) << "a read error";
}

}  // namespace
}  // namespace lumetta
