// The hand-over of a plug-in's blocks: sound pictures of each kind come out
// as the BMP reader reads them, and blocks that contradict their header are
// refused before anything is read past them (the spans here are exactly
// the blocks' bytes, so that a sanitizer build would see any over-read).
#include "core/plugins/plugin_picture.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <limits>
#include <vector>

#include "lumetta/susie_plugin.h"

namespace lumetta {
namespace {

using Bytes = std::vector<std::uint8_t>;

void Put32(Bytes& b, std::size_t at, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) b[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(v >> (8 * i));
}
void Put16(Bytes& b, std::size_t at, std::uint32_t v) {
  b[at] = static_cast<std::uint8_t>(v);
  b[at + 1] = static_cast<std::uint8_t>(v >> 8);
}

// A BITMAPINFO of header_size bytes followed by extra bytes (masks, colours).
Bytes Info(std::int32_t width, std::int32_t height, std::uint16_t bits, std::uint32_t compression = SPI_BI_RGB,
           std::uint32_t colours = 0, std::uint32_t header_size = 40, std::size_t extra = 0) {
  Bytes b(header_size + extra, 0);
  Put32(b, 0, header_size);
  Put32(b, 4, static_cast<std::uint32_t>(width));
  Put32(b, 8, static_cast<std::uint32_t>(height));
  Put16(b, 12, 1);
  Put16(b, 14, bits);
  Put32(b, 16, compression);
  Put32(b, 32, colours);
  return b;
}

std::unique_ptr<TDibData> Read(const Bytes& info, const Bytes& pixels) {
  return ReadPluginPicture(std::span(info.data(), info.size()), std::span(pixels.data(), pixels.size()));
}

TDibImage ImageOf(std::unique_ptr<TDibData> store) {
  TDibImage image;
  image.TakeStore(std::move(store));
  image.SetPixelFormat(TDibPixelFormat::dpf24Bit);
  return image;
}

TEST(PluginPicture, TwentyFourBitRowsBottomUpAndTopDown) {
  // 2 x 2: rows of 8 bytes; the first row in the block is the bottom one.
  Bytes rows(16, 0);
  rows[0] = 1;       // bottom left blue
  rows[8 + 5] = 2;   // top right red
  TDibImage up = ImageOf(Read(Info(2, 2, 24), rows));
  EXPECT_EQ(up.Pixels(0, 1), 0x010000u);
  EXPECT_EQ(up.Pixels(1, 0), 0x000002u);
  TDibImage down = ImageOf(Read(Info(2, -2, 24), rows));
  EXPECT_EQ(down.Pixels(0, 0), 0x010000u);
  EXPECT_EQ(down.Pixels(1, 1), 0x000002u);
}

// A plain 24-bit picture taken over in place is the store the BMP stream
// gives: the same header, rows top-down, the row padding kept.
TEST(PluginPicture, TakenOverPictureEqualsTheOneRead) {
  struct Shape {
    std::int32_t width, height;
    std::int32_t x_pels;
  };
  for (const Shape shape : {Shape{1, 1, 0}, Shape{3, 5, 2835}, Shape{5, -4, 0}, Shape{4, 2, 0}, Shape{7, 6, 100}}) {
    SCOPED_TRACE(std::to_string(shape.width) + "x" + std::to_string(shape.height));
    Bytes info = Info(shape.width, shape.height, 24);
    Put32(info, 24, static_cast<std::uint32_t>(shape.x_pels));
    const std::size_t stride = static_cast<std::size_t>(TDibData::StrideFor(shape.width, 24));
    Bytes pixels(stride * static_cast<std::size_t>(std::abs(shape.height)));
    for (std::size_t i = 0; i < pixels.size(); ++i) pixels[i] = static_cast<std::uint8_t>(i * 7 + 1);

    const std::unique_ptr<TDibData> read = Read(info, pixels);
    const std::unique_ptr<TDibData> taken = AdoptPluginPicture(std::span(info.data(), info.size()), pixels.size(), [&] {
      PixelBlock block = AllocatePixels(pixels.size(), false);
      std::memcpy(block.get(), pixels.data(), pixels.size());
      return block;
    });
    ASSERT_NE(taken, nullptr);
    EXPECT_EQ(std::memcmp(&taken->header, &read->header, sizeof(TBitmapInfoHeader)), 0);
    EXPECT_EQ(taken->width, read->width);
    EXPECT_EQ(taken->height, read->height);
    ASSERT_EQ(taken->image_size, read->image_size);
    EXPECT_EQ(std::memcmp(taken->bits.get(), read->bits.get(), read->image_size), 0);
  }
}

// Other kinds of picture, and a block that cannot be given up, are left to
// the BMP stream.
TEST(PluginPicture, OnlyPlainTwentyFourBitPicturesAreTakenOver) {
  const auto adopt = [](const Bytes& info, std::size_t pixel_bytes) {
    return AdoptPluginPicture(std::span(info.data(), info.size()), pixel_bytes, [] { return PixelBlock(); });
  };
  EXPECT_EQ(adopt(Info(2, 2, 24), 16), nullptr);  // the block stays the plug-in's
  bool taken = false;
  const auto adopt_counting = [&](const Bytes& info, std::size_t pixel_bytes) {
    return AdoptPluginPicture(std::span(info.data(), info.size()), pixel_bytes, [&] {
      taken = true;
      return PixelBlock();
    });
  };
  adopt_counting(Info(2, 2, 8, SPI_BI_RGB, 0, 40, 1024), 8);
  adopt_counting(Info(2, 2, 32), 16);
  adopt_counting(Info(2, 2, 24, SPI_BI_RGB, 0, 108), 16);
  adopt_counting(Info(2, 2, 24, SPI_BI_RGB, 2, 40, 8), 16);
  EXPECT_FALSE(taken);
}

TEST(PluginPicture, PaletteWithTheColoursTheHeaderCounts) {
  Bytes info = Info(3, 1, 8, SPI_BI_RGB, 2, 40, 8);
  info[40 + 4 + 2] = 200;  // colour 1: red 200
  const Bytes rows = {1, 0, 1, 0};
  TDibImage image = ImageOf(Read(info, rows));
  EXPECT_EQ(image.Pixels(0, 0), 200u);
  EXPECT_EQ(image.Pixels(1, 0), 0u);
  // No count: the whole table of 2^8 entries must be there.
  Bytes full = Info(3, 1, 8, SPI_BI_RGB, 0, 40, 1024);
  full[40 + 4 + 1] = 100;
  EXPECT_EQ(ImageOf(Read(full, rows)).Pixels(2, 0), 100u << 8);
}

TEST(PluginPicture, BitfieldsWithTheMasksAfterOrInsideTheHeader) {
  // 32 bits, blue in the high byte, red in the low byte.
  const Bytes rows = {0x11, 0x22, 0x33, 0x44};
  Bytes after = Info(1, 1, 32, SPI_BI_BITFIELDS, 0, 40, 12);
  Put32(after, 40, 0x000000FF);
  Put32(after, 44, 0x0000FF00);
  Put32(after, 48, 0xFF000000);
  EXPECT_EQ(ImageOf(Read(after, rows)).Pixels(0, 0), 0x442211u);
  Bytes v5 = Info(1, 1, 32, SPI_BI_BITFIELDS, 0, 124);
  Put32(v5, 40, 0x000000FF);
  Put32(v5, 44, 0x0000FF00);
  Put32(v5, 48, 0xFF000000);
  EXPECT_EQ(ImageOf(Read(v5, rows)).Pixels(0, 0), 0x442211u);
}

TEST(PluginPicture, RunLengthAndOs2Pictures) {
  Bytes rle = Info(4, 1, 8, SPI_BI_RLE8, 2, 40, 8);
  rle[40 + 4 + 1] = 50;
  const Bytes data = {4, 1, 0, 1};  // four pixels of colour 1, end of picture
  TDibImage image = ImageOf(Read(rle, data));
  EXPECT_EQ(image.Pixels(3, 0), 50u << 8);

  Bytes core(12 + 2 * 3, 0);
  Put32(core, 0, 12);
  Put16(core, 4, 2);
  Put16(core, 6, 1);
  Put16(core, 8, 1);
  Put16(core, 10, 1);
  core[12 + 3 + 2] = 77;  // colour 1: red 77
  EXPECT_EQ(ImageOf(Read(core, {0x40, 0, 0, 0})).Pixels(1, 0), 77u);
}

struct DamagedCase {
  std::string name;
  Bytes info;
  Bytes pixels;
};

void PrintTo(const DamagedCase& c, std::ostream* os) { *os << c.name; }

class DamagedPluginBlocksTest : public ::testing::TestWithParam<DamagedCase> {};

TEST_P(DamagedPluginBlocksTest, AreRefused) { EXPECT_THROW(Read(GetParam().info, GetParam().pixels), EPluginPicture); }

// A damaged picture is never taken over as the store's own block.
TEST_P(DamagedPluginBlocksTest, AreNotTakenOver) {
  bool taken = false;
  EXPECT_EQ(AdoptPluginPicture(std::span(GetParam().info.data(), GetParam().info.size()), GetParam().pixels.size(),
                               [&] {
                                 taken = true;
                                 return PixelBlock();
                               }),
            nullptr);
  EXPECT_FALSE(taken);
}

DamagedCase Case(std::string name, Bytes info, Bytes pixels) { return {std::move(name), std::move(info), std::move(pixels)}; }

Bytes Cut(Bytes b, std::size_t size) {
  b.resize(size);
  return b;
}

INSTANTIATE_TEST_SUITE_P(
    PluginPicture, DamagedPluginBlocksTest,
    ::testing::Values(
        Case("empty header block", {}, Bytes(16)), Case("header shorter than its size", Cut(Info(2, 2, 24), 39), Bytes(16)),
        Case("unknown header size", Info(2, 2, 24, SPI_BI_RGB, 0, 64 + 100), Bytes(16)),
        Case("header size 0", Info(2, 2, 24, SPI_BI_RGB, 0, 0, 40), Bytes(16)),
        Case("zero width", Info(0, 2, 24), Bytes(16)), Case("negative width", Info(-2, 2, 24), Bytes(16)),
        Case("zero height", Info(2, 0, 24), Bytes(16)),
        Case("lowest height", Info(2, std::numeric_limits<std::int32_t>::min(), 24), Bytes(16)),
        Case("bit count 7", Info(2, 2, 7), Bytes(16)),
        Case("JPEG compression", Info(2, 2, 24, 4), Bytes(16)),
        Case("RLE8 on 24 bits", Info(2, 2, 24, SPI_BI_RLE8), Bytes(16)),
        Case("bitfields on 8 bits", Info(2, 2, 8, SPI_BI_BITFIELDS, 0, 40, 1036), Bytes(16)),
        Case("huge dimensions", Info(100000, 100000, 24), Bytes(64)),
        Case("huge dimensions in few bits", Info(1 << 20, 1 << 10, 1, SPI_BI_RGB, 2, 40, 8), Bytes(64)),
        Case("colour table past the block", Info(4, 4, 8, SPI_BI_RGB, 256, 40, 8), Bytes(16)),
        Case("implied colour table past the block", Info(4, 4, 8, SPI_BI_RGB, 0, 40, 1020), Bytes(16)),
        Case("colour count near 2^32", Info(1, 1, 24, SPI_BI_RGB, 0xFFFFFFFFu), Bytes(4)),
        Case("masks past the block", Info(1, 1, 32, SPI_BI_BITFIELDS), Bytes(4)),
        Case("rows one byte short", Info(3, 2, 24), Bytes(15)),
        Case("no rows at all", Info(3, 2, 24), Bytes{}),
        Case("OS/2 header short of its colours", Cut([] {
               Bytes core(12 + 6, 0);
               Put32(core, 0, 12);
               Put16(core, 4, 2);
               Put16(core, 6, 1);
               Put16(core, 8, 1);
               Put16(core, 10, 1);
               return core;
             }(), 15), Bytes(4))),
    [](const ::testing::TestParamInfo<DamagedCase>& info) { return "case" + std::to_string(info.index); });

}  // namespace
}  // namespace lumetta
