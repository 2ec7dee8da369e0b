#include "core/base/names.h"

#include <unicode/unistr.h>

#include <filesystem>
#include <system_error>

#include "core/base/paths.h"

namespace lumetta {

namespace {
bool IsAscii(std::string_view s) {
  for (char c : s) {
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  }
  return true;
}
}  // namespace

std::string LowerCase(std::string_view utf8) {
  if (IsAscii(utf8)) {
    std::string out(utf8);
    for (char& c : out) {
      if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return out;
  }
  std::string out;
  icu::UnicodeString::fromUTF8(icu::StringPiece(utf8.data(), static_cast<int32_t>(utf8.size())))
      .toLower()
      .toUTF8String(out);
  return out;
}

std::string FoldCase(std::string_view utf8) {
  if (IsAscii(utf8)) return LowerCase(utf8);
  std::string out;
  icu::UnicodeString::fromUTF8(icu::StringPiece(utf8.data(), static_cast<int32_t>(utf8.size())))
      .foldCase()
      .toUTF8String(out);
  return out;
}

bool SameNameIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() == b.size() && a == b) return true;
  return FoldCase(a) == FoldCase(b);
}

bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix) {
  if (text.size() >= prefix.size() && text.substr(0, prefix.size()) == prefix) return true;
  const std::string t = FoldCase(text);
  const std::string p = FoldCase(prefix);
  return t.size() >= p.size() && t.compare(0, p.size(), p) == 0;
}

std::optional<std::string> FindNameInFolder(std::string_view folder, std::string_view name) {
  std::error_code ec;
  if (std::filesystem::exists(ToFsPath(JoinPath(folder, name)), ec)) {
    // The exact spelling exists; on a case-insensitive disk the stored
    // spelling may still differ, which does not matter for opening it.
    return std::string(name);
  }
  const std::string key = FoldCase(name);
  std::filesystem::directory_iterator it(ToFsPath(folder), ec);
  if (ec) return std::nullopt;
  for (const std::filesystem::directory_iterator end; it != end; it.increment(ec)) {
    if (ec) break;
    std::string entry = FromFsPath(it->path().filename());
    if (FoldCase(entry) == key) return entry;
  }
  return std::nullopt;
}

std::string ResolveInFolder(std::string_view folder, std::string_view name) {
  if (auto found = FindNameInFolder(folder, name)) return JoinPath(folder, *found);
  return JoinPath(folder, name);
}

FolderIndex::FolderIndex(std::string_view folder) {
  std::error_code ec;
  std::filesystem::directory_iterator it(ToFsPath(folder), ec);
  if (ec) return;
  for (const std::filesystem::directory_iterator end; it != end; it.increment(ec)) {
    if (ec) break;
    Add(FromFsPath(it->path().filename()));
  }
}

void FolderIndex::Add(std::string_view name) {
  exact_.emplace(std::string(name), true);
  by_fold_.emplace(FoldCase(name), std::string(name));
}

std::optional<std::string> FolderIndex::Find(std::string_view name) const {
  if (exact_.count(std::string(name))) return std::string(name);
  auto it = by_fold_.find(FoldCase(name));
  if (it == by_fold_.end()) return std::nullopt;
  return it->second;
}

}  // namespace lumetta
