#include "core/base/text_codec.h"

#include <gtest/gtest.h>

#include <ostream>

namespace lumetta {
namespace {

TEST(TextCodec, RoundTripsJapaneseThroughCodePage932) {
  const std::string text = "写真のあるフォルダ ﾏｲｺﾝ ＡＢＣ abc\\";
  auto cp932 = Utf8ToCp932(text);
  ASSERT_TRUE(cp932.has_value());
  EXPECT_EQ(cp932->size(), 9u * 2 + 1 + 4 + 1 + 6 + 1 + 4);
  EXPECT_EQ(Cp932ToUtf8(*cp932), text);
  // The backslash stays a backslash (code page 932 has no yen sign at 0x5C).
  EXPECT_EQ(cp932->back(), '\\');
}

TEST(TextCodec, FallsBackToUtf8WithBomForCharactersOutsideCodePage932) {
  const std::string text = "Ελληνικά 😀";
  EXPECT_FALSE(Utf8ToCp932(text).has_value());
  const std::string stored = EncodeDataText(text);
  EXPECT_EQ(stored.substr(0, 3), std::string(kUtf8Bom));
  EXPECT_EQ(DecodeDataText(stored), text);
  EXPECT_EQ(DecodeDataText(EncodeDataText("写真")), "写真");
}

// Characters whose code page 932 conversion reads back as another character
// (what Linux input methods type for 〜 and −) must not be stored that way.
class LossyCharacter : public testing::TestWithParam<const char*> {};

TEST_P(LossyCharacter, SurvivesADataFileRoundTrip) {
  const std::string text = std::string("写真") + GetParam() + "2024";
  EXPECT_FALSE(Utf8ToCp932(text).has_value());
  EXPECT_EQ(DecodeDataText(EncodeDataText(text)), text);
}

INSTANTIATE_TEST_SUITE_P(Characters, LossyCharacter,
                         testing::Values("〜", "−", "—", "‖", "¢", "£", "¬"));

TEST(TextCodec, InvalidCodePage932BytesBecomeReplacementCharacters) {
  EXPECT_EQ(Cp932ToUtf8(std::string("a\x81", 2)), "a\xEF\xBF\xBD");
  EXPECT_EQ(Cp932ToUtf8(std::string("\xA0z", 2)), "\xEF\xBF\xBDz");
}

struct CutCase {
  std::string text;
  std::size_t limit;
  std::string expected;
};

void PrintTo(const CutCase& c, std::ostream* os) { *os << '"' << c.text << "\" cut to " << c.limit; }

class CutToDataBytesTest : public testing::TestWithParam<CutCase> {};

TEST_P(CutToDataBytesTest, NeverSplitsACharacter) {
  EXPECT_EQ(CutToDataBytes(GetParam().text, GetParam().limit), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, CutToDataBytesTest,
                         testing::Values(CutCase{"abcdef", 4, "abcd"}, CutCase{"写真abc", 3, "写"},
                                         CutCase{"写真abc", 4, "写真"}, CutCase{"ab写", 3, "ab"},
                                         CutCase{"ﾏｲｺﾝ", 3, "ﾏｲｺ"}, CutCase{"", 5, ""},
                                         CutCase{"Ωω", 2, "Ω"}));

TEST(TextCodec, CountsDataBytesAsCodePage932Does) {
  EXPECT_EQ(DataByteLength("ＡBｶ"), 4u);
  EXPECT_EQ(CharCount("ＡBｶ"), 3u);
  EXPECT_EQ(FirstChars(".JPEGX", 5), ".JPEG");
  EXPECT_EQ(FirstChars(".写真ですよ", 3), ".写真");
}

}  // namespace
}  // namespace lumetta
