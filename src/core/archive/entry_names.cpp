#include "core/archive/entry_names.h"

#include <array>
#include <cstdint>
#include <vector>

#include "core/base/names.h"
#include "core/base/text_codec.h"

namespace lumetta {

namespace {

constexpr std::array<std::string_view, 8> kArchiveSuffixes = {".zip", ".7z",  ".rar", ".tar",
                                                              ".tar.gz", ".tgz", ".cbz", ".cbr"};

bool IsValidUtf8(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size()) {
    const auto c = static_cast<unsigned char>(text[i]);
    std::size_t length = 0;
    std::uint32_t code = 0;
    if (c < 0x80) {
      ++i;
      continue;
    } else if ((c & 0xE0) == 0xC0) {
      length = 2;
      code = c & 0x1Fu;
    } else if ((c & 0xF0) == 0xE0) {
      length = 3;
      code = c & 0x0Fu;
    } else if ((c & 0xF8) == 0xF0) {
      length = 4;
      code = c & 0x07u;
    } else {
      return false;
    }
    if (i + length > text.size()) return false;
    for (std::size_t k = 1; k < length; ++k) {
      const auto next = static_cast<unsigned char>(text[i + k]);
      if ((next & 0xC0) != 0x80) return false;
      code = (code << 6) | (next & 0x3Fu);
    }
    // Over-long forms, surrogates and values past U+10FFFF are not UTF-8.
    constexpr std::array<std::uint32_t, 5> kLeast = {0, 0, 0x80, 0x800, 0x10000};
    if (code < kLeast[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return false;
    i += length;
  }
  return true;
}

bool IsAsciiLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
bool IsAsciiAlnum(char c) { return IsAsciiLetter(c) || (c >= '0' && c <= '9'); }

bool IsDriveLetter(std::string_view name) { return name.size() >= 2 && name[1] == ':' && IsAsciiLetter(name[0]); }

}  // namespace

bool IsArchiveFileName(std::string_view name) {
  const std::string lower = LowerCase(name);
  for (std::string_view suffix : kArchiveSuffixes) {
    if (lower.size() > suffix.size() && std::string_view(lower).substr(lower.size() - suffix.size()) == suffix) {
      return true;
    }
  }
  return false;
}

std::string DecodeEntryName(std::string_view bytes) {
  return IsValidUtf8(bytes) ? std::string(bytes) : Cp932ToUtf8(bytes);
}

std::optional<std::string> SafeEntryName(std::string_view name) {
  if (name.empty() || name.front() == '/' || IsDriveLetter(name)) return std::nullopt;
  if (name.find('\0') != std::string_view::npos || name.find('\\') != std::string_view::npos) return std::nullopt;
  std::vector<std::string_view> parts;
  std::size_t start = 0;
  while (start <= name.size()) {
    std::size_t end = name.find('/', start);
    if (end == std::string_view::npos) end = name.size();
    const std::string_view part = name.substr(start, end - start);
    if (part == "..") return std::nullopt;
    if (!part.empty() && part != ".") parts.push_back(part);
    start = end + 1;
  }
  if (parts.empty()) return std::nullopt;
  std::string safe;
  for (std::string_view part : parts) {
    if (!safe.empty()) safe += '/';
    safe += part;
  }
  if (name.back() == '/') safe += '/';
  return safe;
}

std::string_view EntryFolderOf(std::string_view name) {
  const std::size_t slash = name.rfind('/');
  return slash == std::string_view::npos ? std::string_view() : name.substr(0, slash + 1);
}

std::string_view EntryBaseOf(std::string_view name) { return name.substr(EntryFolderOf(name).size()); }

std::string SafeExtensionOf(std::string_view name) {
  const std::string_view base = EntryBaseOf(name);
  const std::size_t dot = base.rfind('.');
  if (dot == std::string_view::npos) return "";
  const std::string_view extension = base.substr(dot + 1);
  if (extension.empty() || extension.size() > 10) return "";
  for (char c : extension) {
    if (!IsAsciiAlnum(c)) return "";
  }
  return "." + std::string(extension);
}

}  // namespace lumetta
