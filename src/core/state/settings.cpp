#include "core/state/settings.h"

#include <functional>
#include <optional>
#include <type_traits>
#include <variant>

#include "core/base/data_file.h"
#include "core/base/numbers.h"
#include "core/base/text_codec.h"

namespace lumetta {

namespace {

struct TextField {
  std::string Settings::*member = nullptr;
  std::size_t max_bytes = SIZE_MAX;
};
struct TextArrayField {
  OneBasedArray<std::string, 3> Settings::*member = nullptr;
  int index = 0;
  std::size_t max_bytes = SIZE_MAX;
};
struct IntField {
  std::int32_t Settings::*member = nullptr;
};
struct ByteField {
  std::uint8_t Settings::*member = nullptr;
};
// A mode kept as a number in the file; any number read is kept as it is.
template <typename Enum>
struct ModeField {
  Enum Settings::*member = nullptr;
};
struct Unused {};

using Field = std::variant<Unused, TextField, TextArrayField, IntField, ByteField, ModeField<SortKey>,
                           ModeField<SortOrder>, ModeField<QualityModeKind>>;

// The file's layout: one entry per line, in order.
const std::array<Field, kSettingsLineCount>& Layout() {
  static const std::array<Field, kSettingsLineCount> layout = {
      IntField{&Settings::WindowLeft},                                 // 0
      IntField{&Settings::WindowTop},                                  // 1
      TextArrayField{&Settings::SlotFolder, 1},                        // 2
      TextArrayField{&Settings::SlotFolder, 2},                        // 3
      TextArrayField{&Settings::SlotFolder, 3},                        // 4
      ModeField<SortKey>{&Settings::SortMode},                         // 5
      ByteField{&Settings::SizeMode},                                  // 6
      IntField{&Settings::CustomWidth},                                // 7
      IntField{&Settings::CustomHeight},                               // 8
      TextField{&Settings::Reserved9},                                 // 9
      TextArrayField{&Settings::AppPaths, 1},                          // 10
      TextArrayField{&Settings::AppPaths, 2},                          // 11
      TextArrayField{&Settings::AppPaths, 3},                          // 12
      Unused{},                                                        // 13
      Unused{},                                                        // 14
      Unused{},                                                        // 15
      Unused{},                                                        // 16
      Unused{},                                                        // 17
      ByteField{&Settings::ExportFormat},                              // 18
      ByteField{&Settings::JpegQuality},                               // 19
      ByteField{&Settings::ExportExif},                                // 20
      ByteField{&Settings::UpperCaseExt},                              // 21
      TextArrayField{&Settings::CameraNames, 1, kCameraNameBytes},     // 22
      TextArrayField{&Settings::CameraNames, 2, kCameraNameBytes},     // 23
      TextArrayField{&Settings::CameraNames, 3, kCameraNameBytes},     // 24
      TextArrayField{&Settings::CameraFolders, 1},                     // 25
      TextArrayField{&Settings::CameraFolders, 2},                     // 26
      TextArrayField{&Settings::CameraFolders, 3},                     // 27
      ByteField{&Settings::TransferLocked},                            // 28
      ByteField{&Settings::TransferMovies},                            // 29
      ByteField{&Settings::TransferDateFolders},                       // 30
      TextField{&Settings::CacheSweepMonth, kCacheSweepMonthBytes},    // 31
      IntField{&Settings::GlobalSharpness},                            // 32
      ModeField<QualityModeKind>{&Settings::QualityMode},              // 33
      IntField{&Settings::HistogramAuto},                              // 34
      IntField{&Settings::CommentVisible},                             // 35
      IntField{&Settings::CommentPosition},                            // 36
      IntField{&Settings::Reserved37},                                 // 37
      ByteField{&Settings::ExportComment},                             // 38
      ModeField<SortOrder>{&Settings::SortDirection},                  // 39
      IntField{&Settings::SlideInterval},                              // 40
      IntField{&Settings::SlideCustomSeconds},                         // 41
      IntField{&Settings::SlideRepeat},                                // 42
      IntField{&Settings::SlideNextFolder},                            // 43
      IntField{&Settings::SlideTransition},                            // 44
      IntField{&Settings::StarSandSpeed},                              // 45
      IntField{&Settings::PageDirection},                              // 46
      IntField{&Settings::PageSpeed},                                  // 47
      IntField{&Settings::FadeMode},                                   // 48
      IntField{&Settings::FadeSpeed},                                  // 49
      ByteField{&Settings::ExportWhole},                               // 50
      IntField{&Settings::GlobalEffect},                               // 51
      ModeField<SortKey>{&Settings::OkiniSortMode},                    // 52
      ModeField<SortOrder>{&Settings::OkiniSortDirection},             // 53
  };
  return layout;
}

struct LineReader {
  Settings& settings;
  const std::string& line;

  void operator()(Unused) const {}
  void operator()(const TextField& f) const { settings.*f.member = CutToDataBytes(line, f.max_bytes); }
  void operator()(const TextArrayField& f) const {
    (settings.*f.member)[f.index] = CutToDataBytes(line, f.max_bytes);
  }
  void operator()(const IntField& f) const {
    if (auto v = ParseInt(line)) settings.*f.member = *v;
  }
  void operator()(const ByteField& f) const {
    // A number beyond a byte wraps, as a byte variable takes it.
    if (auto v = ParseInt(line)) settings.*f.member = static_cast<std::uint8_t>(*v);
  }
  template <typename Enum>
  void operator()(const ModeField<Enum>& f) const {
    using Number = std::underlying_type_t<Enum>;
    // A byte-sized mode wraps as the byte lines do.
    if (auto v = ParseInt(line)) settings.*f.member = static_cast<Enum>(static_cast<Number>(*v));
  }
};

struct LineWriter {
  const Settings& settings;

  std::string operator()(Unused) const { return ""; }
  std::string operator()(const TextField& f) const { return settings.*f.member; }
  std::string operator()(const TextArrayField& f) const { return (settings.*f.member)[f.index]; }
  std::string operator()(const IntField& f) const { return IntToString(settings.*f.member); }
  std::string operator()(const ByteField& f) const { return IntToString(settings.*f.member); }
  template <typename Enum>
  std::string operator()(const ModeField<Enum>& f) const {
    return IntToString(static_cast<std::int64_t>(settings.*f.member));
  }
};

}  // namespace

Settings SettingsFromLines(const std::vector<std::string>& lines, const Settings& defaults) {
  Settings settings = defaults;
  const auto& layout = Layout();
  for (std::size_t i = 0; i < layout.size() && i < lines.size(); ++i) {
    std::visit(LineReader{settings, lines[i]}, layout[i]);
  }
  return settings;
}

std::vector<std::string> SettingsToLines(const Settings& settings) {
  std::vector<std::string> lines;
  lines.reserve(kSettingsLineCount);
  for (const Field& field : Layout()) lines.push_back(std::visit(LineWriter{settings}, field));
  return lines;
}

Settings LoadSettings(std::string_view path, const Settings& defaults) {
  return SettingsFromLines(ReadDataFileLines(path), defaults);
}

void SaveSettings(std::string_view path, const Settings& settings) {
  WriteDataFileLines(path, SettingsToLines(settings));
}

}  // namespace lumetta
