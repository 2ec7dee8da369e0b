#include "core/state/settings.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <ostream>

#include "core/base/data_file.h"
#include "core/base/text_codec.h"
#include "support/file_size_limit.h"
#include "support/temp_dir.h"

namespace lumetta {
namespace {

using testing_support::FileSizeLimit;
using testing_support::ReadAll;
using testing_support::TempDir;

std::vector<std::string> DefaultLines() { return SettingsToLines(Settings{}); }

TEST(SettingsFile, DefaultsAreWrittenAsFiftyFourLinesInTableOrder) {
  TempDir dir;
  Settings s;
  s.WindowLeft = -3;
  s.WindowTop = 12;
  s.SlotFolder[1] = "/home/user/Pictures";
  SaveSettings(dir / "Lumetta-ini.dat", s);

  const std::string bytes = ReadAll(dir / "Lumetta-ini.dat");
  std::size_t crlf = 0;
  for (std::size_t i = 0; i + 1 < bytes.size(); ++i) crlf += bytes[i] == '\r' && bytes[i + 1] == '\n';
  EXPECT_EQ(crlf, 54u);
  EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");

  const auto lines = ReadDataFileLines(dir / "Lumetta-ini.dat");
  ASSERT_EQ(lines.size(), 54u);
  EXPECT_EQ(lines[0], "-3");
  EXPECT_EQ(lines[1], "12");
  EXPECT_EQ(lines[2], "/home/user/Pictures");
  EXPECT_EQ(lines[5], "1");
  EXPECT_EQ(lines[6], "3");
  for (int i = 13; i <= 17; ++i) EXPECT_EQ(lines[static_cast<std::size_t>(i)], "") << i;
  EXPECT_EQ(lines[19], "8");
  EXPECT_EQ(lines[31], "000000");
  EXPECT_EQ(lines[32], "12");
  EXPECT_EQ(lines[35], "1");
  EXPECT_EQ(lines[39], "1");
  EXPECT_EQ(lines[44], "2");
  EXPECT_EQ(lines[47], "3");
  EXPECT_EQ(lines[51], "1");
  EXPECT_EQ(lines[53], "1");
}

// One line of the file as read, and what the settings hold afterwards.
struct LineCase {
  std::string name;
  std::size_t line;
  std::string text;
  std::function<bool(const Settings&)> holds;
  std::string written;  // the line as the next save writes it
};

void PrintTo(const LineCase& c, std::ostream* os) { *os << c.name; }

class SettingsLineTest : public testing::TestWithParam<LineCase> {};

TEST_P(SettingsLineTest, ReadsAndWritesBack) {
  const LineCase& c = GetParam();
  auto lines = DefaultLines();
  lines[c.line] = c.text;
  const Settings s = SettingsFromLines(lines);
  EXPECT_TRUE(c.holds(s));
  EXPECT_EQ(SettingsToLines(s)[c.line], c.written);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, SettingsLineTest,
    testing::Values(
        LineCase{"SortDirectionMinusOne", 39, "-1",
                 [](const Settings& s) { return s.SortDirection == SortOrder::FromRight; }, "-1"},
        LineCase{"NegativeTop", 1, "-4", [](const Settings& s) { return s.WindowTop == -4; }, "-4"},
        LineCase{"CameraNameCutTo30Bytes", 22, std::string(40, 'n'),
                 [](const Settings& s) { return s.CameraNames[1] == std::string(30, 'n'); }, std::string(30, 'n')},
        LineCase{"CameraNameCutBeforeADoubleByteCharacter", 23, std::string(29, 'n') + "写真",
                 [](const Settings& s) { return s.CameraNames[2] == std::string(29, 'n'); }, std::string(29, 'n')},
        LineCase{"ReservedLine9KeptAsText", 9, "anything at all",
                 [](const Settings& s) { return s.Reserved9 == "anything at all"; }, "anything at all"},
        LineCase{"ReservedLine37KeptAsNumber", 37, "77", [](const Settings& s) { return s.Reserved37 == 77; }, "77"},
        LineCase{"NonNumberKeepsDefault", 32, "abc", [](const Settings& s) { return s.GlobalSharpness == 12; }, "12"},
        LineCase{"NumberWithTrailingTextKeepsDefault", 33, "1x",
                 [](const Settings& s) { return s.QualityMode == QualityModeKind::HighQuality; },
                 "0"},
        LineCase{"ByteWrapsModulo256", 5, "258", [](const Settings& s) { return s.SortMode == SortKey::FileTime; },
                 "2"},
        LineCase{"OutOfRangeValuePassedOn", 36, "7", [](const Settings& s) { return s.CommentPosition == 7; }, "7"},
        LineCase{"SweepMonthCutToSixBytes", 31, "20261299", [](const Settings& s) { return s.CacheSweepMonth == "202612"; },
                 "202612"},
        LineCase{"LinesThirteenToSeventeenAreNotRead", 15, "999", [](const Settings& s) { return s == Settings{}; },
                 ""}),
    [](const testing::TestParamInfo<LineCase>& info) { return info.param.name; });

TEST(SettingsFile, ShortFileKeepsTheDefaultsOfMissingLines) {
  const Settings s = SettingsFromLines({"100", "200", "/photos"});
  EXPECT_EQ(s.WindowLeft, 100);
  EXPECT_EQ(s.WindowTop, 200);
  EXPECT_EQ(s.SlotFolder[1], "/photos");
  EXPECT_EQ(s.GlobalEffect, 1);
  EXPECT_EQ(s.GlobalSharpness, 12);
  EXPECT_EQ(s.CacheSweepMonth, "000000");
  EXPECT_EQ(SettingsFromLines({}), Settings{});
}

TEST(SettingsFile, RoundTripKeepsEveryValue) {
  TempDir dir;
  Settings s;
  s.WindowLeft = 5;
  s.SlotFolder = {"/a/写真", "/b", "/c d"};
  s.AppPaths[2] = "/usr/share/applications/gimp.desktop";
  s.CameraNames = {"カメラ", "", "Nikon"};
  s.CameraFolders[3] = "/media/card";
  s.Reserved9 = "x";
  s.Reserved37 = -9;
  s.SortDirection = SortOrder::FromRight;
  s.GlobalEffect = 3;
  s.OkiniSortMode = SortKey::FileTime;
  SaveSettings(dir / "s.dat", s);
  EXPECT_EQ(LoadSettings(dir / "s.dat"), s);
}

TEST(SettingsFile, TextOutsideCodePage932IsStoredAsUtf8WithBom) {
  TempDir dir;
  Settings s;
  s.SlotFolder[1] = "/home/user/Φωτογραφίες";
  SaveSettings(dir / "s.dat", s);
  EXPECT_EQ(ReadAll(dir / "s.dat").substr(0, 3), std::string(kUtf8Bom));
  EXPECT_EQ(LoadSettings(dir / "s.dat").SlotFolder[1], "/home/user/Φωτογραφίες");
}

TEST(SettingsFile, FolderNamesTypedOnLinuxSurviveSavingAndLoading) {
  TempDir dir;
  Settings s;
  s.SlotFolder[1] = "/home/user/写真〜2024";
  s.SlotFolder[2] = "/home/user/a−b";
  s.CameraFolders[1] = "/media/user/CARD—1";
  SaveSettings(dir / "s.dat", s);
  const Settings loaded = LoadSettings(dir / "s.dat");
  EXPECT_EQ(loaded.SlotFolder[1], s.SlotFolder[1]);
  EXPECT_EQ(loaded.SlotFolder[2], s.SlotFolder[2]);
  EXPECT_EQ(loaded.CameraFolders[1], s.CameraFolders[1]);
}

TEST(SettingsFile, JapaneseTextIsStoredInCodePage932) {
  TempDir dir;
  Settings s;
  s.CameraNames[1] = "写真";
  SaveSettings(dir / "s.dat", s);
  const std::string bytes = ReadAll(dir / "s.dat");
  EXPECT_NE(bytes.find(*Utf8ToCp932("写真")), std::string::npos);
  EXPECT_EQ(bytes.find("写真"), std::string::npos);
}

TEST(SettingsFile, FailedWriteLeavesTheOldFileAndThrows) {
  TempDir dir;
  const std::string path = dir / "s.dat";
  Settings s;
  s.WindowLeft = 1;
  SaveSettings(path, s);
  s.WindowLeft = 2;
  {
    const FileSizeLimit full(16);  // the medium fills after 16 bytes of the new file
    EXPECT_THROW(SaveSettings(path, s), EDataFile);
  }
  EXPECT_EQ(LoadSettings(path).WindowLeft, 1);
  // No temporary file is left beside it.
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), std::filesystem::directory_iterator()), 1);
}

}  // namespace
}  // namespace lumetta
