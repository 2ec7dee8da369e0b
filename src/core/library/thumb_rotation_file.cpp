#include "core/library/thumb_rotation_file.h"

#include <filesystem>
#include <system_error>

#include "core/base/data_file.h"
#include "core/base/numbers.h"
#include "core/base/paths.h"
#include "core/base/text_codec.h"

namespace lumetta {

namespace {

// Only the first two lines mean anything; a file larger than this is read
// no further.
constexpr std::size_t kRotationFileBytes = 4096;

std::vector<std::string> FirstLines(std::string_view text, std::size_t count) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size() && lines.size() < count; ++i) {
    const char c = text[i];
    if (c != '\r' && c != '\n') continue;
    lines.emplace_back(text.substr(start, i - start));
    if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    start = i + 1;
  }
  if (lines.size() < count && start < text.size()) lines.emplace_back(text.substr(start));
  return lines;
}

}  // namespace

std::int8_t ParseThumbRotation(const std::vector<std::string>& lines) {
  if (lines.size() < 2) return 0;
  const auto value = ParseInt(lines[1]);
  if (!value) return 0;
  // Stored as a byte: only the low eight bits count.
  return static_cast<std::int8_t>(static_cast<std::uint8_t>(static_cast<std::uint32_t>(*value) & 0xFF));
}

std::int8_t ParseThumbRotationBytes(std::string_view bytes) {
  return ParseThumbRotation(FirstLines(DecodeDataText(bytes.substr(0, kRotationFileBytes)), 2));
}

std::int8_t ReadThumbRotationFile(std::string_view path) {
  try {
    return ParseThumbRotationBytes(ReadFileBytes(path, kRotationFileBytes));
  } catch (const EDataFile&) {
    return 0;
  }
}

void WriteThumbRotationFile(std::string_view path, std::int8_t rotation) {
  if (rotation == 0) {
    std::error_code ec;
    std::filesystem::remove(ToFsPath(path), ec);
    return;
  }
  const int code = static_cast<std::uint8_t>(rotation);
  WriteDataFileLines(path, {"100", IntToString(code)});
}

}  // namespace lumetta
