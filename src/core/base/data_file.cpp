#include "core/base/data_file.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "core/base/paths.h"
#include "core/base/text_codec.h"
#include "platform/safe_file.h"

namespace lumetta {

std::string ReadFileBytes(std::string_view path, std::size_t max_bytes) {
  std::ifstream in(ToFsPath(path), std::ios::binary);
  if (!in) throw EDataFile("cannot open " + std::string(path));
  std::string bytes;
  char buffer[65536];
  while (bytes.size() < max_bytes) {
    in.read(buffer, static_cast<std::streamsize>(std::min(sizeof buffer, max_bytes - bytes.size())));
    const auto n = in.gcount();
    if (n <= 0) break;
    bytes.append(buffer, static_cast<std::size_t>(n));
  }
  if (in.bad()) throw EDataFile("cannot read " + std::string(path));
  return bytes;
}

std::vector<std::string> ReadDataFileLines(std::string_view path) {
  const std::string text = DecodeDataText(ReadFileBytes(path));
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c != '\r' && c != '\n') continue;
    lines.emplace_back(text, start, i - start);
    if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    start = i + 1;
  }
  if (start < text.size()) lines.emplace_back(text, start);
  return lines;
}

std::string DataFileBytes(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) {
    text += line;
    text += "\r\n";
  }
  return EncodeDataText(text);
}

void WriteDataFileLines(std::string_view path, const std::vector<std::string>& lines) {
  WriteFileAtomically(path, DataFileBytes(lines));
}

void CreateDataFile(std::string_view path, std::string_view bytes) {
  try {
    platform::CreateFileWithContents(path, bytes);
  } catch (const platform::EFileOperation& e) {
    throw EDataFile(e.what());
  }
}

void WriteFileAtomically(std::string_view path, std::string_view bytes, bool flush) {
  try {
    platform::ReplaceFileContents(path, bytes, flush);
  } catch (const platform::EFileOperation& e) {
    throw EDataFile(e.what());
  }
}

}  // namespace lumetta
