#include "core/archive/entry_names.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace lumetta {
namespace {

struct NameCase {
  std::string raw;
  std::optional<std::string> safe;
};

void PrintTo(const NameCase& c, std::ostream* os) { *os << '"' << c.raw << '"'; }

class SafeEntryNames : public testing::TestWithParam<NameCase> {};

TEST_P(SafeEntryNames, KeepInnerNamesAndRefuseThoseThatCouldReachOutside) {
  EXPECT_EQ(SafeEntryName(GetParam().raw), GetParam().safe);
}

INSTANTIATE_TEST_SUITE_P(
    Names, SafeEntryNames,
    testing::Values(NameCase{"a.jpg", "a.jpg"}, NameCase{"day1/", "day1/"}, NameCase{"day1/b.jpg", "day1/b.jpg"},
                    NameCase{"./a/./b.jpg", "a/b.jpg"}, NameCase{"a//b.jpg", "a/b.jpg"}, NameCase{"x/y/", "x/y/"},
                    NameCase{"../../evil.jpg", std::nullopt}, NameCase{"a/../../b.jpg", std::nullopt},
                    NameCase{"a/..", std::nullopt}, NameCase{"/tmp/x.jpg", std::nullopt},
                    NameCase{"C:evil.jpg", std::nullopt}, NameCase{"c:/evil.jpg", std::nullopt},
                    NameCase{"..\\..\\evil.jpg", std::nullopt}, NameCase{"a\\b.jpg", std::nullopt},
                    NameCase{std::string("a\0b.jpg", 7), std::nullopt}, NameCase{".", std::nullopt},
                    NameCase{"./", std::nullopt}, NameCase{"", std::nullopt}, NameCase{"写真/夏.jpg", "写真/夏.jpg"}));

TEST(ArchiveFileNames, AreTheArchivesTheProgramBrowses) {
  for (const char* name : {"trip.zip", "TRIP.ZIP", "a.7z", "a.rar", "a.tar", "a.tar.gz", "a.TGZ", "comic.cbz",
                           "comic.cbr", "/p/trip.zip"}) {
    EXPECT_TRUE(IsArchiveFileName(name)) << name;
  }
  for (const char* name : {"a.jpg", "a.gz", "a.lzh", ".zip", "zip", "a.zip.jpg", "a.tar.bz2"}) {
    EXPECT_FALSE(IsArchiveFileName(name)) << name;
  }
}

TEST(EntryNameText, IsUtf8WhenValidElseCodePage932) {
  EXPECT_EQ(DecodeEntryName("写真.jpg"), "写真.jpg");
  EXPECT_EQ(DecodeEntryName("\x8e\xca\x90\x5e.jpg"), "写真.jpg");
  EXPECT_EQ(DecodeEntryName("plain.jpg"), "plain.jpg");
  EXPECT_EQ(DecodeEntryName("\xc0\xaf.jpg"), DecodeEntryName("\xc0\xaf.jpg")) << "an over-long form is no UTF-8";
  EXPECT_NE(DecodeEntryName("\xc0\xaf.jpg"), "\xc0\xaf.jpg");
}

TEST(EntryNameParts, SplitAtTheLastSlash) {
  EXPECT_EQ(EntryFolderOf("day1/b.jpg"), "day1/");
  EXPECT_EQ(EntryBaseOf("day1/b.jpg"), "b.jpg");
  EXPECT_EQ(EntryFolderOf("a.jpg"), "");
  EXPECT_EQ(EntryBaseOf("x/y/"), "");
}

TEST(SafeExtensions, KeepShortAsciiExtensionsOnly) {
  EXPECT_EQ(SafeExtensionOf("day1/IMG_0001.JPG"), ".JPG");
  EXPECT_EQ(SafeExtensionOf("a.tar.gz"), ".gz");
  EXPECT_EQ(SafeExtensionOf("noext"), "");
  EXPECT_EQ(SafeExtensionOf("a.j/pg"), "");
  EXPECT_EQ(SafeExtensionOf("a.写真"), "");
  EXPECT_EQ(SafeExtensionOf("a.verylongextension"), "");
  EXPECT_EQ(SafeExtensionOf("a."), "");
}

}  // namespace
}  // namespace lumetta
