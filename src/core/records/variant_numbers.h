#pragma once
// The numbered edited-photo files of a photo (its variants) and the number
// list the save and rename dialogs show: "(Default)", a row per existing
// number, a free row ("空") for each gap below the highest number up to 19,
// and blank filler rows up to 21 rows.

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lumetta {

inline constexpr int kMaxVariantNumber = 999;
inline constexpr int kNumberListRows = 21;
// Numbers up to this one are listed with their gaps; above it only while
// they follow one another.
inline constexpr int kGapListedUpTo = 19;

// The variant number of the file shown: for an edited-photo file the three
// characters after the last "-" of the text after its last "_", as a
// number; 0 for a default variant, a plain photo and anything unreadable.
int CurrentVariantNumber(std::string_view name);

// The base name the variants of the file shown are named from: the
// EditedBaseName of a plain photo; for an edited-photo file, that of its
// source photo with the extension lower-cased (IMG_0001_JPG-002.lum gives
// IMG_0001_jpg).
std::string VariantBaseName(std::string_view name);

// Variant number (0: the default variant) of base, with ".lum", or ".LUM"
// when upper_case_ext: IMG_0001_JPG-002.lum.
std::string VariantFileName(std::string_view base, int number, bool upper_case_ext);

struct NumberRow {
  std::string Text;
  int Number = -1;  // -1 for a filler row
  bool Exists = false;
};

struct NumberList {
  std::vector<NumberRow> Rows;
  // The number of numbered rows, free ones included.
  int ListedCount = 0;
  // Existing variants by number (0: the default), as spelt on disk.
  std::map<int, std::string> Existing;

  // The number "add with a new number" takes (the one after the listed
  // rows, free by construction); nothing when it would pass 999.
  std::optional<int> NewNumber() const;
  // The row of a number; -1 when it is not listed.
  int RowOf(int number) const;
  // The row's number, -1 for a filler row or a row out of range.
  int NumberAt(int row) const;
  // The name on disk of an existing variant.
  std::optional<std::string> ExistingName(int number) const;
};

// Builds the list for base from one listing of folder; names compare
// without regard to letter case.
NumberList BuildNumberList(std::string_view folder, std::string_view base);

}  // namespace lumetta
