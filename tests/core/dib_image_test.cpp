// TDibImage as a container: creation, size and bit-count changes, pixel and
// row access, sharing with copy on write.
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <limits>
#include <string>
#include <utility>

#include "core/imaging/dib_image.h"

namespace lumetta {
namespace {

TDibImage Image24(std::int32_t width, std::int32_t height) {
  TDibImage image;
  image.SetBitCount(24);
  image.SetSize(width, height);
  return image;
}

template <typename E>
std::string MessageOf(const std::function<void()>& action) {
  try {
    action();
  } catch (const E& e) {
    return e.what();
  }
  return "(no exception)";
}

TEST(DibImage, StartsAsOnePixelOfEightBitsWithABlackTable) {
  const TDibImage image;
  EXPECT_EQ(image.Width(), 1);
  EXPECT_EQ(image.Height(), 1);
  EXPECT_EQ(image.BitCount(), 8);
  EXPECT_EQ(image.PixelFormat(), TDibPixelFormat::dpf8Bit);
  EXPECT_EQ(image.Header().biClrUsed, 256u);
  for (const TRgbQuad& q : image.Data().colours) {
    EXPECT_EQ(q.rgbRed | q.rgbGreen | q.rgbBlue, 0);
  }
  EXPECT_TRUE(image.UseFMO());
  EXPECT_FALSE(image.Empty());
  EXPECT_EQ(image.BGColor, 0xFFFFFFu);
}

TEST(DibImage, TwentyFourBitSwitchGivesABlackPixel) {
  TDibImage image;
  image.SetBitCount(24);
  EXPECT_EQ(image.PixelFormat(), TDibPixelFormat::dpf24Bit);
  EXPECT_EQ(image.Header().biClrUsed, 0u);
  EXPECT_EQ(image.Pixels(0, 0), 0u);
}

TEST(DibImage, SettingTheCurrentWidthKeepsThePixels) {
  TDibImage image = Image24(3, 2);
  image.SetPixels(2, 1, 0x010203);
  image.SetWidth(3);
  image.SetHeight(-2);  // the same absolute height
  EXPECT_EQ(image.Pixels(2, 1), 0x010203u);
}

TEST(DibImage, ANewSizeGivesAnAllZeroImage) {
  TDibImage image = Image24(3, 2);
  image.Fill(255, 255, 255);
  image.SetWidth(4);
  for (std::int32_t y = 0; y < 2; ++y) {
    for (std::int32_t x = 0; x < 4; ++x) EXPECT_EQ(image.Pixels(x, y), 0u);
  }
  image.Fill(255, 255, 255);
  image.SetHeight(5);
  EXPECT_EQ(image.Height(), 5);
  EXPECT_EQ(image.Pixels(3, 4), 0u);
}

TEST(DibImage, HeightKeepsItsSignAndWidthMakesBottomUp) {
  TDibImage image = Image24(2, 2);
  image.SetHeight(-3);
  EXPECT_EQ(image.Height(), 3);
  EXPECT_EQ(image.Header().biHeight, -3);
  EXPECT_TRUE(image.TopDown());
  image.SetWidth(5);
  EXPECT_EQ(image.Header().biHeight, 3);
}

TEST(DibImage, BitCountKeepsTheSizeAndSetsTheColourCount) {
  TDibImage image = Image24(7, 3);
  image.SetBitCount(4);
  EXPECT_EQ(image.Width(), 7);
  EXPECT_EQ(image.Height(), 3);
  EXPECT_EQ(image.Header().biClrUsed, 16u);
  image.SetBitCount(1);
  EXPECT_EQ(image.Header().biClrUsed, 2u);
  EXPECT_EQ(image.Stride(), 4u);
}

TEST(DibImage, RefusesBadSizesAndBitCounts) {
  TDibImage image = Image24(2, 2);
  EXPECT_EQ(MessageOf<EDibInvalidDIBPara>([&] { image.SetWidth(0); }), "TDibImage.SetWidth: Invalid Width");
  EXPECT_EQ(MessageOf<EDibInvalidDIBPara>([&] { image.SetWidth(-4); }), "TDibImage.SetWidth: Invalid Width");
  EXPECT_EQ(MessageOf<EDibInvalidDIBPara>([&] { image.SetHeight(0); }), "TDibImage.SetHeight: Invalid Height");
  EXPECT_EQ(MessageOf<EDibInvalidDIBPara>([&] { image.SetBitCount(16); }), "TDibImage.SetBitCount: Invalid BitCount");
  EXPECT_EQ(MessageOf<EDibInvalidDIBPara>([&] { image.SetBitCount(32); }), "TDibImage.SetBitCount: Invalid BitCount");
  EXPECT_EQ(MessageOf<EDibInvalidDIBPara>([] { TDibData::Create(1, 1, 257, 8); }),
            "TDibData.CreateDIB: Invalid Parameters");
  EXPECT_EQ(MessageOf<EDibInvalidDIBPara>([] { TDibData::Create(1, 1, 0, 16); }),
            "TDibData.CreateDIB: Invalid Parameters");
  EXPECT_EQ(image.Width(), 2);
  EXPECT_EQ(image.BitCount(), 24);
}

TEST(DibImage, RefusesSizesBeyondTheLimitBeforeAllocating) {
  TDibImage image = Image24(2, 2);
  const std::string message = "TDibData.CreateDIB: Invalid Parameters";
  EXPECT_EQ(MessageOf<EDibInvalidDIBPara>([&] { image.SetSize(1 << 14, (1 << 14) + 1); }), message);
  EXPECT_EQ(MessageOf<EDibInvalidDIBPara>([&] { image.SetHeight(std::numeric_limits<std::int32_t>::min()); }),
            message);
  EXPECT_EQ(MessageOf<EDibInvalidDIBPara>([&] { image.SetWidth(std::numeric_limits<std::int32_t>::max()); }), message);
  EXPECT_EQ(image.Width(), 2);
  TDibImage bits;
  bits.SetBitCount(1);
  bits.SetSize(1 << 14, 1 << 14);  // exactly the limit
  EXPECT_EQ(bits.Height(), 1 << 14);
}

TEST(DibImage, PixelsReadsBlueGreenRedBytesAsRedInTheLowByte) {
  TDibImage image = Image24(2, 1);
  std::uint8_t* row = image.ScanLine(0);
  row[3] = 0x10;
  row[4] = 0x20;
  row[5] = 0x30;
  EXPECT_EQ(image.Pixels(1, 0), 0x102030u);
  image.SetPixels(0, 0, 0x0A0B0C);
  EXPECT_EQ(row[0], 0x0A);
  EXPECT_EQ(row[2], 0x0C);
}

TEST(DibImage, RowZeroIsTheTopRowWhateverTheStoredOrder) {
  for (const std::int32_t height : {3, -3}) {
    TDibImage image = Image24(1, height);
    image.SetPixels(0, 0, 0x00FF00);
    EXPECT_EQ(image.ScanLine(0)[1], 0xFF) << height;
    EXPECT_EQ(image.ScanLine(2)[1], 0x00) << height;
    EXPECT_EQ(image.RowUnchecked(0), image.ScanLine(0));
  }
}

struct IndexedCase {
  int bits;
  std::uint32_t written;
  std::uint32_t read;
  std::uint8_t first_byte;  // of row 0 after writing x = 1
};

void PrintTo(const IndexedCase& c, std::ostream* os) { *os << c.bits << " bits"; }

class IndexedPixels : public ::testing::TestWithParam<IndexedCase> {};

TEST_P(IndexedPixels, HoldTableIndicesWithTheLeftmostPixelInTheHighBits) {
  const IndexedCase& c = GetParam();
  TDibImage image;
  image.SetBitCount(c.bits);
  image.SetSize(9, 2);
  image.SetPixels(1, 0, c.written);
  EXPECT_EQ(image.Pixels(1, 0), c.read);
  EXPECT_EQ(image.Pixels(0, 0), 0u);
  EXPECT_EQ(image.ScanLine(0)[0], c.first_byte);
}

INSTANTIATE_TEST_SUITE_P(DibImage, IndexedPixels,
                         ::testing::Values(IndexedCase{1, 5, 1, 0x40}, IndexedCase{4, 0x1B, 0x0B, 0x0B},
                                           IndexedCase{8, 200, 200, 0x00}));

TEST(DibImage, RejectsOutOfRangePositionsAndValues) {
  TDibImage image = Image24(2, 2);
  const std::string get = "TDibImage.GetPixels: Pixel Position is Out of Range";
  const std::string set = "TDibImage.SetPixels: Pixel Position is Out of Range";
  EXPECT_EQ(MessageOf<EDibPixelPositionRange>([&] { image.Pixels(2, 0); }), get);
  EXPECT_EQ(MessageOf<EDibPixelPositionRange>([&] { image.Pixels(0, -1); }), get);
  EXPECT_EQ(MessageOf<EDibPixelPositionRange>([&] { image.SetPixels(-1, 0, 0); }), set);
  EXPECT_EQ(MessageOf<EDibPixelPositionRange>([&] { image.SetPixels(0, 2, 0); }), set);
  EXPECT_EQ(MessageOf<EDibPixelPositionRange>([&] { image.SetPixels(0, 0, 0x80000005u); }), set);
  EXPECT_EQ(MessageOf<EDibPixelPositionRange>([&] { image.ScanLine(2); }), "TDibImage.GetScanLine: y is Out of Range");
  EXPECT_EQ(MessageOf<EDibPixelPositionRange>([&] { image.ScanLine(-1); }), "TDibImage.GetScanLine: y is Out of Range");
  TDibImage indexed;
  EXPECT_EQ(MessageOf<EDibPixelPositionRange>([&] { indexed.SetPixels(0, 0, 256); }), set);
}

TEST(DibImage, CompressedStoresHaveNoPixelsOrRows) {
  auto store = TDibData::Create(2, 2, 256, 8);
  store->header.biCompression = BI_RLE8;
  TDibImage image;
  image.TakeStore(std::move(store));
  EXPECT_EQ(MessageOf<EDibBadDIBType>([&] { image.Pixels(0, 0); }), "TDibImage.GetPixels: Bad DIB Type");
  EXPECT_EQ(MessageOf<EDibBadDIBType>([&] { image.SetPixels(0, 0, 1); }), "TDibImage.SetPixels: Bad DIB Type");
  EXPECT_EQ(MessageOf<EDibBadDIBType>([&] { image.ScanLine(0); }), "TDibImage.GetScanLine: Bad DIB Type");
}

TEST(DibImage, PixelFormatNamesTheImpossibleCombinations) {
  struct Row {
    std::uint16_t bits;
    std::uint32_t compression;
    const char* message;
  };
  for (const Row& r : {Row{1, BI_RLE4, "TDibData.GetPixelFormat: Invalid DIB(1Bit)"},
                       Row{4, BI_RLE8, "TDibData.GetPixelFormat: Invalid DIB(4Bit)"},
                       Row{8, BI_RLE4, "TDibData.GetPixelFormat: Invalid DIB(8Bit)"},
                       Row{24, BI_RLE8, "TDibData.GetPixelFormat: Invalid DIB(24Bit)"},
                       Row{16, BI_RGB, "TDibData.GetPixelFormat: Invalid DIB(Illegal BitCount)"},
                       Row{32, BI_RGB, "TDibData.GetPixelFormat: Invalid DIB(Illegal BitCount)"}}) {
    TDibData store;
    store.header.biBitCount = r.bits;
    store.header.biCompression = r.compression;
    EXPECT_EQ(MessageOf<EDibInvalidDIB>([&] { store.PixelFormat(); }), r.message);
  }
}

// Every operation that writes must leave an image that shared the store as
// it was.
struct WriteCase {
  const char* name;
  std::function<void(TDibImage&)> write;
};

void PrintTo(const WriteCase& c, std::ostream* os) { *os << c.name; }

class CopyOnWrite : public ::testing::TestWithParam<WriteCase> {};

TEST_P(CopyOnWrite, WritingOneOfTwoSharingImagesLeavesTheOtherUnchanged) {
  TDibImage first = Image24(3, 2);
  first.SetPixels(1, 1, 0x112233);
  TDibImage second;
  second.Assign(first);
  ASSERT_TRUE(second.SharesStoreWith(first));
  GetParam().write(second);
  EXPECT_FALSE(second.SharesStoreWith(first));
  EXPECT_EQ(first.Pixels(1, 1), 0x112233u);
  EXPECT_EQ(first.Pixels(0, 0), 0u);
  EXPECT_EQ(first.Width(), 3);
  EXPECT_EQ(first.BitCount(), 24);
}

INSTANTIATE_TEST_SUITE_P(
    DibImage, CopyOnWrite,
    ::testing::Values(WriteCase{"SetPixels", [](TDibImage& i) { i.SetPixels(0, 0, 0xFFFFFF); }},
                      WriteCase{"ScanLine", [](TDibImage& i) { i.ScanLine(1)[3] = 0x99; }},
                      WriteCase{"Fill", [](TDibImage& i) { i.Fill(1, 2, 3); }},
                      WriteCase{"FillRect", [](TDibImage& i) { i.FillRect(0, 0, 2, 2, 9, 9, 9); }},
                      WriteCase{"SetWidth", [](TDibImage& i) { i.SetWidth(5); }},
                      WriteCase{"SetBitCount", [](TDibImage& i) { i.SetBitCount(8); }},
                      WriteCase{"AssignNull", [](TDibImage& i) { i.AssignNull(); }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DibImage, ReadingDoesNotUnshare) {
  TDibImage first = Image24(2, 2);
  TDibImage second(first);
  EXPECT_EQ(second.Pixels(1, 1), 0u);
  static_cast<void>(std::as_const(second).ScanLine(1));
  EXPECT_TRUE(second.SharesStoreWith(first));
}

TEST(DibImage, AssignCopiesTheDrawingSettingsAndNullResets) {
  TDibImage source = Image24(4, 4);
  source.BGColor = 0x123456;
  source.ConvertQuality = 1;
  source.HalftoneMode = 2;
  TDibImage target;
  target.Assign(source);
  EXPECT_EQ(target.BGColor, 0x123456u);
  EXPECT_EQ(target.ConvertQuality, 1);
  EXPECT_EQ(target.HalftoneMode, 2);
  target.Assign(target);
  EXPECT_TRUE(target.SharesStoreWith(source));
  target.AssignNull();
  EXPECT_EQ(target.Width(), 1);
  EXPECT_EQ(target.BitCount(), 8);
  EXPECT_EQ(target.Header().biClrUsed, 256u);
}

TEST(DibImage, AlreadyTwentyFourBitsConvertsToNothing) {
  TDibImage first = Image24(2, 2);
  TDibImage second(first);
  second.SetPixelFormat(TDibPixelFormat::dpf24Bit);
  EXPECT_TRUE(second.SharesStoreWith(first));
}

TEST(DibImage, ConvertingOneOfTwoSharingImagesLeavesTheOtherIndexed) {
  TDibImage first;
  first.SetPixels(0, 0, 0);
  TDibImage second(first);
  second.SetPixelFormat(TDibPixelFormat::dpf24Bit);
  EXPECT_EQ(first.BitCount(), 8);
  EXPECT_EQ(second.BitCount(), 24);
}

}  // namespace
}  // namespace lumetta
