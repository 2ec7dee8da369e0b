// The BMP writer: headers, offsets, row order and compressed stores.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <sstream>
#include <string>
#include <typeinfo>
#include <vector>

#include "core/support/bmp_bytes.h"
#include "core/support/bmp_test_data.h"
#include "core/imaging/bit_masks.h"
#include "core/imaging/dib_image.h"
#include "core/imaging/rle_decode.h"

namespace lumetta {
namespace {

using namespace testing_support;  // the BMP tests' shared data and helpers

TEST(BmpWriting, WritesTheOrdinaryBottomUpFile) {
  TDibImage image;
  image.SetBitCount(24);
  image.SetSize(2, 3);
  image.SetPixels(0, 0, Px(1, 2, 3));  // top left
  image.SetPixels(1, 2, Px(4, 5, 6));  // bottom right
  const Bytes b = Saved(image);
  ASSERT_EQ(b.size(), 54u + 8 * 3);
  EXPECT_EQ(b[0], 'B');
  EXPECT_EQ(b[1], 'M');
  EXPECT_EQ(U32At(b, 2), 54u + 24);  // bfSize
  EXPECT_EQ(U32At(b, 10), 54u);      // bfOffBits
  EXPECT_EQ(U32At(b, 14), 40u);
  EXPECT_EQ(U32At(b, 22), 3u);  // positive height
  // The first stored row is the bottom one.
  EXPECT_EQ((Bytes(b.begin() + 54, b.begin() + 62)), (Bytes{0, 0, 0, 6, 5, 4, 0, 0}));
  EXPECT_EQ((Bytes(b.begin() + 70, b.begin() + 78)), (Bytes{3, 2, 1, 0, 0, 0, 0, 0}));
}

TEST(BmpWriting, WritesTopDownStoresTopRowFirst) {
  TDibImage image;
  image.SetBitCount(24);
  image.SetSize(1, -2);
  image.SetPixels(0, 0, Px(1, 2, 3));
  const Bytes b = Saved(image);
  EXPECT_EQ(static_cast<std::int32_t>(U32At(b, 22)), -2);
  EXPECT_EQ((Bytes(b.begin() + 54, b.begin() + 58)), (Bytes{3, 2, 1, 0}));
}

TEST(BmpWriting, CountsTheColourTableInTheOffsets) {
  const TDibImage image;  // 1 x 1, 8 bits, 256 entries
  const Bytes b = Saved(image);
  EXPECT_EQ(U32At(b, 10), 54u + 1024);
  EXPECT_EQ(U32At(b, 2), 54u + 1024 + 4);
  EXPECT_EQ(U32At(b, 46), 256u);
  EXPECT_EQ(b.size(), 54u + 1024 + 4);
}

TEST(BmpWriting, SaveAndLoadKeepHeaderAndPixels) {
  auto store = TDibData::Create(5, 3, 0, 24);
  store->header.biXPelsPerMeter = 0;
  store->header.biYPelsPerMeter = 1234;
  for (std::size_t i = 0; i < store->image_size; ++i) store->bits[i] = static_cast<std::uint8_t>(i * 7);
  TDibImage image;
  image.TakeStore(std::move(store));
  const TDibImage again = Load(Saved(image));
  const TBitmapInfoHeader& a = image.Header();
  const TBitmapInfoHeader& b = again.Header();
  EXPECT_EQ(b.biSize, a.biSize);
  EXPECT_EQ(b.biWidth, a.biWidth);
  EXPECT_EQ(b.biHeight, a.biHeight);
  EXPECT_EQ(b.biPlanes, a.biPlanes);
  EXPECT_EQ(b.biBitCount, a.biBitCount);
  EXPECT_EQ(b.biCompression, a.biCompression);
  EXPECT_EQ(b.biSizeImage, a.biSizeImage);
  EXPECT_EQ(b.biXPelsPerMeter, 3780);
  EXPECT_EQ(b.biYPelsPerMeter, 1234);
  EXPECT_EQ(b.biClrUsed, a.biClrUsed);
  EXPECT_EQ(b.biClrImportant, a.biClrImportant);
  EXPECT_EQ(PixelsOf(again), PixelsOf(image));
}

TEST(BmpWriting, CompressedDataIsWrittenAsHeld) {
  BmpFile f{.width = 3, .height = 1, .bit_count = 8, .compression = BI_RLE8, .colours = kTable256};
  f.pixels = {3, 4, 0, 1};
  const TDibImage image = Load(f.Bytes());
  const Bytes b = Saved(image);
  EXPECT_EQ((Bytes(b.end() - 4, b.end())), f.pixels);
  EXPECT_EQ(Load(b).PixelFormat(), TDibPixelFormat::dpf8BitRLE);
}

}  // namespace
}  // namespace lumetta
