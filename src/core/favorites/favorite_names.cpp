#include "core/favorites/favorite_names.h"

#include "core/base/text_codec.h"

namespace lumetta {

namespace {

std::size_t LastSeparator(std::string_view path) { return path.rfind(kFavoritesSeparator); }

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// The UTF-8 full-width form of an ASCII character (U+FF01..U+FF5E).
std::string FullWidth(char c) {
  const unsigned code = 0xFF01u + static_cast<unsigned>(static_cast<unsigned char>(c) - 0x21u);
  std::string out;
  out += static_cast<char>(0xE0u | (code >> 12));
  out += static_cast<char>(0x80u | ((code >> 6) & 0x3Fu));
  out += static_cast<char>(0x80u | (code & 0x3Fu));
  return out;
}

}  // namespace

std::string FavoritesParent(std::string_view path) {
  const std::size_t sep = LastSeparator(path);
  return sep == std::string_view::npos ? std::string() : std::string(path.substr(0, sep));
}

std::string FavoritesLeaf(std::string_view path) {
  const std::size_t sep = LastSeparator(path);
  return std::string(sep == std::string_view::npos ? path : path.substr(sep + 1));
}

std::string JoinFavoritesPath(std::string_view folder, std::string_view name) {
  if (folder.empty()) return std::string(name);
  std::string out(folder);
  out += kFavoritesSeparator;
  out += name;
  return out;
}

std::size_t FavoritesDepth(std::string_view path) {
  std::size_t n = 0;
  for (char c : path) n += c == kFavoritesSeparator ? 1 : 0;
  return n;
}

std::vector<std::string> FavoritesComponents(std::string_view path) {
  std::vector<std::string> names;
  if (path.empty()) return names;
  std::size_t start = 0;
  for (;;) {
    const std::size_t sep = path.find(kFavoritesSeparator, start);
    names.emplace_back(path.substr(start, sep == std::string_view::npos ? std::string_view::npos : sep - start));
    if (sep == std::string_view::npos) break;
    start = sep + 1;
  }
  return names;
}

bool InOrBelowFavoritesFolder(std::string_view path, std::string_view folder) {
  if (path.size() < folder.size() || path.substr(0, folder.size()) != folder) return false;
  return path.size() == folder.size() || path[folder.size()] == kFavoritesSeparator;
}

std::string RebaseFavoritesPath(std::string_view path, std::string_view old_folder, std::string_view new_folder) {
  if (!InOrBelowFavoritesFolder(path, old_folder)) return std::string(path);
  return std::string(new_folder) + std::string(path.substr(old_folder.size()));
}

bool HasControlChar(std::string_view text) {
  for (char c : text) {
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) return true;
  }
  return false;
}

bool HasForbiddenNameChar(std::string_view name) {
  return name.find_first_of(kForbiddenNameChars) != std::string_view::npos;
}

bool IsReservedName(std::string_view name) {
  return name.empty() || name == "." || name == ".." || IsBlank(name.front()) || IsBlank(name.back());
}

bool IsUsableFavoritesPath(std::string_view path) {
  for (const std::string& name : FavoritesComponents(path)) {
    if (IsReservedName(name) || HasForbiddenNameChar(name) || HasControlChar(name)) return false;
  }
  return true;
}

std::vector<std::string> FolderNameRefusal(std::string_view name) {
  if (HasForbiddenNameChar(name)) return {"フォルダ名に「\\/:*?\"<>|」の文字は使用できません。"};
  if (IsReservedName(name) || !IsUsableFavoritesPath(name)) {
    return {"空の名前、「.」「..」、前後に空白のある名前は", "フォルダ名として使用できません。"};
  }
  return {};
}

std::vector<std::string> FavoriteNameRefusal(std::string_view name, std::string_view label, bool all_nine) {
  const std::string field(label);
  if (all_nine && HasForbiddenNameChar(name)) return {field + "に「\\/:*?\"<>|」の文字は使用できません。"};
  if (!all_nine && name.find_first_of("\\/") != std::string_view::npos) {
    return {field + "に「\\」「/」の文字は使用できません。"};
  }
  if (name.empty() || name == "." || name == "..") return {field + "に「.」「..」は使用できません。"};
  if (HasControlChar(name)) return {field + "に改行などの制御文字は使用できません。"};
  return {};
}

std::string ToFullWidthNumber(std::string_view text) {
  std::string out;
  for (std::size_t pos = 0; pos < text.size();) {
    const std::size_t length = Utf8CharLength(text, pos);
    const char c = text[pos];
    const bool mapped = length == 1 && ((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F') ||
                                        c == '+' || c == '-' || c == '.');
    out += mapped ? FullWidth(c) : std::string("　");
    pos += length;
  }
  return out;
}

}  // namespace lumetta
