#include "core/library/thumb_rotation_file.h"

#include <gtest/gtest.h>

#include <ostream>

#include "core/base/paths.h"
#include "support/temp_dir.h"

namespace lumetta {
namespace {

using testing_support::ReadAll;
using testing_support::TempDir;

struct RotationCase {
  const char* name;
  std::string bytes;
  int rotation;
};

void PrintTo(const RotationCase& c, std::ostream* out) { *out << c.name; }

class ThumbRotationOf : public ::testing::TestWithParam<RotationCase> {};

TEST_P(ThumbRotationOf, ReadsTheSecondLineAsAByte) {
  EXPECT_EQ(ParseThumbRotationBytes(GetParam().bytes), GetParam().rotation);
}

INSTANTIATE_TEST_SUITE_P(
    Files, ThumbRotationOf,
    ::testing::Values(RotationCase{"clockwise", "100\r\n1\r\n", 1}, RotationCase{"half", "100\r\n2\r\n", 2},
                      RotationCase{"counter-clockwise", "100\r\n255\r\n", -1},
                      RotationCase{"first line ignored", "abc\r\n2\r\n", 2},
                      RotationCase{"lone line ends", "100\n1", 1}, RotationCase{"carriage returns", "100\r2\r", 2},
                      RotationCase{"beyond a byte", "100\r\n257\r\n", 1},
                      RotationCase{"not a number", "100\r\nright\r\n", 0},
                      RotationCase{"number and text", "100\r\n1x\r\n", 0}, RotationCase{"one line", "100\r\n", 0},
                      RotationCase{"empty", "", 0}, RotationCase{"binary", std::string("\0\xFF\xFE\r\n\x81", 6), 0}));

TEST(ThumbRotationFile, IsWrittenAsTwoLinesAndRemovedForNoTurn) {
  TempDir dir;
  const std::string path = dir / "IMG_0001_JPG.dat";
  WriteThumbRotationFile(path, 1);
  EXPECT_EQ(ReadAll(path), "100\r\n1\r\n");
  WriteThumbRotationFile(path, -1);
  EXPECT_EQ(ReadAll(path), "100\r\n255\r\n");
  EXPECT_EQ(ReadThumbRotationFile(path), -1);
  WriteThumbRotationFile(path, 0);
  EXPECT_FALSE(PathExists(path));
}

TEST(ThumbRotationFile, AFileThatCannotBeReadMeansNoTurn) {
  TempDir dir;
  EXPECT_EQ(ReadThumbRotationFile(dir / "missing.dat"), 0);
  EXPECT_EQ(ReadThumbRotationFile(dir.Path()), 0);
}

}  // namespace
}  // namespace lumetta
