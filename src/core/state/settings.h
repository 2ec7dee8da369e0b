#pragma once
// The settings file "Lumetta-ini.dat": 54 lines, one value per line,
// identified by position alone.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/base/numbered_array.h"

namespace lumetta {

inline constexpr std::string_view kSettingsFileName = "Lumetta-ini.dat";
inline constexpr int kSettingsLineCount = 54;

// The photo-folder slots, numbered 1..3.
inline constexpr std::int32_t kSlotCount = 3;
template <typename T>
using PerSlot = OneBasedArray<T, kSlotCount>;
// Whether n is a slot's number (0 stands for no slot).
inline constexpr bool IsSlot(std::int32_t n) { return n >= 1 && n <= kSlotCount; }

enum class QualityModeKind : std::int32_t { HighQuality = 0, HighSpeed = 1 };
// The photo list's order key; a value from a damaged file sorts by name.
enum class SortKey : std::uint8_t { Name = 1, FileTime = 2, ExifDate = 3 };
// Where the list starts: the strip's left end or its right end.
enum class SortOrder : std::int32_t { FromLeft = 1, FromRight = -1 };

struct Settings {
  std::int32_t WindowLeft = 0;
  std::int32_t WindowTop = 0;
  PerSlot<std::string> SlotFolder;
  SortKey SortMode = SortKey::Name;
  std::uint8_t SizeMode = 3;
  std::int32_t CustomWidth = 0;
  std::int32_t CustomHeight = 0;
  std::string Reserved9;
  OneBasedArray<std::string, 3> AppPaths;
  std::uint8_t ExportFormat = 1;
  std::uint8_t JpegQuality = 8;
  std::uint8_t ExportExif = 1;
  std::uint8_t UpperCaseExt = 0;
  OneBasedArray<std::string, 3> CameraNames;  // at most 30 bytes
  OneBasedArray<std::string, 3> CameraFolders;
  std::uint8_t TransferLocked = 0;
  std::uint8_t TransferMovies = 1;
  std::uint8_t TransferDateFolders = 1;
  std::string CacheSweepMonth = "000000";  // at most 6 bytes
  std::int32_t GlobalSharpness = 12;
  QualityModeKind QualityMode = QualityModeKind::HighQuality;
  std::int32_t HistogramAuto = 0;
  std::int32_t CommentVisible = 1;
  std::int32_t CommentPosition = 1;
  std::int32_t Reserved37 = 0;
  std::uint8_t ExportComment = 1;
  SortOrder SortDirection = SortOrder::FromLeft;
  std::int32_t SlideInterval = 5;
  std::int32_t SlideCustomSeconds = 1;
  std::int32_t SlideRepeat = 0;
  std::int32_t SlideNextFolder = 1;
  std::int32_t SlideTransition = 2;
  std::int32_t StarSandSpeed = 2;
  std::int32_t PageDirection = 0;
  std::int32_t PageSpeed = 3;
  std::int32_t FadeMode = 0;
  std::int32_t FadeSpeed = 2;
  std::uint8_t ExportWhole = 0;
  std::int32_t GlobalEffect = 1;
  SortKey OkiniSortMode = SortKey::Name;
  SortOrder OkiniSortDirection = SortOrder::FromLeft;

  bool operator==(const Settings&) const = default;
};

// Byte limits of the "text n" lines.
inline constexpr std::size_t kCameraNameBytes = 30;
inline constexpr std::size_t kCacheSweepMonthBytes = 6;

// The settings of a file's lines. Never fails: a line that is missing or
// cannot be read as its kind keeps its value in defaults.
Settings SettingsFromLines(const std::vector<std::string>& lines, const Settings& defaults = Settings{});

// The 54 lines of the file, in order.
std::vector<std::string> SettingsToLines(const Settings& settings);

// Reads the file, lines that cannot be read taking their values in defaults.
// Throws EDataFile only when the file cannot be read at all.
Settings LoadSettings(std::string_view path, const Settings& defaults = Settings{});

// Writes the whole file (a temporary file renamed over the old one). Throws
// EDataFile; the old file is then unchanged.
void SaveSettings(std::string_view path, const Settings& settings);

}  // namespace lumetta
