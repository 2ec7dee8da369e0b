#pragma once
// Ordering file names as a Japanese user expects: by the Japanese collation
// of ICU, ignoring letter case (so "IMG_10.jpg" comes before "img_9.jpg").

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace lumetta {

// <0, 0 or >0 as a is before, equal to or after b ignoring case.
int CompareNames(std::string_view a, std::string_view b);

// Collation keys of many names, made once so that a sort compares bytes.
// Names equal ignoring case get equal keys.
class NameSortKeys {
 public:
  explicit NameSortKeys(const std::vector<std::string_view>& names);

  std::size_t size() const { return starts_.size(); }
  // <0, 0 or >0 as name i is before, equal to or after name j.
  int Compare(std::size_t i, std::size_t j) const;

 private:
  std::vector<std::uint8_t> bytes_;  // every key, each ended by its zero byte
  std::vector<std::size_t> starts_;
};

}  // namespace lumetta
