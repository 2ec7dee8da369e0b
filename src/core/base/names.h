#pragma once
// Comparing file names the way the program does: ignoring letter case, and
// finding a name in a folder whatever its case on disk.

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

namespace lumetta {

std::string LowerCase(std::string_view utf8);

// Case folding for comparisons and lookup keys.
std::string FoldCase(std::string_view utf8);

bool SameNameIgnoringCase(std::string_view a, std::string_view b);

// True when the first characters of text equal prefix, ignoring case.
bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix);

// The name as it is spelt in folder, when folder holds an entry whose name
// equals name ignoring case. An exact match wins over other spellings.
std::optional<std::string> FindNameInFolder(std::string_view folder, std::string_view name);

// The full path of the entry of folder named name ignoring case, or the
// plain join when there is none.
std::string ResolveInFolder(std::string_view folder, std::string_view name);

// The entry names of one folder, indexed for case-insensitive lookup; built
// once for work that looks up many names in the same folder.
class FolderIndex {
 public:
  FolderIndex() = default;
  explicit FolderIndex(std::string_view folder);

  void Add(std::string_view name);
  std::optional<std::string> Find(std::string_view name) const;
  bool Contains(std::string_view name) const { return Find(name).has_value(); }

 private:
  std::unordered_map<std::string, std::string> by_fold_;
  std::unordered_map<std::string, bool> exact_;
};

}  // namespace lumetta
