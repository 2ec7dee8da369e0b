#include "core/imaging/photo_decoder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/state/app_state.h"
#include "core/imaging/jpeg_decoder.h"
#include "support/temp_dir.h"

namespace lumetta {
namespace {

using testing_support::ReadAll;
using testing_support::TempDir;

const std::string kCanon = std::string(LUMETTA_FIXTURES) + "/camera/Canon_40D.jpg";

// A plug-in host that answers for every file with a 2 x 1 picture and keeps
// the paths it was asked for.
class FakePlugins : public PluginDecoder {
 public:
  FakePlugins() { TSPIDibImage::SetPluginDecoder(this); }
  ~FakePlugins() override { TSPIDibImage::SetPluginDecoder(nullptr); }
  bool Decode(std::string_view path, TDibImage& image) override {
    asked.emplace_back(path);
    image.SetBitCount(24);
    image.SetSize(2, 1);
    return true;
  }
  std::vector<std::string> asked;
};

bool SamePixels(const TDibImage& a, const TDibData& b) {
  if (a.Width() != b.width || a.Height() != b.height || a.BitCount() != 24) return false;
  return std::equal(b.bits.get(), b.bits.get() + b.image_size, a.Data().bits.get());
}

TEST(DecodePhoto, JpegExtensionsInAnyCaseGoToLibjpeg) {
  TempDir dir;
  const std::string bytes = ReadAll(kCanon);
  const auto expected = DecodeJpegFile(kCanon);
  for (const char* name : {"a.jpg", "b.JPEG", "c.Jpe", "d.jpegx"}) {
    TSPIDibImage decoded;
    DecodePhoto(dir.Write(name, bytes), decoded, {});
    EXPECT_TRUE(SamePixels(decoded, *expected)) << name;
  }
}

TEST(DecodePhoto, OtherExtensionsGoToThePluginsAndWithoutOneFail) {
  TempDir dir;
  TSPIDibImage decoded;
  EXPECT_THROW(DecodePhoto(dir.Write("a.jfif", ReadAll(kCanon)), decoded, {}), EDecodeError);
  EXPECT_THROW(DecodePhoto(dir.Write("b.png", "\x89PNG"), decoded, {}), EDecodeError);
  FakePlugins plugins;
  DecodePhoto(dir / "a.jfif", decoded, {});
  EXPECT_EQ(plugins.asked, (std::vector<std::string>{dir / "a.jfif"}));
  EXPECT_EQ(decoded.Width(), 2);
}

TEST(DecodePhoto, AFormatClaimedByAPluginGoesToThePlugin) {
  TempDir dir;
  const std::string jpeg = dir.Write("a.jpg", ReadAll(kCanon));
  TSPIDibImage decoded;
  EXPECT_THROW(DecodePhoto(jpeg, decoded, DecoderChoice{true, false, false}), EDecodeError)
      << "no plug-in installed";
  FakePlugins plugins;
  DecodePhoto(jpeg, decoded, DecoderChoice{true, false, false});
  EXPECT_EQ(decoded.Width(), 2);
  DecodePhoto(jpeg, decoded, DecoderChoice{false, true, true});
  EXPECT_EQ(decoded.Width(), 100);
  EXPECT_EQ(plugins.asked.size(), 1u);
}

TEST(DecodePhoto, UncompressedTiffIsReadAndLzwIsRefused) {
  TempDir dir;
  // 1 x 1, one strip of red 10, green 20, blue 30 right after the directory.
  std::string tiff("II*\0\x08\0\0\0\x03\0", 10);
  auto entry = [&](int tag, int type, int value) {
    const char e[12] = {static_cast<char>(tag), static_cast<char>(tag >> 8), static_cast<char>(type), 0, 1, 0, 0, 0,
                        static_cast<char>(value), 0, 0, 0};
    tiff.append(e, 12);
  };
  entry(256, 3, 1);
  entry(257, 3, 1);
  entry(273, 4, 10 + 36 + 4);
  tiff.append(4, '\0');
  tiff += "\x0A\x14\x1E";
  TSPIDibImage decoded;
  DecodePhoto(dir.Write("a.TIF", tiff), decoded, {});
  EXPECT_EQ(decoded.Width(), 1);
  EXPECT_EQ(decoded.Pixels(0, 0), 0x1E140Au);

  // The first entry becomes Compression 5 (LZW).
  std::string lzw = tiff;
  lzw[10] = 3;
  lzw[18] = 5;
  EXPECT_THROW(DecodePhoto(dir.Write("b.tiff", lzw), decoded, {}), EDecodeError);
}

TEST(DecodePhoto, BmpIsConvertedToTwentyFourBits) {
  TempDir dir;
  TDibImage source;  // 1 x 1, 8 bits
  source.SetSize(3, 2);
  const std::string path = dir / "a.bmp";
  source.SaveToFile(path);
  TSPIDibImage decoded;
  DecodePhoto(path, decoded, {});
  EXPECT_EQ(decoded.BitCount(), 24);
  EXPECT_EQ(decoded.Width(), 3);
  EXPECT_EQ(decoded.Height(), 2);
}

TEST(DecodePhoto, AFailureKeepsThePreviousPicture) {
  TempDir dir;
  AppState state;
  DecodePhoto(kCanon, state.DecodedPhoto, state.Decoders());
  EXPECT_EQ(state.DecodedPhoto.Width(), 100);
  const std::string broken = dir.Write("broken.jpg", "not a jpeg");
  EXPECT_THROW(DecodePhoto(broken, state.DecodedPhoto, state.Decoders()), EDecodeError);
  EXPECT_THROW(DecodePhoto(dir / "missing.tif", state.DecodedPhoto, state.Decoders()), EDecodeError);
  EXPECT_EQ(state.DecodedPhoto.Width(), 100);
  EXPECT_EQ(state.DecodedPhoto.Height(), 68);
}

TEST(DecodePhoto, TheProgramsFlagsChooseTheRoute) {
  AppState state;
  state.JpegByPlugin = true;
  EXPECT_THROW(DecodePhoto(kCanon, state.DecodedPhoto, state.Decoders()), EDecodeError);
  FakePlugins plugins;
  DecodePhoto(kCanon, state.DecodedPhoto, state.Decoders());
  EXPECT_EQ(state.DecodedPhoto.Width(), 2);
}

}  // namespace
}  // namespace lumetta
